// The windows' logic together, through the program's core object as the windows drive it:
// sequences of user events across windows and what they must leave in the files and on
// screen. One task list in use, one owner of it: no edit lands in a list it was not loaded
// from, a running session is never moved, no window shows another list's state.

#include "support/ProgramFixture.h"
#include "taskeditor/TaskEditorForm.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <thread>

namespace tb::test {
namespace {

class Scenario : public ProgramFixture
{
protected:
    // Lists A (three tasks, started from task 3 last time, screen saver held off) and B (two
    // tasks, the first with an alternate, started from task 1), the program on A.
    void begin()
    {
        for (const std::string &file : {a, b, folder.file("Morning.ini")})
            std::filesystem::remove(file);
        writeTasks(a, 3, "A");
        IniWrite("currenttask", "number", "3", a);
        IniWrite("options", "disable ScreenSaver", "True", a);
        writeTasks(b, 2, "B");
        IniWrite("Task1", "description2", "B1 again", b);
        IniWrite("currenttask", "number", "1", b);
        ini = a;
        useSettingsFile(a);
        ASSERT_TRUE(makeForm("testmode").Form_Load());
        messages = {};
        chooser = {};
        screenSaver.calls.clear();
    }
    void click(FormId id, const char *control, ControlEvent event = ControlEvent::Click)
    {
        program->dispatch(id, control, event);
    }
    // Clicks in a window, in turn.
    void clicks(std::initializer_list<const char *> controls, FormId id = FormId::Main)
    {
        for (const char *control : controls)
            click(id, control);
    }
    ControlState &at(FormId id, const char *name) { return program->form(id)->controls()[name]; }
    TaskEditorForm *editor() { return loadedForm<TaskEditorForm>(FormId::TaskEditor); }
    // Another list chosen in the main window's File menu.
    void openInMain(const std::string &file)
    {
        chooser.answers = {file};
        click(FormId::Main, "fileopen");
    }
    std::string title() { return at(FormId::TaskEditor, "frmeditfile").caption; }
    // The first task's description in a list.
    std::string first(const std::string &in) { return IniRead("task1", "description1", in, ""); }

    const std::string a = folder.file("A.ini"), b = folder.file("B.ini");
};

TEST_F(Scenario, WindowsAgreeOnTheTaskListInUse)
{
    const std::function<void()> rows[] = {
        [&] {
            SCOPED_TRACE("editor open, another list opened, a spin, Ok: each keeps its own");
            const std::string before = readFile(a);
            click(FormId::Main, "fileedit");
            openInMain(b);
            EXPECT_EQ(title(), "Tallybell - B");
            EXPECT_EQ(at(FormId::TaskEditor, "txtdescription").text, "B1");
            clicks({"TaskspinUp", "cmdOK"}, FormId::TaskEditor);
            EXPECT_EQ(readFile(a), before);
            EXPECT_EQ(IniRead("task1", "description2", b, ""), "B1 again");
            EXPECT_TRUE(messages.shown.empty());
        },
        [&] {
            SCOPED_TRACE("edits, another list opened: kept on their own list, by the answer");
            for (const MsgResult answer : {MsgResult::Yes, MsgResult::No, MsgResult::Cancel}) {
                begin();
                click(FormId::Main, "fileedit");
                at(FormId::TaskEditor, "txtdescription").text = "A1, slowly";
                click(FormId::TaskEditor, "txtdescription", ControlEvent::Change);
                messages.answers = {answer};
                openInMain(b);
                ASSERT_EQ(messages.shown.size(), 1u);
                EXPECT_EQ(first(a), answer == MsgResult::Yes ? "A1, slowly" : "A1");
                EXPECT_EQ(editor()->fileName(), answer == MsgResult::Cancel ? a : b);
                if (answer != MsgResult::Cancel)
                    continue;
                EXPECT_EQ(title(), "Tallybell - A (not the task list in use)");
                click(FormId::TaskEditor, "cmdOK");
                EXPECT_EQ(first(a) + ", " + first(b), "A1, slowly, B1");
            }
        },
        [&] {
            SCOPED_TRACE("a new list made while the editor is open: it gets no tasks");
            clicks({"fileedit", "optionsalm"});
            chooser.answers = {folder.file("Morning")};
            click(FormId::Options, "cmdnewtaskfile");
            EXPECT_EQ(title(), "Tallybell - Morning");
            clicks({"TaskspinUp", "cmdOK"}, FormId::TaskEditor);
            EXPECT_EQ(TaskListFile(folder.file("Morning.ini")).countTasks(), 0);
            EXPECT_EQ(ctl("lblStartFrom"), "1");
        },
        [&] {
            SCOPED_TRACE("File > New in the editor, backed out of: the edits stay");
            click(FormId::Main, "fileedit");
            at(FormId::TaskEditor, "txtdescription").text = "A1, slowly";
            click(FormId::TaskEditor, "txtdescription", ControlEvent::Change);
            click(FormId::TaskEditor, "filenew"); // the chooser is cancelled
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_EQ(at(FormId::TaskEditor, "txtdescription").text, "A1, slowly");
            click(FormId::TaskEditor, "cmdOK");
            EXPECT_EQ(first(a), "A1, slowly");
        },
        [&] {
            SCOPED_TRACE("the editor's Ok during a session: the session goes on");
            clicks({"startfromspinDown", "startfromspinDown", "fileedit", "cmdstartstop"});
            tick(10); // task 1 is over
            EXPECT_EQ(ctl("txtmessage"), "A2");
            click(FormId::TaskEditor, "cmdOK");
            tick(10);
            EXPECT_EQ(ctl("txtmessage"), "A3");
        },
        [&] {
            SCOPED_TRACE("options open before Start: the list is locked until Stop");
            clicks({"optionsalm", "fileedit"});
            EXPECT_TRUE(at(FormId::Options, "cmdselecttaskfile").enabled);
            click(FormId::Main, "cmdstartstop");
            for (const char *step : {"started", "paused"}) {
                for (const char *name : {"cmdselecttaskfile", "cmdnewtaskfile", "txttasklist"})
                    EXPECT_FALSE(at(FormId::Options, name).enabled) << name << ", " << step;
                EXPECT_FALSE(at(FormId::TaskEditor, "fileopen").enabled) << step;
                chooser.answers = {b, folder.file("Morning")};
                clicks({"cmdselecttaskfile", "cmdnewtaskfile"}, FormId::Options);
                EXPECT_TRUE(chooser.asked.empty()) << "refused before any dialog";
                EXPECT_EQ(list().inifilename(), a);
                click(FormId::Main, "cmdpause");
            }
            click(FormId::Main, "cmdstartstop");
            EXPECT_TRUE(at(FormId::Options, "cmdselecttaskfile").enabled);
            EXPECT_TRUE(at(FormId::TaskEditor, "fileopen").enabled);
        },
        [&] {
            SCOPED_TRACE("the screen saver's hold ends with the session, whatever the option");
            for (const bool completed : {false, true}) {
                begin();
                click(FormId::Main, "cmdstartstop");
                list().setDisabless(false); // changed while counting, by any way
                if (completed)
                    tick(30);
                else
                    click(FormId::Main, "cmdstartstop");
                EXPECT_EQ(screenSaver.calls, (std::vector<std::string> {"blank", "restore"}));
            }
            // On, and off again while paused.
            clicks({"optionScreenSave", "cmdstartstop", "cmdpause", "optionScreenSave", "cmdpause",
                    "cmdstartstop"});
            EXPECT_EQ(screenSaver.calls.size(), 4u);
        },
        [&] {
            SCOPED_TRACE("another list: its start task, shown and stepped from");
            EXPECT_EQ(ctl("lblStartFrom"), "3");
            openInMain(b);
            EXPECT_EQ(ctl("lblStartFrom") + " " + ctl("lblTimer"), "1 00:10");
            clicks({"startfromspinUp", "startfromspinUp", "startfromspinUp"}); // B has two tasks
            EXPECT_EQ(ctl("lblStartFrom"), "2");
            clicks({"startfromspinDown", "cmdstartstop"});
            EXPECT_EQ(ctl("txtmessage"), "B1");
        },
    };
    for (const auto &row : rows) {
        begin();
        row();
    }
}

// The core object: windows unloaded by their own handlers, opened again, every loaded
// window's logic refreshed after each event.
TEST_F(Scenario, WindowsAreUnloadedAfterTheirHandlerAndEveryLoadedOneIsRefreshed)
{
    begin();
    clicks({"optionsalm", "fileedit"});
    click(FormId::Options, "cmdOK"); // unloads itself while its handler runs
    EXPECT_EQ(program->form(FormId::Options), nullptr);
    EXPECT_FALSE(program->dispatch(FormId::Options, "cmdOK", ControlEvent::Click));
    click(FormId::Main, "optionsalm");
    ASSERT_NE(program->form(FormId::Options), nullptr) << "shown again after its unload";
    // An option ticked in the main window shows in the dialog at once; a tick of the
    // session refreshes the editor.
    clicks({"optionScreenSave", "Timemenu_4"});
    list().setStopBTasks(true); // as the dialog would, from elsewhere
    click(FormId::Main, "cmdstartstop");
    EXPECT_TRUE(at(FormId::Options, "chkstopbtasks").checked);
    EXPECT_FALSE(at(FormId::TaskEditor, "filenew").enabled);
    EXPECT_FALSE(at(FormId::Main, "optionScreenSave").checked);
    EXPECT_EQ(ctl("lblTimer"), "00:10");
}

// The countdown's tick costs one look at the task list (a stat), whatever windows are open:
// no window reads the file while it is unchanged.
TEST_F(Scenario, ATickLooksAtTheTaskListOnceWhateverWindowsAreOpen)
{
    begin();
    clicks({"optionsalm", "fileedit", "editfilesong", "filejournal", "cmdstartstop"});
    // A file's time proves it unchanged only once the clock has passed the step it was
    // written in: until then each event looks again.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    for (std::uint64_t seen = 0; seen != list().revision();) {
        ASSERT_LT(std::chrono::steady_clock::now(), until);
        seen = list().revision();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        click(FormId::Main, "timemaintime", ControlEvent::Timer);
    }
    int stats = 0, opens = 0;
    SystemCalls calls = realSystemCalls();
    calls.stat = [&stats, real = calls.stat](const char *path, struct stat *info) {
        return ++stats, real(path, info);
    };
    calls.open = [&opens, real = calls.open](const char *path, int flags, mode_t mode) {
        return ++opens, real(path, flags, mode);
    };
    const ScopedSystemCalls counting(calls);
    tick(1);
    EXPECT_EQ(std::pair(stats, opens), std::pair(1, 0));
}

} // namespace
} // namespace tb::test
