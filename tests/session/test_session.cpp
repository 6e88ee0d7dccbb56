// The main window's logic: start-up and first run, and a session from Start to its end.

#include "settings/DateText.h"
#include "support/ProgramFixture.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <sys/stat.h>

namespace tb::test {
namespace {

namespace fs = std::filesystem;
using Entry = std::array<const char *, 3>; // section, key, value
const char *kKey = "SOFTWARE\\Orvane\\Tallybell";
const char *kTimeUp = "The time is up on this task";

class Session : public ProgramFixture
{
protected:
    // A loaded program over a fresh list of `tasks` tasks and `entries`; in "testmode" each
    // task is ten seconds long.
    MainForm &start(int tasks, std::initializer_list<Entry> entries = {},
                    const std::string &commandLine = "testmode")
    {
        ini = folder.file("tasks.ini");
        fs::remove(ini);
        useSettingsFile(ini);
        writeTasks(ini, tasks);
        for (const auto &[section, key, value] : entries)
            IniWrite(section, key, value, ini);
        EXPECT_TRUE(makeForm(commandLine).Form_Load());
        return *form;
    }
    void tick(int seconds)
    {
        for (int i = 0; i < seconds; ++i) {
            clock.advance(1);
            program->dispatch(FormId::Main, "timemaintime", ControlEvent::Timer);
        }
    }
    // Running, Stop, Pause and Skip are offered, and not the start task, Exit or the menus.
    bool layoutIs(bool running) const
    {
        const Controls &c = form->controls();
        return std::ranges::all_of(
            std::array {c.at("cmdstartstop").caption == "&Stop", c.at("cmdpause").enabled,
                        c.at("Imagemoveon").visible, !c.at("startfromspin").visible,
                        !c.at("cmdexit").enabled, !c.at("menfile").enabled},
            [running](bool shown) { return shown == running; });
    }
    std::string said(std::size_t index) const { return messages.shown.at(index).text; }
    std::string firstRunDate() const
    {
        return registry->RegReadString(HKEY_CURRENT_USER, kKey, "FirstRun", "");
    }
    const std::string defaultList = folder.file("tallydef.ini");
    const std::string workList = folder.file("tallywork.ini");
};
using StartUp = Session;

// Without a list put in place the first run is not over: the next start tries again and puts
// the default list in place with the shipped bell; the start after leaves everything alone.
TEST_F(StartUp, TheFirstRunPutsTheDefaultListInPlaceOnce)
{
    registry->RegWriteString(HKEY_CURRENT_USER, kKey, "FirstRun", "yesterday");
    ASSERT_TRUE(makeForm().Form_Load());
    EXPECT_EQ(said(0), "Couldn't copy the default settings file\r\n\r\nNo such file or directory");
    EXPECT_EQ(ctl("lblStartFrom"), "1") << "no tasks: the task Start would begin with";
    EXPECT_EQ(firstRunDate(), "yesterday");

    writeFile(defaultList, "[Task1]\r\ndescription1=Scales\r\n");
    writeFile(folder.file("PINGPONG.WAV"), "RIFF");
    ASSERT_TRUE(makeForm().Form_Load());
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(readFile(workList),
              "[Task1]\r\ndescription1=Scales\r\n[options]\r\nwavefile="
                  + folder.file("PINGPONG.WAV") + "\r\n");
    EXPECT_EQ(storedSettingsFile(), workList);
    EXPECT_EQ(firstRunDate(), dateTimeText(clock.now()));

    writeFile(defaultList, "");
    ASSERT_TRUE(makeForm().Form_Load());
    EXPECT_TRUE(fs::exists(defaultList)) << "the next start finds the date and does nothing";
}

// A task list already in place is never replaced, keeps the sound its user chose and is no
// error: beside the default list, alone, and when the store cannot keep the first-run date
// (its own error is said once).
TEST_F(StartUp, ATaskListInPlaceIsKeptAsItIs)
{
    const std::string mine = "[Task1]\r\ndescription1=Mine\r\n";
    for (const int situation : {0, 1, 2}) {
        SCOPED_TRACE(situation);
        messages.shown.clear();
        registry->RegWriteString(HKEY_CURRENT_USER, kKey, "FirstRun", "");
        writeFile(workList, mine);
        writeFile(defaultList, "[Task1]\r\ndescription1=Default\r\n");
        if (situation > 0)
            fs::remove(defaultList);
        if (situation == 2) {
            fs::remove(config.file("registry.ini"));
            fs::create_directory(config.file("registry.ini"));
            program.reset();
            registry = std::make_unique<Registry>(config.file("registry.ini"), messages);
        }
        ASSERT_TRUE(makeForm().Form_Load());
        EXPECT_EQ(readFile(workList), mine);
        EXPECT_EQ(messages.shown.size(), situation == 2 ? 1u : 0u);
    }
    EXPECT_EQ(said(0), "Error Creating Key: -2147483647");
}

TEST_F(StartUp, ATaskListThatCannotBeReadIsSaidAtStart)
{
    for (const bool pipe : {false, true}) {
        messages.shown.clear();
        ini = folder.file(pipe ? "a pipe" : "a folder");
        ASSERT_TRUE(pipe ? ::mkfifo(ini.c_str(), 0600) == 0 : fs::create_directory(ini));
        useSettingsFile(ini);
        ASSERT_TRUE(makeForm().Form_Load());
        ASSERT_EQ(messages.shown.size(), 1u);
        for (const std::string &part : {ini, std::string(pipe ? "Not a regular" : "Is a dir")})
            EXPECT_NE(said(0).find(part), std::string::npos) << part;
    }
}

TEST_F(StartUp, ASecondStartHandsOverAndARefusedGuardAsks)
{
    writeFile(defaultList, "[Task1]\r\ndescription1=A\r\n");
    instance.anotherRunning = true;
    EXPECT_FALSE(makeForm().Form_Load());
    EXPECT_EQ(messages.beeps, 1);

    // A guard that cannot be set up is said; the user chooses whether to start anyway.
    instance.anotherRunning = false;
    instance.answer = {InstanceCheck::Outcome::Refused, "/tmp/x belongs to another user."};
    messages.answers = {MsgResult::No, MsgResult::Yes};
    EXPECT_FALSE(makeForm().Form_Load());
    EXPECT_NE(said(0).find("/tmp/x belongs to another user."), std::string::npos);
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_FALSE(fs::exists(config.file("registry.ini")) || fs::exists(workList));
    EXPECT_TRUE(makeForm().Form_Load());
    EXPECT_TRUE(fs::exists(workList));
}

TEST_F(StartUp, OnlyAnExactTrueHoldsOffTheScreenSaver)
{
    MainForm &f = start(2,
                        {{"options", "disable ScreenSaver", "true"},
                         {"options", "Use Full Screen", "TRUE"},
                         {"options", "Play Sound", "1"},
                         {"options", "Stop Between tasks", "maybe"}});
    EXPECT_EQ((std::array {f.Disabless, f.MaxMinScreen, f.playwavefiletasks, f.StopBTasks}),
              (std::array {false, true, true, false}));
}

TEST(DateText, CommonFormsReadAsDates)
{
    for (const char *good : {"2026-12-06 14:05:09", "2028/02/29 1:05", "6.12.2026", "12/31/2026",
                             "31/12/2026 11:59 PM", "2024-02-29T08:00", "2000-02-29"})
        EXPECT_TRUE(isValidDateText(good)) << good;
    for (const char *bad : {"", "yesterday", "2026-02-29", "1900-02-29", "2026-13-01", "32.01.2026",
                            "2026-12-06 25:00", "2026-12", "12-31-2026x", "1/2"})
        EXPECT_FALSE(isValidDateText(bad)) << bad;
}

TEST_F(Session, CountsDownByTheClockPausesAndKeepsTheTaskForTheNextStart)
{
    MainForm &f = start(4, {{"TotalTime", "Time", "2"}}, ""); // 30 minutes: 450 s a task
    f.cmdstartstop_Click();
    EXPECT_TRUE(layoutIs(true));
    tick(1);
    EXPECT_EQ(ctl("lblTimer"), "07:29");
    EXPECT_FALSE(f.Form_KeyDown('A')); // any key pauses; a letter goes on to the controls
    EXPECT_EQ(ctl("txtmessage"), "Paused...Click on the Pause Button to resume");
    tick(300);
    EXPECT_TRUE(f.Form_KeyDown(32)); // space resumes and is swallowed
    EXPECT_EQ(ctl("txtmessage"), "Task 1");
    tick(390);
    EXPECT_EQ(ctl("lblTimer"), "00:59") << "the pause does not count";
    EXPECT_EQ(f.controls().at("practiceprogress").value, 13); // 59 / 450
    clock.advance(119); // a late tick does not lengthen the task: the clock decides
    tick(1);
    EXPECT_EQ(ctl("txtmessage"), "Task 2");
    writeTasks(ini, 5); // the task editor recounts: running, only the ticks change the timer
    f.setdelay();
    EXPECT_EQ(ctl("lblTimer"), "07:30");

    f.cmdpause_Click(); // Stop while paused resumes first
    f.cmdstartstop_Click();
    EXPECT_TRUE(layoutIs(false));
    EXPECT_FALSE(f.Taskspaused);
    EXPECT_FALSE(f.Form_KeyDown(32)) << "stopped, keys belong to the controls";
    ASSERT_TRUE(makeForm().Form_Load());
    EXPECT_EQ(ctl("lblStartFrom"), "2") << "the next run begins where this one stopped";
}

TEST_F(Session, ASessionRingsSkipsSilentlyCountsAndStartsOverAtTaskOne)
{
    MainForm &f = start(4,
                        {{"currenttask", "number", "3"},
                         {"History", "Sessions Completed", "6"},
                         {"options", "Play Sound", "True"},
                         {"options", "Stop Between tasks", "True"},
                         {"options", "wavefile", "/b.wav"}});
    f.cmdstartstop_Click();
    EXPECT_EQ(ctl("txtmessage"), "Task 3");
    tick(10);
    EXPECT_EQ(ctl("txtmessage"), "Task 4");
    EXPECT_EQ(sound.played, std::vector<std::string> {"/b.wav"});

    // A skip clicked while paused acts after Resume, without bell or message; the end of the
    // session still rings.
    f.cmdpause_Click();
    f.Imagemoveon_Click();
    tick(3);
    f.cmdpause_Click();
    tick(1);
    EXPECT_EQ(ctl("txtmessage"), "All Tasks Completed, Congratulations!!!");
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(sound.played.size(), 2u);
    EXPECT_TRUE(layoutIs(false));
    EXPECT_EQ(ctl("lblTimer"), "00:10") << "what the next session counts down from";
    EXPECT_EQ(ctl("lblStartFrom") + read("currenttask", "number"), "11");
    EXPECT_EQ(read("History", "Sessions Completed"), "7");

    // A skip clicked just before Stop is not carried into the next session.
    f.cmdstartstop_Click();
    f.Imagemoveon_Click();
    f.cmdstartstop_Click();
    f.cmdstartstop_Click();
    tick(1);
    EXPECT_EQ(ctl("txtmessage"), "Task 1");
}

TEST_F(Session, TheTimeUpMessageHoldsTheSessionAndAnUnseenEndIsNotified)
{
    MainForm &f = start(
        3, {{"options", "Stop Between tasks", "True"}, {"options", "Use Full Screen", "True"}});
    f.cmdstartstop_Click();
    EXPECT_EQ(window.current, WindowState::Maximized);
    int opened = 0; // the user reads the message for a minute while the timer fires
    messages.whileOpen = [&] {
        if (opened++ == 0)
            tick(60);
    };
    tick(10);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(said(0), kTimeUp);
    EXPECT_TRUE(notifier.sent.empty()) << "the user at the window needs no notification";
    tick(1);
    EXPECT_EQ(ctl("lblTimer"), "00:09") << "task 2's time starts when the message closes";

    // Minimised, the title counts; restored by the user, it stops counting.
    window.current = WindowState::Minimized;
    tick(2);
    EXPECT_EQ(window.caption, "Tallybell 00:07");
    window.current = WindowState::Maximized;
    f.Form_Resize();
    EXPECT_EQ(window.caption, "Tallybell");

    window.active = false;
    window.current = WindowState::Minimized;
    messages.whileOpen = [&] {
        EXPECT_EQ(window.caption, "Tallybell") << "the title stops counting before the message";
        EXPECT_EQ(notifier.sent.size(), 1u) << "notified before the message waits";
    };
    tick(7);
    messages.whileOpen = nullptr;
    ASSERT_EQ(notifier.sent.size(), 1u);
    EXPECT_EQ(notifier.sent[0], (FakeNotifier::Note {kTimeUp, "Task 2\nNext: task 3 of 3."}));
    EXPECT_EQ(window.current, WindowState::Maximized) << "the next task comes back full screen";
    tick(10);
    EXPECT_EQ(notifier.sent.back().body, "Task 3\nThat was the last task of the session.");
    EXPECT_EQ(window.current, WindowState::Normal);
}

TEST_F(Session, TheScreenSaverIsHeldOffOnlyWhileCounting)
{
    MainForm &f = start(2);
    f.optionScreenSave_Click();
    EXPECT_EQ(read("options", "disable ScreenSaver"), "True");
    f.cmdstartstop_Click();
    f.cmdpause_Click();
    f.cmdpause_Click();
    tick(20); // to the end of the session
    f.cmdstartstop_Click();
    f.Form_Unload(); // closing the window mid-session lets it run again
    EXPECT_EQ(
        screenSaver.calls,
        (std::vector<std::string> {"blank", "restore", "blank", "restore", "blank", "restore"}));
}

TEST_F(Session, TaskLengthIsTheShareOfTheChosenTime)
{
    const struct {
        const char *commandLine;
        const char *storedTime; // the menu entry: (n + 1) * 10 minutes
        int tasks;
        const char *shown;
    } cases[] = {
        {"", "2", 4, "07:30"},          {"", "0", 16, "00:38"},
        {"", "2", 16, "01:52"},         {"", "9", 1, "100:00"},
        {"", "42", 1, "100:00"},        {"", "x", 1, "10:00"},
        {"testmode", "9", 1, "00:10"},  {"TESTMODE", "0", 1, "10:00"},
        {" testmode", "0", 1, "10:00"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.commandLine << '|' << c.storedTime << '|' << c.tasks);
        MainForm &f = start(c.tasks, {{"TotalTime", "Time", c.storedTime}}, c.commandLine);
        EXPECT_EQ(ctl("lblTimer"), c.shown) << "stopped, the length of one task";
        EXPECT_TRUE(f.controls().at(MainForm::timeMenuName(f.TempTotalTime).c_str()).checked);
    }
}

TEST_F(Session, TheStartTaskStaysWithinTheListAndNine)
{
    MainForm &f = start(3);
    f.startfromspin_DownClick();
    EXPECT_EQ(ctl("lblStartFrom"), "1");
    for (const auto &[tasks, shown] : {std::pair {3, "3"}, {12, "9"}}) {
        writeTasks(ini, tasks);
        f.setdelay();
        for (int i = 0; i < 10; ++i)
            f.startfromspin_UpClick();
        EXPECT_EQ(ctl("lblStartFrom"), shown);
    }
    IniWrite("Task3", "description1", "", ini); // a gap ends the list
    f.setdelay();
    EXPECT_EQ(f.currenttask, 2);
    // A stored start task below 1 shows, and steps from, the task Start begins with.
    start(3, {{"currenttask", "number", "-3"}}).startfromspin_UpClick();
    EXPECT_EQ(ctl("lblStartFrom"), "2");
}

TEST_F(Session, WithoutTasksStartAsksToAddSome)
{
    MainForm &f = start(0);
    messages.answers = {MsgResult::No, MsgResult::Yes};
    f.cmdstartstop_Click();
    EXPECT_EQ(program->loadedTaskEditor(), nullptr);
    f.cmdstartstop_Click();
    EXPECT_NE(program->loadedTaskEditor(), nullptr) << "Yes opens the task list editor";
    EXPECT_EQ(said(1), "No Tasks exist in this Task List, Would you like to add some?");
    EXPECT_FALSE(f.sessionIsRunning());
}

TEST_F(Session, AFailedSaveIsSaidOnceAndTheSessionGoesOn)
{
    start(2);
    auto calls = realSystemCalls();
    calls.write = [](int, const void *, size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    };
    ScopedSystemCalls fullDisk(calls);
    const std::string before = readFile(ini);
    program->dispatch(FormId::Main, "cmdstartstop", ControlEvent::Click);
    tick(20);
    EXPECT_FALSE(form->sessionIsRunning()) << "the session goes on to its end";
    ASSERT_EQ(messages.shown.size(), 1u) << "later failures of the same file are not repeated";
    for (const std::string &part : {ini, std::string("No space left on device")})
        EXPECT_NE(said(0).find(part), std::string::npos) << part;
    EXPECT_EQ(readFile(ini), before);
}

} // namespace
} // namespace tb::test
