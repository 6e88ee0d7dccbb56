// The list file editor's logic, driven through the program's core object as its window
// drives it.

#include "lists/ListEditorForm.h"
#include "lists/Rotation.h"
#include "settings/SafeFile.h"
#include "support/ProgramFixture.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace tb::test {
namespace {

using Items = std::vector<std::string>;
constexpr const char *kNoSong = "*** No Song Currently Selected ***";

class ListEditor : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        loaded(1);
    }
    ListEditorForm &open()
    {
        program->dispatch(FormId::Main, "editfilesong", ControlEvent::Click);
        return editor();
    }
    ListEditorForm &editor() { return *program->loadedListEditor(); }
    ControlState &c(const char *name) { return editor().controls()[name]; }
    Items &items() { return c("Listsongtitles").items; }
    void click(const char *control, ControlEvent event = ControlEvent::Click)
    {
        program->dispatch(FormId::ListEditor, control, event);
    }
    void select(int index, ControlEvent event = ControlEvent::Click)
    {
        c("Listsongtitles").listIndex = index;
        click("Listsongtitles", event);
    }
    void add(const std::string &text)
    {
        c("txtsongentry").text = text;
        click("cmdAdd");
    }
    std::string list(int n) const { return folder.file("List" + std::to_string(n) + ".txt"); }
    std::string stored(const char *key, int n = 1) const
    {
        return IniRead(listGroupSection(n), key, ini, "");
    }
};

TEST_F(ListEditor, EditsStayInTheListBoxUntilSavedAsCrLfLinesOfTheFileFound)
{
    // Mixed line ends, blanks, an empty line, a Windows-1252 item, a lower-case file name.
    const std::string bytes = "Scales\n  \r\n\r\n\xC9tude\rTone";
    writeFile(folder.file("list1.txt"), bytes);
    IniWrite(listGroupSection(1), "Current Item", "Tone", ini);
    open();
    EXPECT_EQ(c("TextCurrentSong").text, "Tone");
    EXPECT_EQ(items(), (Items {"Scales", "  ", "\xC9tude", "Tone"}));
    click("cmdAdd"); // nothing typed: refused
    add("Chords");
    select(1); // a click copies the entry into the text box; adding then replaces it
    EXPECT_EQ(c("txtsongentry").text, "  ");
    add("\xC3\x89tude");
    messages.answers = {MsgResult::No, MsgResult::Yes};
    select(0);
    editor().Form_KeyDown(ListEditorForm::vbKeyDelete); // asks first
    click("cmdDelete");
    c("txtsongentry").text = "Last";
    editor().Form_KeyDown(ListEditorForm::vbKeyReturn);
    EXPECT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(readFile(folder.file("list1.txt")), bytes);
    click("FileExit");
    EXPECT_EQ(program->loadedListEditor(), nullptr);
    EXPECT_EQ(readFile(folder.file("list1.txt")),
              "\xC3\x89tude\r\n\xC9tude\r\nTone\r\nChords\r\nLast\r\n");
    EXPECT_FALSE(std::filesystem::exists(list(1)));
}

TEST_F(ListEditor, TheIntervalStaysBetweenOneAnd32767)
{
    // The stored interval (nullptr: none), the button, what is shown and stored afterwards.
    const std::tuple<const char *, const char *, const char *, const char *> cases[] = {
        {nullptr, "spindaysDown", "1 practice session", nullptr},
        {nullptr, "spindaysUp", "2 practice sessions", "2"},
        {"2", "spindaysDown", "1 practice session", "1"},
        {"32767", "spindaysUp", "32767 practice sessions", "32767"},
        {"often", "spindaysUp", "1 practice session", "1"}, // no number: read as 0
    };
    for (const auto &[before, button, shown, after] : cases) {
        SCOPED_TRACE(std::string(before ? before : "none") + ", " + button);
        if (before)
            IniWrite(listGroupSection(1), "Change Song", before, ini);
        open();
        click(button);
        EXPECT_EQ(c("labdayschange").caption, std::string("Change list item after ") + shown);
        EXPECT_EQ(iniReadRaw(listGroupSection(1), "Change Song", ini),
                  after ? std::optional<std::string>(after) : std::nullopt);
        click("cmdOK");
    }
}

TEST_F(ListEditor, SwitchingSavesTheListLeftAndShowsTheNextWithItsSettings)
{
    IniWrite(listGroupSection(2), "Change Song", "5", ini);
    IniWrite(listGroupSection(2), "Change Song Random", "True", ini);
    IniWrite(listGroupSection(3), "Current Item", "Gone", ini);
    writeFile(list(2), "Waltz\r\n");
    open();
    add("A");
    c("txtsongentry").text = "half typed";
    click("SpinListNumberUp");
    EXPECT_EQ(readFile(list(1)), "A\r\n");
    EXPECT_EQ(c("lblCurrentListNo").caption, "2");
    EXPECT_EQ(items(), Items {"Waltz"});
    EXPECT_EQ(c("txtsongentry").text, "");
    EXPECT_EQ(c("labdayschange").caption, "Change list item after 5 practice sessions");
    EXPECT_TRUE(c("Optionsongselrand").checked);
    click("Optionsongselcron"); // stored for the list shown
    EXPECT_EQ(stored("Change Song Random", 2), "False");
    EXPECT_FALSE(c("Optionsongselrand").checked);

    click("SpinListNumberUp"); // no list file: its stored item is not shown
    EXPECT_EQ(c("TextCurrentSong").text, kNoSong);
    add("New");
    click("SpinListNumberDown");
    EXPECT_EQ(readFile(list(3)), "New\r\n"); // the name the rotation looks for

    for (int n = 0; n < 8; ++n) // to 9, then a beep
        click("SpinListNumberUp");
    EXPECT_EQ(c("lblCurrentListNo").caption, "9");
    for (int n = 0; n < 9; ++n) // to 1, then a beep
        click("SpinListNumberDown");
    EXPECT_EQ(c("lblCurrentListNo").caption, "1");
    EXPECT_EQ(messages.beeps, 2);
    EXPECT_EQ(items(), Items {"A"});
}

TEST_F(ListEditor, TheCurrentItemIsReadAgainOnlyAfterATaskTextWasComposed)
{
    writeFile(list(1), "A\r\nB\r\n");
    open();
    IniWrite(listGroupSection(1), "Current Item", "B", ini);
    program->afterEvent();
    EXPECT_EQ(c("TextCurrentSong").text, kNoSong) << "a tick alone reads nothing";
    form->getnexttask(1);
    program->afterEvent();
    EXPECT_EQ(c("TextCurrentSong").text, "B");

    // Deleting the last item deletes the file, not the current item.
    messages.defaultAnswer = MsgResult::Yes;
    for (int i = 0; i < 2; ++i) {
        select(0);
        click("cmdDelete");
    }
    EXPECT_FALSE(std::filesystem::exists(list(1)));
    EXPECT_EQ(stored("Current Item"), "B");
    EXPECT_EQ(c("TextCurrentSong").text, "B");

    // Another task list chosen elsewhere: its settings are shown.
    const std::string other = folder.file("other.ini");
    IniWrite(listGroupSection(1), "Change Song", "4", other);
    form->inifilename = other;
    program->afterEvent();
    EXPECT_EQ(c("labdayschange").caption, "Change list item after 4 practice sessions");
}

// Saving must never cost the user the list: a failed save keeps the window, the list and
// its entries, and the old file stays whole.
TEST_F(ListEditor, AFailedSaveKeepsTheWindowAndItsEntriesAndTheCloseBoxAsksFirst)
{
    writeFile(list(1), "Old\r\n");
    ListEditorForm &shown = open();
    EXPECT_FALSE(shown.Form_QueryUnload()); // nothing to ask about
    add("New");
    messages.answers = {MsgResult::Cancel, MsgResult::No};
    EXPECT_TRUE(shown.Form_QueryUnload());
    EXPECT_FALSE(shown.Form_QueryUnload());
    {
        SystemCalls calls = realSystemCalls();
        calls.rename = [](const char *, const char *) {
            errno = ENOSPC;
            return -1;
        };
        ScopedSystemCalls full(calls);
        for (const char *action : {"cmdOK", "SpinListNumberUp", "FileExit"}) {
            SCOPED_TRACE(action);
            click(action);
            EXPECT_EQ(messages.shown.back().text,
                      std::string("A disk error has occurred trying to save this list file\r\n\r\n")
                          + std::strerror(ENOSPC));
            ASSERT_NE(program->loadedListEditor(), nullptr);
            EXPECT_EQ(c("lblCurrentListNo").caption, "1");
            EXPECT_EQ(items(), (Items {"Old", "New"}));
        }
        messages.answers = {MsgResult::Yes};
        EXPECT_TRUE(shown.Form_QueryUnload());
        EXPECT_EQ(messages.shown.size(), 7u); // a question and its failure last
    }
    EXPECT_EQ(readFile(list(1)), "Old\r\n");
    messages.answers = {MsgResult::Yes};
    EXPECT_FALSE(shown.Form_QueryUnload());
    EXPECT_EQ(readFile(list(1)), "Old\r\nNew\r\n");
}

TEST_F(ListEditor, AListThatCannotBeReadIsReportedAndNeverDeleted)
{
    writeFile(list(1), "Keep\r\n");
    {
        SystemCalls calls = realSystemCalls();
        calls.open = [real = calls.open](const char *path, int flags, mode_t mode) {
            errno = EACCES;
            return std::string(path).ends_with("List1.txt") ? -1 : real(path, flags, mode);
        };
        ScopedSystemCalls denied(calls);
        open();
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              std::string("A disk error has occurred trying to open the song list\r\n\r\n")
                  + std::strerror(EACCES));
    EXPECT_TRUE(items().empty());
    click("cmdOK");
    EXPECT_EQ(program->loadedListEditor(), nullptr);
    EXPECT_EQ(readFile(list(1)), "Keep\r\n");
}

TEST_F(ListEditor, ForeignAndOversizedListsAreHandledSafely)
{
    // A byte order mark is no part of the first item; an item made current is cut where the
    // task list reads it back, never inside a character.
    std::string long_ = "x";
    for (int i = 0; i < 200; ++i)
        long_ += "\xC3\xA9"; // é
    writeFile(list(1), "\xEF\xBB\xBFScales\r\n" + long_ + "\r\n");
    IniWrite("History", "Sessions Completed", "7", ini);
    open();
    EXPECT_EQ(items(), (Items {"Scales", long_}));
    messages.answers = {MsgResult::No, MsgResult::Yes};
    select(1, ControlEvent::DblClick); // No: nothing changes
    EXPECT_EQ(stored("Current Item"), "");
    select(1, ControlEvent::DblClick);
    EXPECT_EQ(stored("Current Item"), long_.substr(0, 253));
    EXPECT_EQ(stored("Last Change Session Number"), "7"); // the rotation counts from now
    EXPECT_EQ(c("TextCurrentSong").text, long_.substr(0, 253));
    click("cmdOK");

    // A list far too large for a list box is left alone, also when the user types on.
    std::filesystem::resize_file(list(1), std::uintmax_t {64} << 20);
    messages.shown.clear();
    open();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("too large"), std::string::npos);
    add("Tone");
    EXPECT_TRUE(items().empty());
    click("cmdOK");
    EXPECT_EQ(program->loadedListEditor(), nullptr);
    EXPECT_EQ(std::filesystem::file_size(list(1)), std::uintmax_t {64} << 20);
}

} // namespace
} // namespace tb::test
