// The list file editor's logic, driven through the program's core object as its window
// drives it.

#include "lists/ListEditorForm.h"
#include "settings/SafeFile.h"
#include "support/ProgramFixture.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace tb::test {
namespace {

constexpr const char *kNoSong = "*** No Song Currently Selected ***";

class ListEditor : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        ini = folder.file("tasks.ini");
        writeTasks(ini, 1);
        useSettingsFile(ini);
        ASSERT_TRUE(makeForm().Form_Load());
    }

    ListEditorForm &open()
    {
        program->dispatch(FormId::Main, "editfilesong", ControlEvent::Click);
        EXPECT_NE(program->loadedListEditor(), nullptr);
        return *program->loadedListEditor();
    }
    ControlState &c(const char *name) { return program->loadedListEditor()->controls()[name]; }
    void click(const char *control, ControlEvent event = ControlEvent::Click)
    {
        program->dispatch(FormId::ListEditor, control, event);
    }
    void type(const std::string &text)
    {
        c("txtsongentry").text = text;
        click("txtsongentry", ControlEvent::Change);
    }
    void select(int index, ControlEvent event = ControlEvent::Click)
    {
        c("Listsongtitles").listIndex = index;
        click("Listsongtitles", event);
    }
    void add(const std::string &text)
    {
        type(text);
        click("cmdAdd");
    }
    std::string list(int n) const { return folder.file("List" + std::to_string(n) + ".txt"); }
    std::string group(int n) const { return "List Group Number " + std::to_string(n); }
    std::vector<std::string> items() { return c("Listsongtitles").items; }
    using Items = std::vector<std::string>;
};

TEST_F(ListEditor, OpensOnListOneWithItsSettings)
{
    IniWrite(group(1), "Current Item", "Etude 5", ini);
    open();
    EXPECT_EQ(c("frmeditsonglist").caption, "Tallybell Edit List Files");
    EXPECT_EQ(c("lblCurrentListNo").caption, "1");
    EXPECT_EQ(c("labdayschange").caption, "Change list item after 1 practice session");
    EXPECT_TRUE(c("Optionsongselcron").checked);
    EXPECT_FALSE(c("Optionsongselrand").checked);
    // No list file: no items, and the stored item is not shown.
    EXPECT_TRUE(items().empty());
    EXPECT_EQ(c("TextCurrentSong").text, kNoSong);
    EXPECT_TRUE(messages.shown.empty());

    click("cmdOK");
    writeFile(list(1), "Etude 5\r\n");
    open();
    EXPECT_EQ(c("TextCurrentSong").text, "Etude 5");
    click("cmdHelp");
    EXPECT_EQ(help.calls.back(), (FakeHelp::Call {Help::HELP_CONTEXT, 12}));
}

TEST_F(ListEditor, TheIntervalStaysBetweenOneAnd32767)
{
    struct Case {
        const char *stored; // nullptr: no key
        const char *button;
        const char *shown;
        const char *after; // the stored value afterwards; nullptr: no key
    };
    const Case cases[] = {
        {nullptr, "spindaysDown", "1 practice session", nullptr},
        {nullptr, "spindaysUp", "2 practice sessions", "2"},
        {"2", "spindaysDown", "1 practice session", "1"},
        {"32766", "spindaysUp", "32767 practice sessions", "32767"},
        {"32767", "spindaysUp", "32767 practice sessions", "32767"},
        {"often", "spindaysUp", "1 practice session", "1"}, // "often" reads as 0
    };
    for (const Case &k : cases) {
        if (k.stored)
            IniWrite(group(1), "Change Song", k.stored, ini);
        open();
        click(k.button);
        EXPECT_EQ(c("labdayschange").caption, std::string("Change list item after ") + k.shown)
            << k.stored << " " << k.button;
        EXPECT_EQ(iniReadRaw(group(1), "Change Song", ini),
                  k.after ? std::optional<std::string>(k.after) : std::nullopt)
            << k.stored << " " << k.button;
        click("cmdOK");
    }
}

TEST_F(ListEditor, AddReplaceAndDeleteWorkOnTheListBoxOnly)
{
    open();
    click("cmdAdd");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "You must type a list item in the Selected List Item to add a new list item");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Critical);
    EXPECT_EQ(program->loadedListEditor()->takeFocusRequest(), "txtsongentry");

    add("Scales");
    add("  "); // blanks are an entry here
    add("Arpeggios");
    EXPECT_EQ(items(), (Items {"Scales", "  ", "Arpeggios"}));
    EXPECT_EQ(c("txtsongentry").text, "");

    // A click copies the entry into the text box; adding then replaces it in place.
    select(1);
    EXPECT_EQ(c("txtsongentry").text, "  ");
    add("Chords");
    EXPECT_EQ(items(), (Items {"Scales", "Chords", "Arpeggios"}));
    EXPECT_EQ(c("Listsongtitles").listIndex, -1);
    add("Etudes");
    EXPECT_EQ(items().back(), "Etudes");
    EXPECT_FALSE(std::filesystem::exists(list(1)));

    // Delete asks first; Enter adds and Delete deletes as the buttons do.
    messages.answers = {MsgResult::No, MsgResult::Yes};
    select(0);
    program->loadedListEditor()->Form_KeyDown(ListEditorForm::vbKeyDelete);
    EXPECT_EQ(messages.shown.back().text, "Are you sure you wish to delete this list item?");
    EXPECT_EQ(messages.shown.back().buttons, MsgButtons::YesNo);
    EXPECT_EQ(items().size(), 4u);
    click("cmdDelete");
    EXPECT_EQ(items(), (Items {"Chords", "Arpeggios", "Etudes"}));
    const std::size_t asked = messages.shown.size();
    click("cmdDelete"); // nothing selected now
    program->loadedListEditor()->Form_KeyDown(ListEditorForm::vbKeyReturn); // nothing typed
    EXPECT_EQ(messages.shown.size(), asked);
    type("Tone");
    program->loadedListEditor()->Form_KeyDown(ListEditorForm::vbKeyReturn);
    EXPECT_EQ(items().back(), "Tone");
}

TEST_F(ListEditor, FileBytesAreKeptAndWrittenAsCrLfLines)
{
    // Mixed line ends, a line of blanks, an empty line, an old Windows-1252 item.
    writeFile(folder.file("list1.txt"), "Scales\n  \r\n\r\n\xC9tude \xE0 la mani\xE8re\rTone");
    open();
    EXPECT_EQ(items(), (Items {"Scales", "  ", "\xC9tude \xE0 la mani\xE8re", "Tone"}));
    add("\xC3\x89tude"); // typed: UTF-8
    click("FileExit");
    EXPECT_EQ(program->loadedListEditor(), nullptr);
    // The lower-case file the folder held is the one written: no second spelling beside it.
    EXPECT_EQ(readFile(folder.file("list1.txt")),
              "Scales\r\n  \r\n\xC9tude \xE0 la mani\xE8re\r\nTone\r\n\xC3\x89tude\r\n");
    EXPECT_FALSE(std::filesystem::exists(list(1)));
}

TEST_F(ListEditor, SwitchingSavesTheListLeftAndShowsTheNext)
{
    IniWrite(group(2), "Change Song", "5", ini);
    IniWrite(group(2), "Change Song Random", "True", ini);
    writeFile(list(2), "Waltz\r\n");
    open();
    add("A");
    add("B");
    type("half typed");
    click("SpinListNumberUp");
    EXPECT_EQ(readFile(list(1)), "A\r\nB\r\n");
    EXPECT_EQ(c("lblCurrentListNo").caption, "2");
    EXPECT_EQ(items(), Items {"Waltz"});
    EXPECT_EQ(c("txtsongentry").text, "");
    EXPECT_EQ(c("labdayschange").caption, "Change list item after 5 practice sessions");
    EXPECT_TRUE(c("Optionsongselrand").checked);
    EXPECT_FALSE(c("Optionsongselcron").checked);

    // The selection is stored for the list shown.
    c("Optionsongselcron").checked = true;
    click("Optionsongselcron");
    EXPECT_EQ(read(group(2).c_str(), "Change Song Random"), "False");
    EXPECT_FALSE(c("Optionsongselrand").checked);
    c("Optionsongselrand").checked = true;
    click("Optionsongselrand");
    EXPECT_EQ(read(group(2).c_str(), "Change Song Random"), "True");

    // A list made here has the name the rotation looks for.
    click("SpinListNumberUp");
    add("New");
    click("SpinListNumberDown");
    EXPECT_EQ(readFile(list(3)), "New\r\n");
    EXPECT_EQ(readFile(list(2)), "Waltz\r\n");

    // The ends beep and stay.
    for (int n = 2; n < 9; ++n)
        click("SpinListNumberUp");
    click("SpinListNumberUp");
    EXPECT_EQ(c("lblCurrentListNo").caption, "9");
    for (int n = 9; n > 1; --n)
        click("SpinListNumberDown");
    click("SpinListNumberDown");
    EXPECT_EQ(c("lblCurrentListNo").caption, "1");
    EXPECT_EQ(messages.beeps, 2);
    EXPECT_EQ(items(), (Items {"A", "B"}));
}

TEST_F(ListEditor, DeletingTheLastItemDeletesTheFileButNotTheCurrentItem)
{
    writeFile(list(1), "Solo\r\n");
    IniWrite(group(1), "Current Item", "Solo", ini);
    open();
    messages.defaultAnswer = MsgResult::Yes;
    select(0);
    click("cmdDelete");
    EXPECT_FALSE(std::filesystem::exists(list(1)));
    EXPECT_EQ(read(group(1).c_str(), "Current Item"), "Solo");
    EXPECT_EQ(c("TextCurrentSong").text, "Solo");
}

TEST_F(ListEditor, DoubleClickMakesTheItemCurrentFromNow)
{
    writeFile(list(1), "Etude 1\r\nEtude 2\r\n");
    struct Case {
        const char *completed; // nullptr: no "Sessions Completed"
        MsgResult answer;
        int index;
        const char *item; // stored and shown afterwards
        const char *last;
    };
    for (const Case &k : {Case {nullptr, MsgResult::Yes, 1, "Etude 2", "0"},
                          Case {"7", MsgResult::No, 0, "Etude 2", "0"},
                          Case {"7", MsgResult::Yes, 0, "Etude 1", "7"}}) {
        if (k.completed)
            IniWrite("History", "Sessions Completed", k.completed, ini);
        open();
        messages.answers = {k.answer};
        select(k.index);
        select(k.index, ControlEvent::DblClick);
        EXPECT_EQ(messages.shown.back().text,
                  "Are you sure you want to make this Item the current Item?");
        EXPECT_EQ(read(group(1).c_str(), "Current Item"), k.item) << k.index;
        EXPECT_EQ(read(group(1).c_str(), "Last Change Session Number"), k.last) << k.index;
        EXPECT_EQ(c("TextCurrentSong").text, k.item) << k.index;
        click("cmdOK");
    }
}

TEST_F(ListEditor, RefreshShowsWhatOtherWindowsChanged)
{
    writeFile(list(1), "A\r\nB\r\n");
    open();
    // The rotation moves the item on while a session runs, as a task text is composed.
    const std::string before = c("TextCurrentSong").text;
    IniWrite(group(1), "Current Item", "B", ini);
    program->afterEvent();
    EXPECT_EQ(c("TextCurrentSong").text, before) << "a tick alone reads nothing";
    form->getnexttask(1);
    program->afterEvent();
    EXPECT_EQ(c("TextCurrentSong").text, "B");

    // Another task list, with settings of its own.
    const std::string other = folder.file("other.ini");
    IniWrite(group(1), "Change Song", "4", other);
    IniWrite(group(1), "Change Song Random", "True", other);
    IniWrite(group(1), "Current Item", "A", other);
    form->inifilename = other;
    program->afterEvent();
    EXPECT_EQ(c("labdayschange").caption, "Change list item after 4 practice sessions");
    EXPECT_TRUE(c("Optionsongselrand").checked);
    EXPECT_EQ(c("TextCurrentSong").text, "A");
}

// Saving must never cost the user the list: a failed save keeps the window, the list
// and its entries, and the old file stays whole.
TEST_F(ListEditor, AFailedSaveKeepsTheWindowAndItsEntries)
{
    writeFile(list(1), "Old\r\n");
    open();
    add("New");
    {
        SystemCalls calls = realSystemCalls();
        calls.rename = [](const char *, const char *) {
            errno = ENOSPC;
            return -1;
        };
        ScopedSystemCalls full(calls);
        for (const char *action : {"cmdOK", "SpinListNumberUp", "FileExit"}) {
            const std::size_t before = messages.shown.size();
            click(action);
            ASSERT_EQ(messages.shown.size(), before + 1) << action;
            EXPECT_EQ(messages.shown.back().text,
                      std::string("A disk error has occurred trying to save this list file\r\n\r\n")
                          + std::strerror(ENOSPC))
                << action;
            ASSERT_NE(program->loadedListEditor(), nullptr) << action;
            EXPECT_EQ(c("lblCurrentListNo").caption, "1") << action;
            EXPECT_EQ(items(), (Items {"Old", "New"})) << action;
        }
        EXPECT_EQ(readFile(list(1)), "Old\r\n");
        // The close box with a failing save stays open too.
        messages.answers = {MsgResult::Yes};
        EXPECT_TRUE(program->loadedListEditor()->Form_QueryUnload());
    }
    click("cmdOK");
    EXPECT_EQ(program->loadedListEditor(), nullptr);
    EXPECT_EQ(readFile(list(1)), "Old\r\nNew\r\n");
}

TEST_F(ListEditor, TheCloseBoxAsksOnlyAboutUnsavedItems)
{
    writeFile(list(1), "Old\r\n");
    ListEditorForm &editor = open();
    EXPECT_FALSE(editor.Form_QueryUnload());
    EXPECT_TRUE(messages.shown.empty());

    add("New");
    messages.answers = {MsgResult::Cancel, MsgResult::No};
    EXPECT_TRUE(editor.Form_QueryUnload());
    EXPECT_EQ(messages.shown.back().buttons, MsgButtons::YesNoCancel);
    EXPECT_FALSE(editor.Form_QueryUnload());
    EXPECT_EQ(readFile(list(1)), "Old\r\n");
    messages.answers = {MsgResult::Yes};
    EXPECT_FALSE(editor.Form_QueryUnload());
    EXPECT_EQ(readFile(list(1)), "Old\r\nNew\r\n");
}

TEST_F(ListEditor, AListThatCannotBeReadIsReportedAndNeverDeleted)
{
    writeFile(list(1), "Keep\r\n");
    {
        SystemCalls calls = realSystemCalls();
        calls.open = [real = calls.open](const char *path, int flags, mode_t mode) {
            if (std::string(path).ends_with("List1.txt")) {
                errno = EACCES;
                return -1;
            }
            return real(path, flags, mode);
        };
        ScopedSystemCalls denied(calls);
        open();
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              std::string("A disk error has occurred trying to open the song list\r\n\r\n")
                  + std::strerror(EACCES));
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(items().empty());
    click("cmdOK");
    EXPECT_EQ(program->loadedListEditor(), nullptr);
    EXPECT_EQ(readFile(list(1)), "Keep\r\n");
}

TEST_F(ListEditor, LargeAndForeignListsAreShownSafely)
{
    // A byte order mark is not part of the first item; an item longer than the task list
    // reads back is made current as far as it reads back, never cut inside a character.
    std::string long_ = "x";
    for (int i = 0; i < 200; ++i)
        long_ += "\xC3\xA9"; // é
    writeFile(list(1), "\xEF\xBB\xBFScales\r\n" + long_ + "\r\n");
    open();
    EXPECT_EQ(items(), (Items {"Scales", long_}));
    messages.answers = {MsgResult::Yes};
    select(1);
    select(1, ControlEvent::DblClick);
    EXPECT_EQ(read(group(1).c_str(), "Current Item"), long_.substr(0, 253));
    click("cmdOK");

    // A list far too large for a list box is left alone, also when the user types on.
    std::filesystem::resize_file(list(1), std::uintmax_t {64} << 20);
    messages.shown.clear();
    open();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("too large"), std::string::npos);
    EXPECT_TRUE(items().empty());
    add("Tone");
    EXPECT_TRUE(items().empty());
    click("cmdOK");
    EXPECT_EQ(program->loadedListEditor(), nullptr);
    EXPECT_EQ(std::filesystem::file_size(list(1)), std::uintmax_t {64} << 20);
}

} // namespace
} // namespace tb::test
