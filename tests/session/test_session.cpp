// The main window's logic: start-up and first run, a session from Start to its end, and the
// text shown for each task.

#include "platform/Translator.h"
#include "session/SpokenText.h"
#include "session/TaskText.h"
#include "settings/DateText.h"
#include "support/ProgramFixture.h"
#include "support/WaveFile.h"

#include <filesystem>
#include <sys/stat.h>
#include <tuple>
#include <utility>

namespace tb::test {
namespace {

namespace fs = std::filesystem;
const char *kKey = "SOFTWARE\\Orvane\\Tallybell";
const char *kTimeUp = "The time is up on this task";

class Session : public ProgramFixture
{
protected:
    // loaded() in "testmode" makes each task ten seconds long.
    Session() { ini = workList; }
    // Running, Stop, Pause and Skip are offered, and not the start task or Exit.
    bool layoutIs(bool running) const
    {
        const Controls &c = form->controls();
        return c.at("cmdstartstop").caption == (running ? "&Stop" : "&Start")
            && c.at("cmdpause").enabled == running && c.at("Imagemoveon").visible == running
            && c.at("startfromspin").visible != running && c.at("cmdexit").enabled != running;
    }
    std::string said(std::size_t index) const { return messages.shown.at(index).text; }
    std::string date() { return registry->RegReadString(HKEY_CURRENT_USER, kKey, "FirstRun", ""); }
    std::string task(std::int16_t n)
    {
        return getnexttask(n, {TaskListFile(ini), folder.path().string(), random, messages});
    }

    const std::string defaultList = folder.file("tallydef.ini");
    const std::string workList = folder.file("tallywork.ini");
};
using StartUp = Session;
using TaskText = Session;

// Without a list put in place the first run is not over: the next start tries again and puts
// the default list in place with the shipped bell; the start after leaves everything alone.
TEST_F(StartUp, TheFirstRunPutsTheDefaultListInPlaceOnce)
{
    registry->RegWriteString(HKEY_CURRENT_USER, kKey, "FirstRun", "yesterday");
    ASSERT_TRUE(makeForm().Form_Load());
    EXPECT_EQ(said(0),
              "Couldn't copy the default settings file\r\n\r\n" + defaultList + "\r\nto " + workList
                  + "\r\n\r\nNo such file or directory");
    // No tasks: the task Start would begin with; the first run not yet over.
    EXPECT_EQ(ctl("lblStartFrom") + ", " + date(), "1, yesterday");

    writeFile(defaultList, "[Task1]\r\ndescription1=Scales\r\n");
    writeFile(folder.file("PINGPONG.WAV"), "RIFF");
    ASSERT_TRUE(makeForm().Form_Load());
    EXPECT_EQ(readFile(workList),
              "[Task1]\r\ndescription1=Scales\r\n[options]\r\nwavefile="
                  + folder.file("PINGPONG.WAV") + "\r\n");
    EXPECT_EQ(storedSettingsFile(), workList);
    EXPECT_EQ(date(), dateTimeText(clock.now()));
    writeFile(defaultList, "");
    ASSERT_TRUE(makeForm().Form_Load());
    EXPECT_TRUE(fs::exists(defaultList)) << "the next start finds the date and does nothing";
}

// A task list already in place is never replaced, keeps the sound its user chose and is no
// error, beside the default list or alone.
TEST_F(StartUp, ATaskListInPlaceIsKeptAsItIs)
{
    const std::string mine = "[Task1]\r\ndescription1=Mine\r\n";
    writeFile(defaultList, "[Task1]\r\ndescription1=Default\r\n");
    for (int run = 0; run < 2; ++run) { // beside the default list, then alone
        registry->RegWriteString(HKEY_CURRENT_USER, kKey, "FirstRun", "");
        writeFile(workList, mine);
        ASSERT_TRUE(makeForm().Form_Load());
        EXPECT_EQ(readFile(workList), mine);
        fs::remove(defaultList);
    }
    EXPECT_TRUE(messages.shown.empty());
}

// A pipe named as the task list is said at start, and never waited on.
TEST_F(StartUp, ATaskListThatCannotBeReadIsSaidAtStart)
{
    ini = folder.file("a pipe");
    ASSERT_EQ(::mkfifo(ini.c_str(), 0600), 0);
    useSettingsFile(ini);
    ASSERT_TRUE(makeForm().Form_Load());
    ASSERT_EQ(messages.shown.size(), 1u);
    for (const std::string &part : {ini, std::string("Not a regular file")})
        EXPECT_NE(said(0).find(part), std::string::npos) << part;
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
    EXPECT_FALSE(fs::exists(config.file("registry.ini")) || fs::exists(workList));
    EXPECT_TRUE(makeForm().Form_Load());
    EXPECT_TRUE(fs::exists(workList));
}

TEST_F(Session, CountsDownByTheClockPausesAndKeepsTheTaskForTheNextStart)
{
    // 30 minutes: 450 s a task.
    MainForm &f
        = loaded(4, "", {{"TotalTime", "Time", "2"}, {"options", "disable ScreenSaver", "True"}});
    f.cmdstartstop_Click();
    EXPECT_TRUE(layoutIs(true));
    tick(1);
    EXPECT_EQ(ctl("lblTimer"), "07:29");
    f.cmdpause_Click();
    EXPECT_EQ(ctl("txtmessage"), "Paused...Click on the Pause Button to resume");
    tick(300);
    f.cmdpause_Click();
    tick(390);
    EXPECT_EQ(ctl("lblTimer"), "00:59") << "the pause does not count";
    tick(59);
    EXPECT_EQ(ctl("txtmessage"), "Task 2");

    f.cmdpause_Click(); // Stop while paused resumes first
    f.cmdstartstop_Click();
    EXPECT_TRUE(layoutIs(false));
    f.cmdstartstop_Click();
    f.Form_Unload(); // closing the window mid-session lets the screen saver run again
    EXPECT_EQ(screenSaver.calls,
              (std::vector<std::string> {"blank", "restore", "blank", "restore", "blank", "restore",
                                         "blank", "restore"}));
    ASSERT_TRUE(makeForm().Form_Load());
    EXPECT_EQ(ctl("lblStartFrom"), "2") << "the next run begins where this one stopped";
}

TEST_F(Session, ASessionRingsSkipsSilentlyCountsAndStartsOverAtTaskOne)
{
    MainForm &f = loaded(4, "testmode",
                         {{"currenttask", "number", "3"},
                          {"History", "Sessions Completed", "6"},
                          {"options", "Play Sound", "True"},
                          {"options", "Stop Between tasks", "1"}, // any truth value
                          {"options", "wavefile", "/b.wav"}});
    f.cmdstartstop_Click();
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
    // The time-up message, and once that the bell is no sound file.
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(said(0), "Couldn't play the sound\r\n\r\n/b.wav\r\n\r\nNo such file or directory");
    EXPECT_EQ(sound.played.size(), 2u);
    EXPECT_EQ(ctl("lblStartFrom") + read("currenttask", "number"), "11");
    EXPECT_EQ(read("History", "Sessions Completed"), "7");
    for (const char *stored : {"True", "False"}) { // the menu's switch, stored at once
        f.optionScreenSave_Click();
        EXPECT_EQ(read("options", "disable ScreenSaver"), stored);
    }

    // A skip clicked just before Stop is not carried into the next session.
    for (const char *control : {"cmdstartstop", "Imagemoveon", "cmdstartstop", "cmdstartstop"})
        click(control);
    tick(1);
    EXPECT_EQ(ctl("txtmessage"), "Task 1");
}

TEST_F(Session, TheTimeUpMessageHoldsTheSessionAndAnUnseenEndIsNotified)
{
    MainForm &f = loaded(3, "testmode",
                         {{"options", "Stop Between tasks", "True"},
                          {"options", "Use Full Screen", "True"},
                          {"options", "disable ScreenSaver", "True"}});
    f.cmdstartstop_Click();
    int opened = 0; // the user reads the message for a minute while the timer fires
    messages.whileOpen = [&] {
        if (opened++ == 0)
            tick(60);
    };
    tick(10);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(said(0), kTimeUp);
    EXPECT_TRUE(notifier.sent.empty()) << "the user at the window needs no notification";
    tick(3);
    EXPECT_EQ(ctl("lblTimer"), "00:07") << "task 2's time starts when the message closes";

    // Minimised, the title counts; the end is notified before the message waits.
    window.active = false;
    window.current = WindowState::Minimized;
    messages.whileOpen = [&] {
        EXPECT_EQ(window.caption, "Tallybell") << "the title stops counting before the message";
        EXPECT_EQ(notifier.sent.size(), 1u);
    };
    tick(6);
    EXPECT_EQ(window.caption, "Tallybell 00:01");
    tick(1);
    messages.whileOpen = nullptr;
    ASSERT_EQ(notifier.sent.size(), 1u);
    EXPECT_EQ(notifier.sent[0], (FakeNotifier::Note {kTimeUp, "Task 2\nNext: task 3 of 3."}));
    EXPECT_EQ(window.current, WindowState::Maximized) << "the next task comes back full screen";
    tick(10);
    EXPECT_EQ(notifier.sent.back().body, "Task 3\nThat was the last task of the session.");
    EXPECT_EQ(screenSaver.calls, (std::vector<std::string> {"blank", "restore"})) << "at the end";
}

// A wave file of `seconds` of silence.
std::string silence(double seconds)
{
    const auto bytes = static_cast<std::uint64_t>(seconds * 8000) * 2;
    return riff(waveFormat(1, 1, 8000, 16) + chunk("data", bytes, std::string(bytes, '\0')));
}

// The warning sounds once, when the time left reaches its lead, and the timer stands out from
// then to the task's end. A pause moves it with the task's end; a task shorter than twice the
// lead or a lead that is no choice has none; in test mode the lead shrinks with the task. Five
// tasks in 20 minutes are 240 s each, twice the lead of 120 s; six are 200 s.
TEST_F(Session, TheWarningSoundsOnceAtItsLeadBeforeTheEnd)
{
    const std::string cue = folder.file("WARNING.WAV");
    // The lead, tasks, the session length's menu entry (0 is 10 minutes), the command line,
    // whether it pauses for 100 s at 100 s left, and the seconds left when the cue sounds
    // (-1 for never).
    const std::tuple<const char *, int, const char *, const char *, bool, int> cases[] = {
        {"30", 1, "0", "", false, 30},  {"120", 5, "1", "", false, 120},
        {"120", 6, "1", "", false, -1}, {"60", 1, "0", "", true, 60},
        {"45", 1, "0", "", false, -1},  {"120", 1, "0", "testmode", false, 2},
    };
    for (const auto &[lead, tasks, time, mode, pause, cueAt] : cases) {
        SCOPED_TRACE(std::string(lead) + " s before" + (pause ? ", paused " : " ") + mode);
        writeFile(cue, silence(0.3));
        sound.played.clear();
        MainForm &f = loaded(tasks, mode,
                             {{"options", "Warn before end", lead}, {"TotalTime", "Time", time}});
        f.cmdstartstop_Click();
        int heardAt = -1;
        for (int left = f.delay - 1; left >= 0 && ctl("txtmessage") == "Task 1"; --left) {
            if (left == 100 && pause) {
                f.cmdpause_Click();
                tick(100);
                f.cmdpause_Click();
            }
            tick(1);
            if (!sound.played.empty() && heardAt < 0) {
                EXPECT_EQ(sound.played, std::vector<std::string> {cue});
                heardAt = left;
            }
            EXPECT_EQ(f.controls().at("lblTimer").emphasis, heardAt >= 0 && left > 0);
        }
        EXPECT_EQ(heardAt, cueAt);
        EXPECT_LE(sound.played.size(), 1u);
        f.cmdstartstop_Click();
    }
    EXPECT_TRUE(messages.shown.empty());
}

// Read aloud, each task is said as it begins: at once at Start and after a skip, after the
// bell has rung at a task's end, after the message once it is answered; Pause, Stop and
// Quit silence it. Muted, nothing sounds: no bell, no warning, no speech.
TEST_F(Session, EachTaskIsReadAloudAfterTheBellAndMuteSilencesEveryCue)
{
    const std::string bell = folder.file("bell.wav");
    writeFile(bell, silence(2));
    writeFile(folder.file("WARNING.WAV"), silence(0.3));
    MainForm &f = loaded(3, "testmode",
                         {{"options", "Read tasks aloud", "True"},
                          {"options", "Speech rate", "1"},
                          {"options", "Play Sound", "True"},
                          {"options", "Warn before end", "120"},
                          {"options", "wavefile", bell.c_str()}});
    f.cmdstartstop_Click();
    tick(10);
    const int stops = speech.stops;
    tick(2);
    f.cmdpause_Click();
    EXPECT_EQ(speech.stops, stops + 1);
    f.cmdpause_Click();
    f.Imagemoveon_Click(); // a skip rings no bell
    tick(11);
    // With the message, speech waits for it; a bell over by then delays nothing.
    list().setStopBTasks(true);
    messages.whileOpen = [&] { clock.advance(5); };
    f.cmdstartstop_Click();
    tick(10);
    f.cmdstartstop_Click();
    EXPECT_EQ(speech.stops, stops + 2) << "Stop";
    // 400 s: 7 minutes; after the two seconds of a bell, also one still ringing at Start.
    std::string heard;
    for (const FakeSpeech::Said &s : speech.said)
        heard += s.text + " " + std::to_string(s.delayMs) + " " + std::to_string(s.rate) + "|";
    EXPECT_EQ(heard,
              "Task 1. 7 minutes. 0 1|Task 2. 7 minutes. 2300 1|Task 3. 7 minutes. 0 1|"
              "Session complete. 2300 1|Task 1. 7 minutes. 2300 1|Task 2. 7 minutes. 0 1|");

    // Muted from the menu, stored with the list: a whole session passes in silence.
    const auto cues = std::pair(sound.played.size(), speech.said.size()); // bells and speech
    click("optionMuteCues");
    EXPECT_EQ(read("options", "Mute cues"), "True");
    f.cmdstartstop_Click();
    tick(33);
    EXPECT_EQ(ctl("txtmessage"), "All Tasks Completed, Congratulations!!!");
    EXPECT_EQ(std::pair(sound.played.size(), speech.said.size()), cues);
    f.Form_Unload();
    EXPECT_EQ(speech.stops, stops + 4) << "the mute and Quit";
}

// A step of the wall clock either way, or a sleep of the machine, at any point of a task: the
// task still ends after ten awake seconds of practice. A sleep while the task counts pauses
// it; one during a pause or the time-up message leaves the session as it was. A sleep nine
// seconds in pauses at the tick that would have ended the task; one of two seconds is too
// short to tell from reading the two clocks apart.
TEST_F(Session, NeitherAClockStepNorASleepStretchesOrSkipsATaskOrCountsAsPractice)
{
    enum When { Counting, Paused, Message };
    // When, seconds into task 1, the wall clock's step and the machine's sleep in seconds,
    // on the task's how many-th tick while not paused it ends, and the pauses the session
    // makes itself.
    struct Row {
        When when;
        int at;
        std::int64_t step, sleep;
        int ends, pauses;
    };
    const Row rows[] = {
        {Counting, 0, -3600, 0, 10, 0}, {Counting, 9, 7200, 0, 10, 0},
        {Counting, 0, 0, 1200, 10, 1},  {Counting, 9, 0, 1200, 11, 1},
        {Counting, 5, 0, 2, 10, 0},     {Paused, 5, -3600, 0, 10, 0},
        {Paused, 5, 0, 1200, 10, 0},    {Message, 10, 7200, 0, 10, 0},
        {Message, 10, 0, 1200, 10, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(::testing::Message() << "row " << &row - rows);
        MainForm &f = loaded(2, "testmode",
                             {{"options", "Stop Between tasks", "True"},
                              {"options", "disable ScreenSaver", "True"}});
        const auto event = [&] {
            clock.t += row.step + row.sleep;
            clock.boot += row.sleep;
        };
        bool first = true;
        messages.whileOpen = [&] {
            if (row.when == Message && std::exchange(first, false)) {
                event();
                tick(5); // the user reads the message
            }
        };
        f.cmdstartstop_Click();
        tick(row.at);
        if (row.when == Paused)
            f.cmdpause_Click();
        if (row.when != Message)
            event();
        if (row.when == Paused) {
            tick(30);
            f.cmdpause_Click();
        }
        const std::int16_t task = f.currenttask;
        int ticks = row.when == Message ? 0 : row.at, pauses = 0;
        while (f.sessionRunning() && f.currenttask == task && ticks < 40) {
            tick(1);
            ++ticks;
            if (f.Taskspaused) {
                ++pauses;
                EXPECT_TRUE(ctl("txtmessage").starts_with("Paused...Click on the Pause Button"));
                EXPECT_EQ(screenSaver.calls.back(), "restore");
                tick(3);
                f.cmdpause_Click();
            }
        }
        EXPECT_EQ(std::tuple(ticks, pauses, journal.tasks().at(0).practisedSeconds),
                  std::tuple(row.ends, row.pauses, 10));
    }
    messages.whileOpen = nullptr;

    // The journal counts a task's practice on the monotonic clock, and shows its wall times as
    // they were read: three seconds into a task it is paused, the wall clock steps back while
    // the machine sleeps, and two ticks later the window closes.
    MainForm &f = loaded(2, "testmode");
    const std::int64_t started = clock.t;
    f.cmdstartstop_Click();
    tick(3);
    f.cmdpause_Click();
    clock.t += 1200 - 3600;
    clock.boot += 1200;
    tick(2);
    f.Form_Unload();
    const TaskRecord t = journal.tasks().at(0);
    EXPECT_EQ(std::tuple(t.started, t.ended, t.practisedSeconds, t.ending),
              std::tuple(dateTimeText(started), dateTimeText(started + 5 + 1200 - 3600), 3,
                         TaskEnding::Stopped));
}

TEST_F(Session, TaskLengthIsTheShareOfTheChosenTime)
{
    const std::tuple<const char *, const char *, int, const char *> rows[] = {
        // command line, stored menu entry n: (n + 1) * 10 minutes, tasks, shown
        {"", "0", 16, "00:38"}, {"", "2", 16, "01:52"},        {"", "42", 1, "100:00"},
        {"", "x", 1, "10:00"},  {"testmode", "9", 1, "00:10"}, {"TESTMODE", "0", 1, "10:00"},
    };
    for (const auto &[commandLine, storedTime, tasks, shown] : rows) {
        loaded(tasks, commandLine, {{"TotalTime", "Time", storedTime}});
        EXPECT_EQ(ctl("lblTimer"), shown) << commandLine << '|' << storedTime << '|' << tasks;
    }
}

TEST_F(Session, TheStartTaskStaysWithinTheListAndNine)
{
    MainForm &f = loaded(3, "testmode");
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
    loaded(3, "testmode", {{"currenttask", "number", "-3"}}).startfromspin_UpClick();
    EXPECT_EQ(ctl("lblStartFrom"), "2");
}

TEST_F(Session, AFailedSaveIsSaidOnceAndTheSessionGoesOn)
{
    loaded(2, "testmode");
    auto calls = realSystemCalls();
    calls.write = failWith(ENOSPC);
    ScopedSystemCalls fullDisk(calls);
    const std::string before = readFile(ini);
    click("cmdstartstop");
    tick(20);
    EXPECT_FALSE(form->sessionRunning()) << "the session goes on to its end";
    ASSERT_EQ(messages.shown.size(), 1u) << "later failures of the same file are not repeated";
    for (const std::string &part : {ini, std::string("No space left on device")})
        EXPECT_NE(said(0).find(part), std::string::npos) << part;
    EXPECT_EQ(readFile(ini), before);
}

// Stopped, the window shows what Start begins with, greyed, without drawing a note or moving
// an alternate or a list on; the closing message of a session stays until the user acts.
TEST_F(Session, StoppedTheWindowLooksAheadAndChangesNothing)
{
    loaded(2, "testmode",
           {{"Task1", "description1", "Scales in %note% major%CR%then %list1%"},
            {"Task1", "description2", "Arpeggios"}});
    writeFile(folder.file("List1.txt"), "Minuet\r\nWaltz\r\n");
    const std::string before = readFile(ini);
    click("startfromspinDown"); // an event: the window looks again
    EXPECT_EQ(ctl("txtmessage"), "Scales in \u266A major\r\nthen  Minuet ");
    EXPECT_FALSE(form->controls().at("txtmessage").enabled);
    EXPECT_EQ(ctl("lbltasklist") + ", " + ctl("lbltaskof"), "tasks, Start: task 1 of 2");
    click("startfromspinUp");
    EXPECT_EQ(ctl("txtmessage"), "Task 2");
    EXPECT_EQ(readFile(ini), before);
    EXPECT_EQ(random.calls, 0);

    click("cmdstartstop");
    EXPECT_EQ(ctl("txtmessage") + ", " + ctl("lbltaskof"), "Task 2, Task 2 of 2");
    EXPECT_TRUE(form->controls().at("txtmessage").enabled);
    tick(10);
    program->dispatch(FormId::Main, "frmmain", ControlEvent::Resize);
    EXPECT_EQ(ctl("txtmessage"), "All Tasks Completed, Congratulations!!!");
    EXPECT_EQ(ctl("lbltaskof"), "");
    click("startfromspinDown"); // at the first task already: still an act of the user's
    EXPECT_EQ(ctl("txtmessage"), "Scales in \u266A major\r\nthen  Minuet ");
}

// Each call shows the stored alternate description and stores the next number; a number
// outside 1 to 9, or one that names no description, starts over with the first.
TEST_F(TaskText, AlternatesTakeTurnsAndStartOverOutOfRange)
{
    for (const std::string number : {"1", "2", "9", "10", "-32768"})
        IniWrite("task1", "description" + number, "D" + number, ini);
    const std::tuple<const char *, const char *, const char *> rows[] = {
        // stored, shown, next
        {"", "D1", "2"},   {"2", "D2", "3"},     {"3", "D1", "2"},
        {"9", "D9", "10"}, {"10", "D1", "2"},    {"x", "D1", "2"},
        {"-2", "D1", "2"}, {"40000", "D1", "2"}, {"-40000", "D-32768", "-32767"},
    };
    for (const auto &[stored, shown, next] : rows) {
        IniWrite("task1", "Alternatetask", stored, ini);
        EXPECT_EQ(task(1), shown) << stored;
        EXPECT_EQ(read("task1", "Alternatetask"), next) << stored;
    }
    EXPECT_EQ(task(2), "") << "one past the last task";
    EXPECT_EQ(readFile(ini).find("task2"), std::string::npos) << "no section for no task";
    EXPECT_EQ(read("currenttask", "number"), "1") << "where the next session resumes";
}

// The first %note% becomes a note letter, the first %CR% (or, without one, the first %NL%) a
// line break, and the first "%list" with a digit 1 to 9 and "%" that list's item set off by
// blanks, after the others: an item's own placeholders stay. The description and the item
// are each made UTF-8 on their own.
TEST_F(TaskText, EachPlaceholderIsFilledOnceAndEachPieceMadeUtf8)
{
    random.fallback = 13; // a note letter from below(7): G
    // Each description, the one item of List1.txt, and the text shown.
    const std::tuple<const char *, const char *, const char *> rows[] = {
        {"%note%/%note% %Note%", "", "G/%note% %Note%"},
        {"a%CR%b%NL%c%CR%d", "", "a\r\nb%NL%c%CR%d"},
        {"a%NL%b%NL%c", "", "a\r\nb%NL%c"},
        {"%list1%|%list1%", "Minuet %note%%CR% %list2%", " Minuet %note%%CR% %list2% |%list1%"},
        {"Play%list1%!", "  ", "Play ***Error List 1 contains no items *** !"},
        {"%list0% %list1%", "Waltz", "%list0% %list1%"},
        {"%list12% %list1%", "Waltz", "%list12% %list1%"},
        {"Play %list1", "Waltz", "Play %list1"},
        {"\u00C9tude: %list1%", "Caf\xE9 \x80\x81", "\u00C9tude:  Caf\u00E9 \u20AC\xC2\x81 "},
        {"\xC9tude \x96 %list1%", "Caf\u00E9 \u266A", "\u00C9tude \u2013  Caf\u00E9 \u266A "},
    };
    for (const auto &[description, item, shown] : rows) {
        writeFile(folder.file("List1.txt"), std::string(item) + "\r\n");
        IniWrite("List Group Number 1", "Current Item", "", ini); // due at once: the file's item
        IniWrite("task1", "description1", description, ini);
        EXPECT_EQ(task(1), shown) << description;
    }
    EXPECT_TRUE(messages.shown.empty());
}

// A drawn note is named as the option says, or as the user's language does; the stored
// task keeps its placeholder.
TEST_F(TaskText, ANoteIsNamedAsTheMusiciansTraditionHasIt)
{
    struct Language : Translator {
        std::string translate(const char *, const char *source, const char *, int) const override
        {
            return code == "fr" && std::string_view(source) == "Re" ? "R\u00E9" : "";
        }
        std::string language() const override { return code; }
        std::string code;
    } language;
    const ScopedTranslator speaking(&language);
    const std::tuple<const char *, const char *, int, const char *> rows[] = {
        // option, language, drawn (0 to 6 is A to G), shown
        {"", "en", 1, "B"},          {"", "de", 1, "H"},          {"", "fr", 3, "R\u00E9"},
        {"", "it", 3, "Re"},         {"letters", "de", 1, "B"},   {"german", "en", 1, "H"},
        {"solfege", "en", 6, "Sol"}, {"nonsense", "fr", 1, "Si"},
    };
    IniWrite("task1", "description1", "%note%", ini);
    for (const auto &[option, code, drawn, shown] : rows) {
        language.code = code;
        IniWrite("options", "Note names", option, ini);
        random.script = {drawn};
        EXPECT_EQ(task(1), shown) << option << " " << code;
    }
    EXPECT_EQ(read("task1", "description1"), "%note%");
}

// What is read aloud: the text as shown, a line break heard as a comma's pause unless the
// line has its own stop, then the length in whole minutes.
TEST(SpokenText, ATaskIsSaidAsShownWithItsLengthInWholeMinutes)
{
    for (const auto &[shown, seconds, said] :
         {std::tuple {"Scales in G\r\nthen Romanza", 360, "Scales in G, then Romanza. 6 minutes."},
          {"Play B.\r\n\r\n  slowly  ", 60, "Play B. slowly. 1 minute."},
          {"Arpeggios,\nslow!", 89, "Arpeggios, slow! 1 minute."},
          {"\r\n", 20, "1 minute."}})
        EXPECT_EQ(spokenTask(shown, seconds), said) << shown;
}

} // namespace
} // namespace tb::test
