#include "support/ProgramFixture.h"

namespace tb::test {
namespace {

using Session = ProgramFixture;

const char *kDone = "All Tasks Completed, Congratulations!!!";

// Ticks once a second until the task changes or `limit` seconds pass.
void runSeconds(FakeClock &clock, MainForm &f, int seconds)
{
    for (int i = 0; i < seconds; ++i) {
        clock.advance(1);
        f.timemaintime_Timer();
    }
}

bool runningLayout(const MainForm &f)
{
    const Controls &c = f.controls();
    return c.at("cmdstartstop").caption == "&Stop" && c.at("cmdpause").enabled
        && !c.at("cmdexit").enabled && !c.at("framestartfrom").visible
        && !c.at("lblStartFrom").visible && !c.at("startfromspin").visible
        && c.at("Imagemoveon").visible && c.at("practiceprogress").visible
        && !c.at("menfile").enabled && !c.at("TotalTimeMenu").enabled && !c.at("helphelp").enabled
        && c.at("timemaintime").enabled;
}

bool stoppedLayout(const MainForm &f)
{
    const Controls &c = f.controls();
    return c.at("cmdstartstop").caption == "&Start" && !c.at("cmdpause").enabled
        && c.at("cmdexit").enabled && c.at("framestartfrom").visible && c.at("lblStartFrom").visible
        && c.at("startfromspin").visible && !c.at("Imagemoveon").visible
        && !c.at("practiceprogress").visible && c.at("menfile").enabled
        && c.at("TotalTimeMenu").enabled && c.at("helphelp").enabled && c.at("optionS").enabled
        && !c.at("linepaused").visible && !c.at("timemaintime").enabled;
}

TEST_F(Session, StartShowsTheFirstTaskAndCountsDownFromTheClock)
{
    MainForm &f = loaded(4);
    EXPECT_TRUE(stoppedLayout(f));
    f.Timemenu_Click(2); // 30 minutes over 4 tasks: 450 s each
    f.cmdstartstop_Click();
    EXPECT_EQ(f.delay, 450);
    EXPECT_TRUE(runningLayout(f));
    EXPECT_TRUE(f.controls().at("optionS").enabled == false);
    EXPECT_EQ(ctl("txtmessage"), "Task 1");
    EXPECT_EQ(ctl("lblTimer"), "07:30");
    EXPECT_EQ(f.controls().at("practiceprogress").value, 100) << "full from the start";
    EXPECT_EQ(read("currenttask", "number"), "1");

    f.timemaintime_Timer(); // no second boundary yet
    EXPECT_EQ(ctl("lblTimer"), "07:30");
    EXPECT_EQ(f.controls().at("practiceprogress").value, 100);
    runSeconds(clock, f, 1);
    EXPECT_EQ(ctl("lblTimer"), "07:29");
    EXPECT_EQ(f.controls().at("practiceprogress").value, 100); // 99.78 rounds to 100

    runSeconds(clock, f, 449 - 61);
    EXPECT_EQ(ctl("lblTimer"), "01:01");
    EXPECT_EQ(f.controls().at("practiceprogress").value, 14); // 61 / 450 = 13.6 %
    runSeconds(clock, f, 2);
    EXPECT_EQ(ctl("lblTimer"), "00:59");

    // A late tick does not lengthen the task: the clock decides.
    clock.advance(120);
    f.timemaintime_Timer();
    EXPECT_EQ(ctl("txtmessage"), "Task 2");
    EXPECT_EQ(ctl("lblTimer"), "07:30");
    EXPECT_EQ(f.currenttask, 2);
    EXPECT_EQ(f.controls().at("practiceprogress").value, 100);
    runSeconds(clock, f, 1);
    EXPECT_EQ(ctl("lblTimer"), "07:29");
}

TEST_F(Session, AWholeSessionFromTaskThreeCountsTheHistory)
{
    ini = folder.file("s.ini");
    useSettingsFile(ini);
    writeTasks(ini, 4);
    IniWrite("currenttask", "number", "3", ini);
    IniWrite("History", "Sessions Completed", "6", ini);
    IniWrite("options", "Play Sound", "True", ini);
    IniWrite("options", "wavefile", "/bells/ding.wav", ini);
    MainForm &f = makeForm("testmode");
    ASSERT_TRUE(f.Form_Load());
    EXPECT_EQ(ctl("lblStartFrom"), "3");

    f.cmdstartstop_Click();
    EXPECT_EQ(ctl("txtmessage"), "Task 3");
    runSeconds(clock, f, 10);
    EXPECT_EQ(ctl("txtmessage"), "Task 4");
    EXPECT_EQ(sound.played.size(), 1u);
    runSeconds(clock, f, 9);
    EXPECT_EQ(ctl("txtmessage"), "Task 4");
    runSeconds(clock, f, 1);

    EXPECT_EQ(ctl("txtmessage"), kDone);
    EXPECT_EQ(ctl("lblTimer"), "00:10") << "what the next session counts down from";
    EXPECT_EQ(ctl("lblStartFrom"), "1");
    EXPECT_EQ(f.currenttask, 1);
    EXPECT_TRUE(stoppedLayout(f));
    EXPECT_FALSE(f.sessionIsRunning());
    EXPECT_EQ(read("History", "Sessions Completed"), "7");
    EXPECT_EQ(read("currenttask", "number"), "1");
    // End of task 3, end of task 4, and the end of the session again.
    EXPECT_EQ(sound.played, (std::vector<std::string>(3, "/bells/ding.wav")));
    // The search for a fifth task left its alternate counter behind.
    EXPECT_EQ(read("task5", "Alternatetask"), "2");

    // Further ticks of a stopped session do nothing.
    runSeconds(clock, f, 30);
    EXPECT_EQ(ctl("txtmessage"), kDone);
}

TEST_F(Session, StopKeepsTheTaskForTheNextStartAndTheNextRun)
{
    MainForm &f = loaded(3);
    f.cmdstartstop_Click();
    runSeconds(clock, f, f.delay);
    EXPECT_EQ(ctl("txtmessage"), "Task 2");
    runSeconds(clock, f, 100);
    f.cmdstartstop_Click();
    EXPECT_TRUE(stoppedLayout(f));
    EXPECT_EQ(ctl("lblStartFrom"), "2");
    EXPECT_EQ(ctl("txtmessage"), "");

    f.cmdstartstop_Click();
    EXPECT_EQ(ctl("txtmessage"), "Task 2");
    EXPECT_EQ(ctl("lblTimer"), MainForm::formatTime(f.delay)) << "full length again";
    f.cmdstartstop_Click();

    MainForm &restarted = makeForm();
    ASSERT_TRUE(restarted.Form_Load());
    EXPECT_EQ(restarted.currenttask, 2);
}

TEST_F(Session, StoppedTheTimerShowsTheLengthOfOneTask)
{
    MainForm &f = loaded(4); // 20 minutes
    EXPECT_EQ(ctl("lblTimer"), "05:00");
    f.Timemenu_Click(2);
    EXPECT_EQ(ctl("lblTimer"), "07:30");

    f.cmdstartstop_Click();
    runSeconds(clock, f, 100);
    EXPECT_EQ(ctl("lblTimer"), "05:50");
    f.cmdstartstop_Click();
    EXPECT_EQ(ctl("lblTimer"), "07:30") << "after Stop";

    // The task editor and a switch of task list recount the tasks.
    writeTasks(ini, 6);
    f.setdelay();
    EXPECT_EQ(ctl("lblTimer"), "05:00");

    // Running, only the ticks change the timer.
    f.cmdstartstop_Click();
    runSeconds(clock, f, 1);
    writeTasks(ini, 8);
    f.setdelay();
    EXPECT_EQ(ctl("lblTimer"), "04:59");
}

TEST_F(Session, PauseDoesNotCountAndAnyKeyToggles)
{
    MainForm &f = loaded(2);
    f.cmdstartstop_Click();
    runSeconds(clock, f, 100);
    const std::string before = ctl("lblTimer");

    EXPECT_FALSE(f.Form_KeyDown('A')); // a letter pauses and goes on to the controls
    EXPECT_TRUE(f.Taskspaused);
    EXPECT_EQ(ctl("txtmessage"), "Paused...Click on the Pause Button to resume");
    EXPECT_TRUE(f.controls().at("linepaused").visible);
    EXPECT_TRUE(f.controls().at("optionS").enabled);
    runSeconds(clock, f, 300); // ticks while paused do nothing
    EXPECT_EQ(ctl("lblTimer"), before);

    EXPECT_TRUE(f.Form_KeyDown(32)); // space resumes and is swallowed
    EXPECT_FALSE(f.Taskspaused);
    EXPECT_EQ(ctl("txtmessage"), "Task 1");
    EXPECT_FALSE(f.controls().at("linepaused").visible);
    EXPECT_FALSE(f.controls().at("optionS").enabled);
    runSeconds(clock, f, 0);
    f.timemaintime_Timer();
    EXPECT_EQ(ctl("lblTimer"), before);

    // Stop while paused resumes first.
    f.cmdpause_Click();
    f.cmdstartstop_Click();
    EXPECT_FALSE(f.Taskspaused);
    EXPECT_TRUE(stoppedLayout(f));
    // Keys while stopped belong to the controls.
    EXPECT_FALSE(f.Form_KeyDown(32));
    EXPECT_FALSE(f.Taskspaused);
}

TEST_F(Session, SkipEndsTheTaskSilentlyButTheLastOneStillRingsTheEnd)
{
    ini = folder.file("k.ini");
    useSettingsFile(ini);
    writeTasks(ini, 2);
    IniWrite("options", "Play Sound", "True", ini);
    IniWrite("options", "Stop Between tasks", "True", ini);
    IniWrite("options", "wavefile", "/b.wav", ini);
    MainForm &f = makeForm();
    ASSERT_TRUE(f.Form_Load());
    f.cmdstartstop_Click();
    runSeconds(clock, f, 5);
    f.Imagemoveon_Click();
    runSeconds(clock, f, 1);
    EXPECT_EQ(ctl("txtmessage"), "Task 2");
    EXPECT_TRUE(sound.played.empty());
    EXPECT_TRUE(messages.shown.empty());

    // A skip clicked while paused acts at the first tick after Resume.
    f.cmdpause_Click();
    f.Imagemoveon_Click();
    runSeconds(clock, f, 3);
    EXPECT_TRUE(f.Taskspaused);
    f.cmdpause_Click();
    runSeconds(clock, f, 1);
    EXPECT_EQ(ctl("txtmessage"), kDone);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(sound.played, std::vector<std::string> {"/b.wav"});
}

TEST_F(Session, ASkipLeftOverFromAStoppedSessionDoesNotCarryOver)
{
    MainForm &f = loaded(2);
    f.cmdstartstop_Click();
    f.Imagemoveon_Click();
    f.cmdstartstop_Click();
    f.cmdstartstop_Click();
    runSeconds(clock, f, 1);
    EXPECT_EQ(ctl("txtmessage"), "Task 1");
}

TEST_F(Session, TheTimeUpMessageHoldsTheNextTaskAndIgnoresTicksWhileOpen)
{
    ini = folder.file("m.ini");
    useSettingsFile(ini);
    writeTasks(ini, 3);
    IniWrite("options", "Stop Between tasks", "True", ini);
    MainForm &f = makeForm("testmode");
    ASSERT_TRUE(f.Form_Load());
    f.cmdstartstop_Click();

    // The user reads the message for a minute while the timer keeps firing.
    messages.whileOpen = [&] {
        EXPECT_EQ(ctl("lblTimer"), "00:10") << "the full length shows behind the message";
        for (int i = 0; i < 60; ++i) {
            clock.advance(1);
            f.timemaintime_Timer();
        }
    };
    runSeconds(clock, f, 10);
    messages.whileOpen = nullptr;
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "The time is up on this task");
    EXPECT_EQ(messages.shown[0].caption, "Tallybell");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(ctl("txtmessage"), "Task 2");
    EXPECT_EQ(f.currenttask, 2);
    // Task 2's ten seconds start when the message closes.
    runSeconds(clock, f, 1);
    EXPECT_EQ(ctl("lblTimer"), "00:09");
}

TEST_F(Session, NoTasksAsksAndDoesNotStart)
{
    MainForm &f = loaded(0);
    messages.answers = {MsgResult::No, MsgResult::Yes};
    f.cmdstartstop_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "No Tasks exist in this Task List, Would you like to add some?");
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::None);
    EXPECT_EQ(program->loadedTaskEditor(), nullptr);
    f.cmdstartstop_Click();
    EXPECT_NE(program->loadedTaskEditor(), nullptr); // Yes opens the task list editor
    EXPECT_FALSE(f.sessionIsRunning());
    EXPECT_TRUE(stoppedLayout(f));
}

TEST_F(Session, StartTaskSpinStaysWithinTheListAndNine)
{
    MainForm &f = loaded(3);
    EXPECT_EQ(f.currenttask, 1);
    f.startfromspin_DownClick();
    EXPECT_EQ(f.currenttask, 1);
    for (int i = 0; i < 5; ++i)
        f.startfromspin_UpClick();
    EXPECT_EQ(f.currenttask, 3);
    EXPECT_EQ(ctl("lblStartFrom"), "3");

    writeTasks(ini, 12);
    f.setdelay();
    for (int i = 0; i < 10; ++i)
        f.startfromspin_UpClick();
    EXPECT_EQ(f.currenttask, 9);
    f.startfromspin_DownClick();
    EXPECT_EQ(ctl("lblStartFrom"), "8");

    // A stored start task below 1 shows, and steps from, the task Start begins with.
    IniWrite("currenttask", "number", "-3", ini);
    MainForm &g = makeForm();
    ASSERT_TRUE(g.Form_Load());
    EXPECT_EQ(ctl("lblStartFrom"), "1");
    g.startfromspin_UpClick();
    EXPECT_EQ(ctl("lblStartFrom"), "2");

    // The menu choice is not stored.
    g.Timemenu_Click(5);
    EXPECT_EQ(read("TotalTime", "Time"), "");
    EXPECT_TRUE(g.controls().at("Timemenu_5").checked);
    EXPECT_FALSE(g.controls().at("Timemenu_1").checked);
}

TEST_F(Session, ScreenSaverIsHeldOnlyWhileCounting)
{
    MainForm &f = loaded(2, "testmode");
    f.optionScreenSave_Click();
    EXPECT_EQ(read("options", "disable ScreenSaver"), "True");
    EXPECT_TRUE(f.controls().at("optionScreenSave").checked);

    f.cmdstartstop_Click();
    f.cmdpause_Click();
    f.cmdpause_Click();
    f.cmdpause_Click();
    f.cmdstartstop_Click(); // resume, then stop
    EXPECT_EQ(
        screenSaver.calls,
        (std::vector<std::string> {"blank", "restore", "blank", "restore", "blank", "restore"}));
    screenSaver.calls.clear();
    f.cmdstartstop_Click();
    runSeconds(clock, f, 20);
    EXPECT_EQ(ctl("txtmessage"), kDone);
    EXPECT_EQ(screenSaver.calls, (std::vector<std::string> {"blank", "restore"}));

    // Quitting in the middle of a session lets the screen saver run again.
    screenSaver.calls.clear();
    f.cmdstartstop_Click();
    f.Form_Unload();
    EXPECT_EQ(screenSaver.calls, (std::vector<std::string> {"blank", "restore"}));

    // Switched off: nothing is held.
    f.cmdstartstop_Click();
    screenSaver.calls.clear();
    f.optionScreenSave_Click();
    EXPECT_EQ(read("options", "disable ScreenSaver"), "False");
    EXPECT_FALSE(f.controls().at("optionScreenSave").checked);
    f.cmdstartstop_Click();
    f.cmdstartstop_Click();
    EXPECT_TRUE(screenSaver.calls.empty());
}

TEST_F(Session, MinimisedAndFullScreenWindow)
{
    ini = folder.file("w.ini");
    useSettingsFile(ini);
    writeTasks(ini, 3);
    MainForm &f = makeForm("testmode");
    ASSERT_TRUE(f.Form_Load());
    f.cmdstartstop_Click();
    EXPECT_TRUE(window.states.empty()) << "no full screen without the option";

    window.current = WindowState::Minimized;
    runSeconds(clock, f, 4);
    EXPECT_EQ(window.caption, "Tallybell 00:06");
    const int fronts = window.broughtToFront;
    runSeconds(clock, f, 6);
    EXPECT_EQ(window.current, WindowState::Normal);
    EXPECT_EQ(window.caption, "Tallybell");
    EXPECT_GT(window.broughtToFront, fronts);
    f.cmdstartstop_Click();

    IniWrite("options", "Use Full Screen", "True", ini);
    f.loadsettings();
    f.cmdstartstop_Click();
    EXPECT_EQ(window.current, WindowState::Maximized);
    window.current = WindowState::Minimized;
    runSeconds(clock, f, 10);
    EXPECT_EQ(window.current, WindowState::Maximized) << "restored to full screen";
    // Minimised and restored by the user: the time leaves the title with the minimising.
    window.current = WindowState::Minimized;
    runSeconds(clock, f, 2);
    EXPECT_EQ(window.caption, "Tallybell 00:08");
    window.current = WindowState::Maximized;
    f.Form_Resize();
    EXPECT_EQ(window.caption, "Tallybell");
    f.cmdstartstop_Click();
    EXPECT_EQ(window.current, WindowState::Normal);
}

TEST_F(Session, AUserInAnotherWindowIsToldOfTheTaskEnd)
{
    ini = folder.file("n.ini");
    useSettingsFile(ini);
    writeTasks(ini, 2);
    IniWrite("options", "Stop Between tasks", "True", ini);
    MainForm &f = makeForm("testmode");
    ASSERT_TRUE(f.Form_Load());
    f.cmdstartstop_Click();
    runSeconds(clock, f, 10); // the window is in front: no notification
    EXPECT_TRUE(notifier.sent.empty());

    window.active = false;
    window.current = WindowState::Minimized;
    runSeconds(clock, f, 9);
    EXPECT_EQ(window.caption, "Tallybell 00:01");
    messages.whileOpen = [&] {
        EXPECT_EQ(window.caption, "Tallybell") << "the title stops counting before the message";
        ASSERT_EQ(notifier.sent.size(), 1u) << "notified before the message waits for the user";
    };
    runSeconds(clock, f, 1);
    messages.whileOpen = nullptr;
    ASSERT_EQ(notifier.sent.size(), 1u);
    EXPECT_EQ(notifier.sent[0].summary, "The time is up on this task");
    EXPECT_EQ(notifier.sent[0].body, "Task 2\nThat was the last task of the session.");

    f.cmdstartstop_Click();
    runSeconds(clock, f, 10);
    ASSERT_EQ(notifier.sent.size(), 2u);
    EXPECT_EQ(notifier.sent[1].body, "Task 1\nNext: task 2 of 2.");
}

TEST_F(Session, AFailedSaveIsSaidOnceAndTheSessionGoesOn)
{
    loaded(2, "testmode");
    auto calls = realSystemCalls();
    calls.write = [](int, const void *, size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    };
    ScopedSystemCalls fullDisk(calls);
    const std::string before = readFile(ini);
    auto tick = [&](int seconds) {
        for (int i = 0; i < seconds; ++i) {
            clock.advance(1);
            program->dispatch(FormId::Main, "timemaintime", ControlEvent::Timer);
        }
    };
    program->dispatch(FormId::Main, "cmdstartstop", ControlEvent::Click);
    tick(20);
    EXPECT_EQ(ctl("txtmessage"), kDone) << "the session goes on to its end";
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Tallybell - Disk Error");
    EXPECT_NE(messages.shown[0].text.find(ini), std::string::npos);
    EXPECT_NE(messages.shown[0].text.find("No space left on device"), std::string::npos);
    EXPECT_NE(messages.shown[0].text.find("unchanged"), std::string::npos);
    program->dispatch(FormId::Main, "optionScreenSave", ControlEvent::Click);
    EXPECT_EQ(messages.shown.size(), 1u) << "later failures of the same file are not repeated";
    EXPECT_EQ(readFile(ini), before);
}

TEST_F(Session, HelpTopicsOfTheControls)
{
    MainForm &f = loaded(1);
    f.ShowControlWhatsThis("cmdstartstop");
    f.ShowControlWhatsThis("cmdpause");
    f.ShowControlWhatsThis("cmdexit");
    f.ShowControlWhatsThis("txtmessage");
    f.ShowControlWhatsThis("lblTimer");
    f.ShowControlHelp("cmdpause");
    f.ShowControlHelp("cmdexit");
    f.helpcontents_Click();
    f.helpabouthelp_Click();
    using C = FakeHelp::Call;
    EXPECT_EQ(help.calls,
              (std::vector<C> {{Help::HELP_CONTEXTPOPUP, 15},
                               {Help::HELP_CONTEXTPOPUP, 18},
                               {Help::HELP_CONTEXTPOPUP, 8},
                               {Help::HELP_CONTEXTPOPUP, 19},
                               {Help::HELP_CONTEXT, 18},
                               {Help::HELP_FINDER, 0},
                               {Help::HELP_HELPONHELP, 0}}));
}

} // namespace
} // namespace tb::test
