// The task list editor's logic, opened from the main window's menu and driven through the
// program's core object as the window drives it.

#include "platform/SafeFile.h"
#include "support/ProgramFixture.h"
#include "taskeditor/TaskEditorForm.h"

#include <cerrno>
#include <cstring>

namespace tb::test {
namespace {

class TaskEditor : public ProgramFixture
{
protected:
    // Starts the program on `content` and opens the editor from the main window's menu.
    void open(const std::string &content)
    {
        ini = folder.file("tasks.ini");
        writeFile(ini, content);
        useSettingsFile(ini);
        EXPECT_TRUE(makeForm().Form_Load());
        program->dispatch(FormId::Main, "fileedit", ControlEvent::Click);
    }
    // Tasks 1 to `tasks` holding "t.1"; task 1 holds "1.1" to "1.<firstTaskDescriptions>".
    void openList(int tasks, int firstTaskDescriptions = 1)
    {
        std::string content = "[TotalTime]\r\nTime=1\r\n";
        for (int t = 1; t <= tasks; ++t) {
            content += "[Task" + std::to_string(t) + "]\r\n";
            for (int d = 1; d <= (t == 1 ? firstTaskDescriptions : 1); ++d)
                content += "description" + std::to_string(d) + "=" + std::to_string(t) + "."
                    + std::to_string(d) + "\r\n";
        }
        open(content);
    }
    ControlState &c(const char *name)
    {
        return loadedForm<TaskEditorForm>(FormId::TaskEditor)->controls()[name];
    }
    void click(const char *control, int times = 1, ControlEvent event = ControlEvent::Click)
    {
        for (int i = 0; i < times; ++i)
            program->dispatch(FormId::TaskEditor, control, event);
    }
    // Text typed into the description box.
    void type(const std::string &text)
    {
        c("txtdescription").text = text;
        click("txtdescription", 1, ControlEvent::Change);
    }
    std::string shown() { return c("txtdescription").text; }
    std::string position() { return c("lblTaskNum").caption + "." + c("lblAltTaskNum").caption; }
    std::string cell(int t, int d)
    {
        return loadedForm<TaskEditorForm>(FormId::TaskEditor)->table().cell(t, d);
    }
    // Since the last call: Q for each question shown, E for each refusal or failure.
    std::string asked()
    {
        std::string kinds;
        for (const ShownMessage &m : std::exchange(messages.shown, {}))
            kinds += m.buttons == MsgButtons::Ok ? 'E' : 'Q';
        return kinds;
    }
};

TEST_F(TaskEditor, ReadsAndSavesPackedEmptyingOldKeysAndLeavingTheRestAlone)
{
    const std::string content
        = "; my horn practice\r\n[Task1]\r\ndescription1=\r\n[Task2]\r\n[Task3]\r\n"
          "description1 = Long tones\r\ndescription4=Lip slurs\r\ndescription5=Drop me\r\n"
          "[Task4]\r\ndescription1=Two\r\n[Alternatetask]\r\nTask3=2\r\n[TotalTime]\r\nTime=2\r\n";
    open(content);
    click("alttaskspinUp", 2);
    click("TaskDelete");
    click("TaskspinUp");
    type("Scales\nArpeggios\r\n"); // a settings line holds no break
    click("TaskInsertTask"); // an empty task, left empty
    form->currenttask = 3;

    // A failed save, or a file that cannot be read to save over, is named; the edits and
    // the old file stay whole.
    for (const int error : {ENOSPC, EIO}) {
        SystemCalls calls = realSystemCalls();
        if (error == EIO)
            calls.read = failWith(error);
        else
            calls.write = failWith(error);
        const ScopedSystemCalls failing(calls);
        click("cmdOK");
        const std::vector<ShownMessage> said = std::exchange(messages.shown, {});
        ASSERT_EQ(said.size(), 1u);
        EXPECT_NE(said[0].text.find(ini + "\r\n\r\n" + std::strerror(error)), std::string::npos);
        EXPECT_EQ(readFile(ini), content);
    }
    click("cmdOK");
    EXPECT_EQ(
        readFile(ini),
        "; my horn practice\r\n[Task1]\r\ndescription1=Long tones\r\ndescription2=Lip "
        "slurs\r\n[Task2]\r\ndescription1=Scales%CR%Arpeggios%CR%\r\n[Task3]\r\ndescription1 = "
        "\r\ndescription4=\r\ndescription5=\r\n[Task4]\r\ndescription1=\r\n"
        "[Alternatetask]\r\nTask3=2\r\n[TotalTime]\r\nTime=2\r\n");
    EXPECT_EQ(form->totaltasks, 3); // the main window counts the saved list at once
    EXPECT_EQ(form->currenttask, 1);
}

TEST_F(TaskEditor, MovingToAnotherTaskOrTextIsAChangeThatCancelAsksAbout)
{
    const std::tuple<int, const char *, int, const char *, bool> cases[] = {
        {2, "TaskspinDown", 0, "1.1", false},    {2, "TaskspinDown", 1, "1.1", false},
        {2, "alttaskspinDown", 1, "1.1", false}, {2, "alttaskspinUp", 1, "1.2", true},
        {0, "alttaskspinUp", 3, "1.4", false},   {0, "TaskspinUp", 1, "2.1", true},
        {2, "TaskspinUp", 9, "9.1", true},       {2, "alttaskspinUp", 9, "1.9", true},
    };
    for (const auto &[tasks, control, times, at, asks] : cases) {
        SCOPED_TRACE(std::to_string(times) + " " + control);
        openList(tasks);
        click(control, times);
        EXPECT_EQ(position(), at);
        click("cmdcancel"); // the scripted answer is no Yes
        EXPECT_EQ(asked(), asks ? "Q" : "");
        EXPECT_EQ(program->form(FormId::TaskEditor) != nullptr, asks);
    }
}

TEST_F(TaskEditor, InsertingAsksBeforeTheNinthEntryIsLostAndRefusesAtTheNinth)
{
    openList(9, 9);
    messages.answers = {MsgResult::No, MsgResult::Yes, MsgResult::Yes, MsgResult::Ok};
    messages.defaultAnswer = MsgResult::Yes;
    click("TaskInsertTask"); // task 9 would be lost: No, then Yes
    click("TaskInsertTask");
    click("TaskspinUp");
    click("alttaskspinUp");
    click("TaskInsertAlt"); // description 9 would be lost: Yes
    EXPECT_EQ(cell(1, 1) + "|" + cell(2, 1) + "|" + cell(9, 1), "|1.1|8.1");
    EXPECT_EQ(shown() + "|" + cell(2, 3) + "|" + cell(2, 9), "|1.2|1.8");
    click("alttaskspinUp", 7);
    click("TaskInsertAlt"); // at description 9: refused at once
    click("TaskspinUp", 7);
    click("TaskInsertTask"); // at task 9, which is in use: asked first, then refused
    EXPECT_EQ(asked(), "QQQEQE");
    EXPECT_EQ(cell(9, 1), "8.1");
    // With the ninth entries free nothing is asked.
    openList(2, 2);
    click("TaskInsertAlt");
    click("TaskInsertTask");
    EXPECT_EQ(asked(), "");
    EXPECT_EQ(cell(2, 1) + "|" + cell(2, 3) + "|" + cell(3, 1), "|1.2|2.1");
}

// Descriptions another program changed since they were opened here are saved over only when
// the user says so. What the session writes meanwhile (where the next session starts, which
// alternate comes next) is no such change.
TEST_F(TaskEditor, TasksChangedElsewhereAreSavedOverOnlyWhenTheUserSaysSo)
{
    for (const MsgResult answer : {MsgResult::Yes, MsgResult::No, MsgResult::Cancel}) {
        SCOPED_TRACE(static_cast<int>(answer));
        openList(2);
        type("Mine");
        IniWrite("task1", "Alternatetask", "2", ini);
        IniWrite("currenttask", "number", "2", ini);
        IniWrite("Task2", "description1", "Theirs", ini);
        messages.answers = {answer};
        click("cmdOK");
        EXPECT_EQ(asked(), "Q");
        const bool overwritten = answer == MsgResult::Yes;
        EXPECT_EQ(read("Task1", "description1") + " " + read("Task2", "description1"),
                  overwritten ? "Mine 2.1" : "1.1 Theirs");
        ASSERT_EQ(program->form(FormId::TaskEditor) == nullptr, overwritten);
        if (!overwritten) {
            EXPECT_EQ(shown(), answer == MsgResult::No ? "1.1" : "Mine");
            program->unload(FormId::TaskEditor);
        }
    }
    program->dispatch(FormId::Main, "fileedit", ControlEvent::Click);
    type("Mine");
    IniWrite("task1", "Alternatetask", "4", ini);
    click("cmdOK");
    EXPECT_EQ(asked(), "") << "the session's own entries are no change of the tasks";
}

// A description holds what the task list reads back: 254 bytes as written. Typing, pasting
// and markers beyond that are refused whole, and the text comes back as it was saved.
TEST_F(TaskEditor, ADescriptionTakesWhatTheFileReadsBackAndNoMore)
{
    // A Cyrillic letter of two bytes, a Chinese one of three, and a plain one: typed, and kept.
    for (const auto &[letter, typed, kept] :
         {std::tuple<const char *, std::size_t, std::size_t> {"\xD0\x96", 130, 127},
          {"\xE9\x9F\xB3", 85, 84},
          {"a", 300, 254}}) {
        SCOPED_TRACE(typed);
        openList(1);
        click("TaskDelete");
        std::string whole;
        for (std::size_t i = 0; i < typed; ++i) { // typed at the end, one by one
            c("txtdescription").selStart = static_cast<int>(shown().size() + strlen(letter));
            type(shown() + letter);
            whole += i < kept ? letter : "";
        }
        EXPECT_TRUE(shown() == whole) << shown().size();
        EXPECT_EQ(c("txtdescription").selStart, static_cast<int>(whole.size()));
        click("cmdOK");
        program->dispatch(FormId::Main, "fileedit", ControlEvent::Click);
        EXPECT_TRUE(shown() == whole) << "reopened whole: " << shown().size();
        click("cmdcancel");
    }
    // At the limit: a marker and a pasted line break that would pass it are refused; a paste
    // that fits exactly is taken.
    openList(1);
    messages.beeps = 0;
    const std::string full(251, 'x');
    type(full);
    c("txtdescription").selStart = 251;
    click("insertnote");
    type(full + "\r\n");
    EXPECT_TRUE(shown() == full);
    EXPECT_EQ(messages.beeps, 2);
    type(full + "abc");
    EXPECT_EQ(shown().size(), 254u);
}

// The box shows the file's length and rules the session when it is left with another entry;
// only Ok writes it, and only when it was chosen here. A length picked in the main window's
// menu is for the run: the box does not take it over, and Ok does not write it.
TEST_F(TaskEditor, TheSessionLengthRulesTheSessionOnLeavingTheBoxAndTheFileByOk)
{
    // A stored length that names no entry is shown as the session takes it.
    open("[Task1]\r\ndescription1=Scales\r\n[TotalTime]\r\nTime=42\r\n");
    EXPECT_EQ(c("cbtotaltime").listIndex, 9);
    click("cmdcancel");
    IniWrite("TotalTime", "Time", "4.5", ini); // 4.5 rounds to the even 4
    program->dispatch(FormId::Main, "fileedit", ControlEvent::Click);
    EXPECT_EQ(c("cbtotaltime").listIndex, 4);

    program->dispatch(FormId::Main, "Timemenu_7", ControlEvent::Click);
    EXPECT_EQ(c("cbtotaltime").listIndex, 4) << "the menu's choice is not the file's";
    click("cbtotaltime", 1, ControlEvent::LostFocus); // passed through unchanged
    EXPECT_EQ(form->delay, 4800) << "and it does not undo the menu's choice";
    click("cmdcancel");
    EXPECT_EQ(asked(), "") << "nothing was changed";

    program->dispatch(FormId::Main, "fileedit", ControlEvent::Click);
    c("cbtotaltime").listIndex = 5;
    click("alttaskspinUp"); // the entry chosen is kept while the user moves on
    EXPECT_EQ(c("cbtotaltime").listIndex, 5);
    click("cbtotaltime", 1, ControlEvent::LostFocus);
    EXPECT_EQ(form->delay, 3600); // 60 minutes for its one task, at once
    messages.defaultAnswer = MsgResult::Yes;
    click("cmdcancel");
    EXPECT_EQ(asked(), "Q");
    EXPECT_EQ(read("TotalTime", "Time"), "4.5");

    for (const bool choose : {false, true}) {
        program->dispatch(FormId::Main, "fileedit", ControlEvent::Click);
        type("Scales and chords");
        if (choose) {
            c("cbtotaltime").listIndex = 3;
            click("cbtotaltime", 1, ControlEvent::LostFocus);
        }
        click("cmdOK");
        EXPECT_EQ(read("TotalTime", "Time"), choose ? "3" : "4.5");
    }
}

} // namespace
} // namespace tb::test
