// The list file editor's logic, driven through the program's core object as its window
// drives it.

#include "lists/ListEditorForm.h"
#include "lists/Rotation.h"
#include "platform/SafeFile.h"
#include "support/ProgramFixture.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace tb::test {
namespace {

class ListEditor : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        loaded(1);
    }
    void open() { program->dispatch(FormId::Main, "editfilesong", ControlEvent::Click); }
    ListEditorForm &editor() { return *loadedForm<ListEditorForm>(FormId::ListEditor); }
    // The close box: true when the window stays open.
    bool keptOpen()
    {
        EventArgs close;
        program->dispatch(FormId::ListEditor, "frmeditsonglist", ControlEvent::QueryUnload, close);
        return close.cancel;
    }
    ControlState &c(const char *name) { return editor().controls()[name]; }
    std::vector<std::string> &items() { return c("Listsongtitles").items; }
    void click(const char *control, ControlEvent event = ControlEvent::Click)
    {
        program->dispatch(FormId::ListEditor, control, event);
    }
    std::string list(int n) const { return folder.file("List" + std::to_string(n) + ".txt"); }
    std::string stored(const char *key) const { return read("List Group Number 1", key); }
};

TEST_F(ListEditor, TheIntervalStaysBetweenOneAnd32767)
{
    // The stored interval (nullptr: none), the button, what is shown and stored afterwards.
    const std::tuple<const char *, const char *, const char *, const char *> cases[] = {
        {nullptr, "spindaysDown", "1 practice session", "none"},
        {nullptr, "spindaysUp", "2 practice sessions", "2"},
        {"2", "spindaysDown", "1 practice session", "1"},
        {"32767", "spindaysUp", "32767 practice sessions", "32767"},
        {"often", "spindaysUp", "1 practice session", "1"}, // no number: read as 0
    };
    for (const auto &[before, button, shown, after] : cases) {
        SCOPED_TRACE(std::string(before ? before : "none") + ", " + button);
        if (before)
            IniWrite(TaskListFile::listGroupSection(1), "Change Song", before, ini);
        open();
        click(button);
        EXPECT_EQ(c("labdayschange").caption, std::string("Change list item after ") + shown);
        EXPECT_EQ(read("List Group Number 1", "Change Song", "none"), after);
        click("cmdOK");
    }
    // The selection is stored at once, exactly as the rotation reads it.
    open();
    for (const char *option : {"Optionsongselrand", "Optionsongselcron"}) {
        click(option);
        EXPECT_EQ(stored("Change Song Random"), option[13] == 'r' ? "True" : "False");
        EXPECT_TRUE(c(option).checked);
    }
}

// Saving must never cost the user the list: a failed save keeps the window, the list and
// its entries, and the old file stays whole. Edits are written as CR LF lines to the file
// found, whatever the case of its name.
TEST_F(ListEditor, AFailedSaveKeepsTheWindowTheListAndTheOldFile)
{
    const std::string bytes = "Old\n  \r\n\r\n\xC9tude"; // blanks are an entry; Windows-1252
    writeFile(folder.file("list1.txt"), bytes);
    open();
    EXPECT_FALSE(keptOpen()); // nothing to ask about
    click("cmdAdd"); // nothing typed: refused
    c("Listsongtitles").listIndex = 1; // a click picks the entry that adding then replaces
    click("Listsongtitles");
    c("txtsongentry").text = "New";
    click("cmdAdd");
    SystemCalls calls = realSystemCalls();
    calls.rename = failWith(ENOSPC);
    std::optional<ScopedSystemCalls> full(std::in_place, calls);
    messages.defaultAnswer = MsgResult::Yes;
    for (const char *action : {"cmdOK", "SpinListNumberUp", "FileExit"})
        click(action);
    ASSERT_NE(program->form(FormId::ListEditor), nullptr);
    EXPECT_TRUE(keptOpen()); // Yes, save: that fails too
    full.reset();
    ASSERT_EQ(messages.shown.size(), 6u); // the refusal, four failures and the question
    EXPECT_NE(messages.shown[1].text.find(std::strerror(ENOSPC)), std::string::npos);
    EXPECT_EQ(c("lblCurrentListNo").caption, "1");
    EXPECT_EQ(items(), (std::vector<std::string> {"Old", "New", "\xC9tude"}));
    EXPECT_EQ(readFile(folder.file("list1.txt")), bytes);
    EXPECT_FALSE(keptOpen());
    EXPECT_EQ(readFile(folder.file("list1.txt")), "Old\r\nNew\r\n\xC9tude\r\n");
    EXPECT_FALSE(std::filesystem::exists(list(1)));
}

TEST_F(ListEditor, TheCurrentItemAndForeignOrOversizedListsAreHandledSafely)
{
    // A byte order mark is no part of the first item; an item made current is cut where the
    // task list reads it back, never inside a character.
    std::string long_ = "x";
    for (int i = 0; i < 200; ++i)
        long_ += "\xC3\xA9"; // é
    writeFile(list(1), "\xEF\xBB\xBFScales\r\n" + long_ + "\r\n");
    IniWrite("History", "Sessions Completed", "7", ini);
    open();
    EXPECT_EQ(items(), (std::vector<std::string> {"Scales", long_}));
    messages.defaultAnswer = MsgResult::Yes;
    c("Listsongtitles").listIndex = 1;
    click("Listsongtitles", ControlEvent::DblClick);
    EXPECT_EQ(stored("Current Item"), long_.substr(0, 253));
    EXPECT_EQ(stored("Last Change Session Number"), "7"); // the rotation counts from now
    EXPECT_EQ(c("TextCurrentSong").text, long_.substr(0, 253));
    // Moved on by another program, or by the rotation: shown at the next event.
    IniWrite(TaskListFile::listGroupSection(1), "Current Item", "Scales", ini);
    program->dispatch(FormId::Main, "timemaintime", ControlEvent::Timer);
    EXPECT_EQ(c("TextCurrentSong").text, "Scales");
    for (int i = 0; i < 2; ++i) { // the last item deleted: the file, not the current item
        c("Listsongtitles").listIndex = 0;
        click("cmdDelete");
    }
    EXPECT_FALSE(std::filesystem::exists(list(1)));
    EXPECT_EQ(stored("Current Item"), "Scales");
    std::filesystem::create_directory(list(2)); // a list that cannot be read is said
    click("SpinListNumberUp");
    EXPECT_NE(messages.shown.back().text.find("open the song list"), std::string::npos);
    click("cmdOK");

    // A list far too large for a list box is left alone, also when the user types on.
    writeFile(list(1), "");
    std::filesystem::resize_file(list(1), std::uintmax_t {64} << 20);
    messages.shown.clear();
    open();
    EXPECT_NE(messages.shown.at(0).text.find("too large"), std::string::npos);
    c("txtsongentry").text = "Tone";
    click("cmdAdd");
    EXPECT_TRUE(items().empty());
    click("cmdOK");
    EXPECT_EQ(std::filesystem::file_size(list(1)), std::uintmax_t {64} << 20);
}

// By keys alone: Delete and then Delete again takes the items in a row, Ctrl+Enter makes the
// selected one current.
TEST_F(ListEditor, ItemsAreDeletedInARowAndMadeCurrentByKeys)
{
    writeFile(list(1), "A\r\nB\r\nC\r\n");
    open();
    messages.defaultAnswer = MsgResult::Yes;
    const auto key = [this](Key which, bool control) {
        EventArgs args;
        args.key = which;
        args.control = control;
        program->dispatch(FormId::ListEditor, "frmeditsonglist", ControlEvent::KeyDown, args);
    };
    c("Listsongtitles").listIndex = 0;
    click("Listsongtitles");
    key(Key::Delete, false);
    EXPECT_EQ(items(), (std::vector<std::string> {"B", "C"}));
    EXPECT_EQ(c("Listsongtitles").listIndex, 0) << "the next item, now the first";
    EXPECT_EQ(c("txtsongentry").text, "B");
    key(Key::Enter, true);
    EXPECT_EQ(stored("Current Item"), "B");
    c("Listsongtitles").listIndex = 1;
    key(Key::Delete, false);
    EXPECT_EQ(c("Listsongtitles").listIndex, 0) << "the last gone: the one before it";
    EXPECT_EQ(messages.shown.size(), 3u);
}

// A list another program changed since it was opened here is saved over only when the user
// says so; otherwise the file keeps the other program's list.
TEST_F(ListEditor, AListChangedElsewhereIsSavedOverOnlyWhenTheUserSaysSo)
{
    for (const MsgResult answer : {MsgResult::Yes, MsgResult::No, MsgResult::Cancel}) {
        writeFile(list(1), "Old A\r\nOld B\r\n");
        open();
        c("txtsongentry").text = "Editor item";
        click("cmdAdd");
        ASSERT_TRUE(writeFileAtomically(list(1), "External X\r\nExternal Y\r\n"));
        messages.shown.clear();
        messages.answers = {answer};
        click("cmdOK");
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_NE(messages.shown[0].text.find(list(1)), std::string::npos);
        const bool overwritten = answer == MsgResult::Yes;
        EXPECT_EQ(readFile(list(1)),
                  overwritten ? "Old A\r\nOld B\r\nEditor item\r\n"
                              : "External X\r\nExternal Y\r\n");
        ASSERT_EQ(program->form(FormId::ListEditor) == nullptr, overwritten);
        if (overwritten)
            continue;
        const std::vector<std::string> external {"External X", "External Y"};
        const std::vector<std::string> mine {"Old A", "Old B", "Editor item"};
        EXPECT_EQ(items(), answer == MsgResult::No ? external : mine);
        program->unload(FormId::ListEditor);
    }
}

} // namespace
} // namespace tb::test
