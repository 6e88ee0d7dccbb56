#include "session/MainForm.h"

#include "journal/PracticeStats.h"
#include "lists/Rotation.h"
#include "platform/Clock.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Notifier.h"
#include "platform/SafeFile.h"
#include "platform/ScreenSaver.h"
#include "platform/SingleInstance.h"
#include "platform/Sound.h"
#include "platform/Speech.h"
#include "platform/Translator.h"
#include "platform/WindowOps.h"
#include "session/SpokenText.h"
#include "session/TaskText.h"
#include "settings/Conversions.h"
#include "settings/DateText.h"
#include "settings/FileExists.h"
#include "settings/IniFile.h"
#include "tallybell/Version.h"
#include "tasklist/TaskList.h"
#include "text/Encoding.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <unistd.h>

namespace tb {
namespace {

// Each in the user's language where it is shown: trText("MainForm", ...).
constexpr const char *kNoTasksQuestion
    = TB_MARK("MainForm", "No Tasks exist in this Task List, Would you like to add some?");
constexpr const char *kPausedText
    = TB_MARK("MainForm", "Paused...Click on the Pause Button to resume");
constexpr const char *kCompletedText
    = TB_MARK("MainForm", "All Tasks Completed, Congratulations!!!");
constexpr const char *kTimeUpText = TB_MARK("MainForm", "The time is up on this task");
constexpr const char *kAnyKeyResumes = TB_MARK("MainForm", "Or press any key.");
constexpr const char *kStart = TB_MARK("MainForm", "&Start");
constexpr const char *kStop = TB_MARK("MainForm", "&Stop");

std::string tr(const char *marked)
{
    return trText("MainForm", marked);
}
// A sleep shorter than this goes unnoticed: the two clocks are read one after the other and
// each in whole seconds, so the gap between them can seem to move by a second or two.
constexpr std::int64_t kShortestSleep = 5;

std::string diskErrorCaption()
{
    return fillIn(trText("MainForm", "%1 - Disk Error"), {version::kProductName});
}

// A task text as one line of a notification: its line breaks become plain ones.
std::string notificationText(std::string text)
{
    std::erase(text, '\r');
    return text;
}

std::string twoDigits(int value)
{
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

std::int16_t roundHalfEven(double value)
{
    return static_cast<std::int16_t>(std::nearbyint(std::clamp(value, -32768.0, 32767.0)));
}

} // namespace

MainForm::MainForm(MainServices services, TaskList &list, FormCalls &forms, std::string commandLine)
    : s_(services), list_(list), forms_(forms), commandLine_(std::move(commandLine)),
      saveWatch_([this](const std::string &file, const std::string &reason) {
          failedSaves_.emplace_back(file, reason);
      })
{
    // The stopped layout. Captions that never change are part of the window's design.
    controls_["LabelAppTitle"].caption = version::kProductName;
    controls_["lblStartFrom"].caption = numberToText(currenttask);
    for (const char *name : {"framestartfrom", "startfromspin", "cmdexit", "menfile", "optionS",
                             "helphelp", "TotalTimeMenu", "fileopen", "optionsalm"})
        controls_[name];
    controls_["cmdstartstop"].caption = tr(kStart);
    controls_["cmdpause"].enabled = false;
    controls_["lblTimer"].caption = "00:00";
    controls_["txtmessage"];
    controls_["practiceprogress"].visible = false;
    controls_["Imagemoveon"].visible = false;
    controls_["linepaused"].visible = false;
    controls_["timemaintime"].enabled = false;
    controls_["lbljournal"];
    controls_["lbltasklist"];
    controls_["lbltaskof"];
    for (const char *name : {"fileedit", "editfilesong", "filejournal", "filenew"})
        controls_[name];

    on("frmmain", ControlEvent::KeyDown, [this](EventArgs &key) { Form_KeyDown(key); });
    on("frmmain", ControlEvent::Resize, [this] { Form_Resize(); });
    on("frmmain", ControlEvent::Unload, [this] { Form_Unload(); });
    on("cmdstartstop", ControlEvent::Click, [this] { cmdstartstop_Click(); });
    on("cmdpause", ControlEvent::Click, [this] { cmdpause_Click(); });
    on("Imagemoveon", ControlEvent::Click, [this] { Imagemoveon_Click(); });
    on("timemaintime", ControlEvent::Timer, [this] { timemaintime_Timer(); });
    // The closing message of a session stays until the user acts: Start, the spin, a menu.
    const auto acting = [this](std::function<void()> act) {
        return [this, act = std::move(act)] {
            completedShown_ = false;
            act();
        };
    };
    on("startfromspinUp", ControlEvent::Click, acting([this] { startfromspin_UpClick(); }));
    on("startfromspinDown", ControlEvent::Click, acting([this] { startfromspin_DownClick(); }));
    for (int i = 0; i < kTimeMenuEntries; ++i)
        on(timeMenuName(i), ControlEvent::Click, acting([this, i] { Timemenu_Click(i); }));
    on("optionScreenSave", ControlEvent::Click, acting([this] { optionScreenSave_Click(); }));
    on("optionMuteCues", ControlEvent::Click, acting([this] { optionMuteCues_Click(); }));
    on("optionKeepInPanel", ControlEvent::Click, acting([this] { optionKeepInPanel_Click(); }));
    on("optionMediaKeys", ControlEvent::Click, acting([this] { optionMediaKeys_Click(); }));
    on("fileopen", ControlEvent::Click, acting([this] { fileopen_Click(); }));
    on("filenew", ControlEvent::Click, acting([this] { forms_.cmdnewtaskfile_Click(); }));
    for (const auto &[entry, form] : {std::pair {"optionsalm", FormId::Options},
                                      {"fileedit", FormId::TaskEditor},
                                      {"editfilesong", FormId::ListEditor},
                                      {"filejournal", FormId::Journal},
                                      {"helpabout", FormId::About}})
        on(entry, ControlEvent::Click, acting([this, id = form] { forms_.show(id); }));
    on("helpcontents", ControlEvent::Click, acting([this] { helpcontents_Click(); }));
    on("helpabouthelp", ControlEvent::Click, acting([this] { helpabouthelp_Click(); }));
    for (const char *name : {"cmdstartstop", "cmdpause", "cmdexit", "txtmessage"})
        on(name, ControlEvent::RightClick, [this, name] { ShowControlWhatsThis(name); });
}

std::string MainForm::timeMenuName(int index)
{
    return "Timemenu_" + std::to_string(index);
}

std::string MainForm::formatTime(int seconds)
{
    const int minutes = seconds / 60;
    return twoDigits(minutes) + ":" + twoDigits(seconds - minutes * 60);
}

bool MainForm::soundOutput() const
{
    if (!soundCardOnSystem_)
        soundCardOnSystem_ = s_.sound.hasOutputDevice();
    return *soundCardOnSystem_;
}

bool MainForm::Form_Load()
{
    controls_["LabelAppTitle"].caption = version::kProductName;

    const InstanceCheck instance = s_.instance.checkForRunningInstance();
    if (instance.outcome == InstanceCheck::Outcome::HandedOver) {
        s_.messages.beep();
        return false;
    }
    // Someone else's file or folder is where the guard must live: the user decides.
    if (instance.outcome == InstanceCheck::Outcome::Refused
        && s_.messages.show(fillIn(trText("MainForm",
                                          "%1 cannot make sure that it runs only once:\r\n\r\n%2"
                                          "\r\n\r\nTwo copies at once would overwrite each "
                                          "other's files. Start anyway?"),
                                   {version::kProductName, instance.reason}),
                            version::kProductName, MsgIcon::Exclamation, MsgButtons::YesNo)
            != MsgResult::Yes)
        return false;

    // The list the store names is the one of this run, also when the first start's set-up
    // names the default list for the next one.
    const std::string stored = list_.storedFile();
    if (!list_.firstRunDone())
        firstRun();

    TestingMode = commandLine_ == "testmode";
    list_.open(stored);
    checkTaskListReadable();
    loadsettings();
    s_.window.setCaption(version::kProductName);
    showTotalTime();
    setdelay();
    controls_["lblStartFrom"].caption = numberToText(currenttask);
    showOptionTicks();
    for (int i = 0; i < kTimeMenuEntries; ++i)
        controls_[timeMenuName(i)].caption
            = fillIn(trText("MainForm", "%1 Minutes"), {std::to_string((i + 1) * 10)});
    readPracticeSummary();
    seenRevision_ = list_.revision();
    seenSwitches_ = list_.switches();
    refresh();
    reportFailedSaves();
    return true;
}

void MainForm::firstRun()
{
    const std::string defaultIni = list_.defaultFile();
    // A task list already in place is never replaced, and is no error: also when the
    // default list is gone too.
    const std::string shipped = list_.programFolder() + "/tallydef.ini";
    const int error = renameNoReplace(shipped, defaultIni);
    const bool placed = error == 0;
    if (!placed && !fExist(defaultIni)) {
        s_.messages.show(fillIn(trText("MainForm",
                                       "Couldn't copy the default settings "
                                       "file\r\n\r\n%1\r\nto %2\r\n\r\n%3"),
                                {shipped, defaultIni, std::strerror(error)}),
                         diskErrorCaption(), MsgIcon::Critical, MsgButtons::Ok);
        // Without a task list in place the first run is not over: the next start tries
        // again, when the folder may be writable.
        return;
    }
    list_.recordFirstRun(dateTimeText(s_.clock.now()));
    // Only the list just put in place gets the shipped bell: a list that was there already
    // (a store that lost its first-run date) keeps the sound its user chose.
    if (placed) {
        const std::string wave = list_.programFolder() + "/PINGPONG.WAV";
        TaskListFile(defaultIni).setWavefile(fExist(wave) ? wave : std::string());
    }
}

void MainForm::checkTaskListReadable()
{
    const std::string &inifilename = list_.inifilename();
    const FileRead check = checkSettingsFile(inifilename);
    if (check.status != ReadStatus::NotAFile && check.status != ReadStatus::Error)
        return;
    // The failed writes that follow from it would only say the same again.
    saidFailedSaves_.insert(inifilename);
    s_.messages.show(fillIn(trText("MainForm",
                                   "Couldn't read the task list\r\n\r\n%1\r\n\r\n%2\r\n\r\nThe "
                                   "task list is left as it is and shows no tasks. Choose another "
                                   "one with Open in the File menu."),
                            {inifilename, check.errorText}),
                     diskErrorCaption(), MsgIcon::Critical, MsgButtons::Ok);
}

void MainForm::reportFailedSaves()
{
    std::vector<std::pair<std::string, std::string>> failures;
    failures.swap(failedSaves_);
    for (const auto &[file, reason] : failures) {
        if (!saidFailedSaves_.insert(file).second)
            continue;
        const bool journal = file == s_.journal.location();
        const std::string text = fillIn(
            journal ? trText("MainForm",
                             "Couldn't write to the practice journal\r\n\r\n%1\r\n\r\n%2\r\n\r\n"
                             "The session goes on, but what is practised may not be recorded; "
                             "this message is not repeated until the program is started again.")
                    : trText("MainForm",
                             "Couldn't save the settings file\r\n\r\n%1\r\n\r\n%2\r\n\r\nThe "
                             "file on disk is unchanged. Later changes to it may not be kept "
                             "either; this message is not repeated until the program is started "
                             "again."),
            {file, reason});
        s_.messages.show(text, diskErrorCaption(), MsgIcon::Critical, MsgButtons::Ok);
    }
}

void MainForm::showTotalTime()
{
    shownTotalTime_ = list_.TempTotalTime();
    for (int i = 0; i < kTimeMenuEntries; ++i)
        controls_[timeMenuName(i)].checked = i == shownTotalTime_;
}

// The start task of the list in use; its options and session length are the list's own.
void MainForm::loadsettings()
{
    currenttask = static_cast<std::int16_t>(list_.file().startTask());
}

void MainForm::setdelay()
{
    const auto n = static_cast<std::int16_t>(list_.file().countTasks() + 1);
    if (n >= 2)
        delay = roundHalfEven((list_.TempTotalTime() + 1) * 600.0 / (n - 1));
    if (currenttask > n - 1)
        currenttask = static_cast<std::int16_t>(n - 1);
    // Start begins at task 1 at the least (a stored 0 would run no task and count the
    // session): show and step from that.
    if (currenttask < 1)
        currenttask = 1;
    totaltasks = n;
    chosenDelay_ = delay;
    if (TestingMode)
        delay = 10;
    // Stopped, the timer shows what the first tick will count down from.
    if (!sessionrunning)
        controls_["lblTimer"].caption = formatTime(delay);
}

bool MainForm::fExist(const std::string &fileName)
{
    return tb::fExist(fileName);
}

void MainForm::FormOnTop()
{
    s_.window.bringToFront();
    repaint();
}

void MainForm::repaint()
{
    forms_.showChangesNow();
}

void MainForm::Form_Resize()
{
    // The time in the title is for the task bar entry of a minimised window only.
    if (s_.window.state() != WindowState::Minimized)
        s_.window.setCaption(version::kProductName);
}

void MainForm::Form_KeyDown(EventArgs &key)
{
    if (sessionrunning) {
        if (controls_.at("cmdpause").enabled)
            cmdpause_Click();
        key.cancel = key.key == Key::Space;
    }
    if (key.key == Key::F1 && (key.focused == "cmdstartstop" || key.focused == "cmdpause")) {
        ShowControlHelp(key.focused);
        key.cancel = true;
    }
}

void MainForm::Form_Unload()
{
    s_.speech.stop();
    // Never leave the desktop's screen saver held off after the program is gone.
    if (sessionrunning) {
        restoreScreenSaver();
        const Moment ended = moment();
        recordTask(TaskEnding::Stopped, ended);
        recordSession(false, ended.wall);
    }
}

void MainForm::refresh()
{
    if (list_.switches() != seenSwitches_) {
        seenSwitches_ = list_.switches();
        // Another list: a session starts from its own start task.
        if (!sessionrunning)
            loadsettings();
    }
    if (list_.revision() != seenRevision_) {
        seenRevision_ = list_.revision();
        showOptionTicks();
        // A length chosen elsewhere is in force at once; stopped, the tasks may have been
        // changed too.
        if (list_.TempTotalTime() != shownTotalTime_) {
            showTotalTime();
            setdelay();
        } else if (!sessionrunning) {
            setdelay();
        }
        if (!sessionrunning) {
            controls_["lblStartFrom"].caption = numberToText(currenttask);
            readPracticeSummary();
        }
    }
    controls_["lbljournal"].caption = sessionrunning ? std::string() : practiceSummary_;
    showWhereTheSessionIs();
}

void MainForm::showWhereTheSessionIs()
{
    controls_["lbltasklist"].caption = list_.name();
    const int tasks = totaltasks - 1;
    std::string &place = controls_["lbltaskof"].caption;
    if (sessionrunning)
        place = fillIn(trText("MainForm", "Task %1 of %2"),
                       {numberToText(currenttask), numberToText(tasks)});
    else if (tasks > 0 && !completedShown_)
        place = fillIn(trText("MainForm", "Start: task %1 of %2"),
                       {numberToText(currenttask), numberToText(tasks)});
    else
        place.clear();

    // Paused, the task stays in view under the message; the button says what it does now.
    controls_["cmdpause"].caption
        = Taskspaused ? trText("MainForm", "&Resume") : trText("MainForm", "&Pause");
    ControlState &text = controls_["txtmessage"];
    if (Taskspaused)
        text.caption = tr(kPausedText) + "\r\n" + tr(kAnyKeyResumes) + "\r\n\r\n" + savedmessage;
    // Stopped, what Start begins with, greyed as not yet begun; a session's closing message
    // stays until the user acts.
    text.enabled = sessionrunning || completedShown_;
    if (!sessionrunning && !completedShown_) {
        const std::pair<std::uint64_t, int> key {list_.revision(), currenttask};
        if (key != previewFor_) {
            previewFor_ = key;
            preview_ = tasks > 0 ? previewtask(currenttask, listContext()) : std::string();
        }
        text.caption = preview_;
    }
}

void MainForm::getnexttask(std::int16_t tasknumber)
{
    std::string item;
    controls_["txtmessage"].caption = tb::getnexttask(tasknumber, listContext(), &item);
    composedText_ = controls_["txtmessage"].caption;
    composedItems_.clear();
    if (!item.empty())
        composedItems_.push_back(item);
}

void MainForm::checksong(std::int16_t listnumber)
{
    tb::checksong(listnumber, listContext());
}

ListContext MainForm::listContext()
{
    return {list_.file(), list_.programFolder(), s_.random, s_.messages};
}

// --- The practice journal ------------------------------------------------------------

void MainForm::recordTask(TaskEnding ending, Moment ended)
{
    TaskRecord task;
    // As the wall clock read them: a step of it during the task shows between the two.
    task.started = dateTimeText(taskStarted_);
    task.ended = dateTimeText(ended.wall);
    task.number = currenttask;
    task.text = composedText_;
    task.items = composedItems_;
    task.plannedSeconds = taskPlanned_;
    // The start has moved on by every pause, and one still going is not practice; a late
    // tick adds nothing to the practice.
    const std::int64_t practised = (Taskspaused ? StartPaused : ended.steady) - taskstarttime;
    task.practisedSeconds
        = static_cast<int>(std::clamp<std::int64_t>(practised, 0, std::max(taskPlanned_, 0)));
    task.ending = ending;
    lastTaskEnded_ = ended.wall;
    keepRecord(s_.journal.addTask(task));
}

void MainForm::recordSession(bool completed, std::int64_t ended)
{
    keepRecord(s_.journal.addSession(
        {dateTimeText(sessionStarted_), dateTimeText(ended), list_.inifilename(), completed}));
    readPracticeSummary();
}

void MainForm::keepRecord(const JournalWrite &write)
{
    if (!write.ok)
        reportWriteFailure(s_.journal.location(), write.errorText);
}

void MainForm::readPracticeSummary()
{
    const std::int64_t minutes = minutesOf(s_.journal.secondsPractisedOn(localDay(s_.clock.now())));
    // The count the task list has always kept, so a long-standing user sees their own.
    const int completed = list_.file().sessionsCompleted();
    practiceSummary_ = fillIn(trText("MainForm", "Sessions completed: %1 \u00B7 Today: %2"),
                              {std::to_string(std::max(completed, 0)),
                               trText("MainForm", "%n minute(s)", nullptr, minutes)});
}

// --- The session -------------------------------------------------------------------

// Every length is taken on the monotonic clock, which neither a step of the wall clock nor
// a sleep of the machine moves.
std::int64_t MainForm::steadyNow() const
{
    return s_.clock.monotonic();
}

MainForm::Moment MainForm::moment() const
{
    return {s_.clock.now(), steadyNow()};
}

// The boot-time clock runs on while the machine sleeps and the monotonic clock stands still.
std::int64_t MainForm::sleptSoFar() const
{
    return s_.clock.sinceBoot() - s_.clock.monotonic();
}

// The task's time starts now. A sleep before now, as while the last task's message was
// open, is none of its business.
void MainForm::beginTask()
{
    const Moment start = moment();
    taskstarttime = start.steady;
    taskStarted_ = start.wall;
    taskPlanned_ = delay;
    sleptAtLastLook_ = sleptSoFar();
    warned_ = false;
}

bool MainForm::askToAddTasks()
{
    if (totaltasks != 1)
        return false;
    repaint();
    if (s_.messages.show(tr(kNoTasksQuestion), version::kProductName, MsgIcon::None,
                         MsgButtons::YesNo)
        == MsgResult::Yes)
        forms_.show(FormId::TaskEditor);
    return true;
}

void MainForm::ringBell()
{
    if (list_.options().muteCues)
        return;
    const SoundPlayed rung = playCue(list_.Soundfile());
    if (rung.played)
        bellEndsMs_ = steadyNow() * 1000 + static_cast<std::int64_t>(rung.seconds * 1000);
}

SoundPlayed MainForm::playCue(const std::string &file)
{
    SoundPlayed played = PlaySoundFile(s_.sound, !file.empty() && soundOutput(), file);
    // Said once a run for each sound: a session of many tasks rings it many times.
    if (!played.problem.empty() && saidBells_.insert(file).second)
        s_.messages.show(fillIn(trText("MainForm", "Couldn't play the sound\r\n\r\n%1\r\n\r\n%2"),
                                {file, played.problem}),
                         version::kProductName, MsgIcon::Exclamation, MsgButtons::Ok);
    return played;
}

int MainForm::warnLead() const
{
    const int lead = list_.options().warnSeconds;
    if (lead <= 0 || chosenDelay_ < 2 * lead)
        return 0;
    if (!TestingMode)
        return lead;
    return std::max<int>(1, roundHalfEven(lead * static_cast<double>(delay) / chosenDelay_));
}

void MainForm::speak(const std::string &text)
{
    if (!list_.options().readAloud || list_.options().muteCues || text.empty())
        return;
    // After the bell: the two together would drown each other.
    const std::int64_t ringing = bellEndsMs_ - steadyNow() * 1000;
    constexpr int kAfterBellMs = 300;
    s_.speech.say(text, ringing > 0 ? static_cast<int>(ringing) + kAfterBellMs : 0,
                  list_.options().speechRate);
}

void MainForm::showFullTaskLength()
{
    controls_["lblTimer"].caption = formatTime(delay);
    controls_["lblTimer"].emphasis = false;
    repaint();
}

void MainForm::blankScreenSaver()
{
    if (list_.Disabless() && !screenSaverHeld_) {
        s_.screenSaver.blank();
        screenSaverHeld_ = true;
    }
}

void MainForm::restoreScreenSaver()
{
    if (screenSaverHeld_) {
        s_.screenSaver.restore();
        screenSaverHeld_ = false;
    }
}

void MainForm::UpdateSessionControls(bool stopping)
{
    controls_["cmdstartstop"].caption = tr(stopping ? kStart : kStop);
    for (const char *name :
         {"startfromspin", "framestartfrom", "lblStartFrom", "Imagemoveon", "practiceprogress"})
        controls_[name].visible = !controls_[name].visible;
    for (const char *name :
         {"cmdexit", "menfile", "optionS", "helphelp", "TotalTimeMenu", "cmdpause"})
        controls_[name].enabled = !controls_[name].enabled;
}

void MainForm::setStoppedLayout()
{
    controls_["cmdpause"].enabled = false;
    controls_["cmdstartstop"].caption = tr(kStart);
    controls_["practiceprogress"].visible = false;
    for (const char *name : {"startfromspin", "framestartfrom", "lblStartFrom"})
        controls_[name].visible = true;
    controls_["Imagemoveon"].visible = false;
    controls_["cmdexit"].enabled = true;
    controls_["lblStartFrom"].caption = numberToText(currenttask);
    for (const char *name : {"menfile", "optionS", "helphelp", "TotalTimeMenu"})
        controls_[name].enabled = true;
    controls_["txtmessage"].caption.clear();
    controls_["timemaintime"].enabled = false;
    controls_["lblTimer"].emphasis = false;
}

void MainForm::cmdstartstop_Click()
{
    setdelay();
    if (askToAddTasks())
        return;

    if (!sessionrunning) {
        completedShown_ = false;
        showFullTaskLength();
        controls_["practiceprogress"].value = 100;
        controls_["timemaintime"].enabled = true;
        // A skip clicked in the last second of the previous session must not carry over.
        skippedtonext = false;
        UpdateSessionControls(false);
        if (list_.MaxMinScreen())
            s_.window.setState(WindowState::Maximized);
        blankScreenSaver();
        sessionrunning = true;
        beginTask();
        sessionStarted_ = taskStarted_;
        getnexttask(currenttask);
        speak(spokenTask(composedText_, chosenDelay_));
        return;
    }

    if (Taskspaused)
        cmdpause_Click();
    s_.speech.stop();
    const Moment ended = moment();
    if (list_.MaxMinScreen())
        s_.window.setState(WindowState::Normal);
    setStoppedLayout();
    restoreScreenSaver();
    sessionrunning = false;
    controls_["lblTimer"].caption = formatTime(delay);
    recordTask(TaskEnding::Stopped, ended);
    recordSession(false, ended.wall);
    taskstarttime = steadyNow();
}

void MainForm::cmdpause_Click()
{
    if (!Taskspaused) {
        StartPaused = steadyNow();
        savedmessage = controls_["txtmessage"].caption;
        controls_["txtmessage"].caption = tr(kPausedText);
        controls_["linepaused"].visible = true;
        controls_["optionS"].enabled = !controls_["optionS"].enabled;
        restoreScreenSaver();
        s_.speech.stop();
        Taskspaused = true;
    } else {
        controls_["txtmessage"].caption = savedmessage;
        const std::int64_t paused = steadyNow() - StartPaused;
        controls_["linepaused"].visible = false;
        taskstarttime += paused;
        // A sleep during the pause was part of it.
        sleptAtLastLook_ = sleptSoFar();
        controls_["optionS"].enabled = !controls_["optionS"].enabled;
        blankScreenSaver();
        Taskspaused = false;
    }
}

void MainForm::Imagemoveon_Click()
{
    skippedtonext = true;
}

void MainForm::timemaintime_Timer()
{
    // A tick arriving while the end of a task is still being handled (its modal message
    // is open) must not start a second end of task.
    if (!sessionrunning || Taskspaused || endingTask_)
        return;
    // The machine slept since the last tick: nobody practised meanwhile, and the musician
    // may not be back yet. The monotonic clock stood still, so the pause begins when the
    // machine went to sleep.
    const std::int64_t slept = sleptSoFar();
    const bool woke = slept - sleptAtLastLook_ >= kShortestSleep;
    sleptAtLastLook_ = slept;
    if (woke) {
        cmdpause_Click();
        return;
    }

    const std::int64_t left = delay - (steadyNow() - taskstarttime);
    if (left > 0 && !skippedtonext) {
        const std::string shown = formatTime(static_cast<int>(left));
        controls_["lblTimer"].caption = shown;
        const int lead = warnLead();
        controls_["lblTimer"].emphasis = left <= lead;
        if (left <= lead && !warned_) {
            warned_ = true;
            if (!list_.options().muteCues)
                playCue(list_.programFolder() + "/" + kWarningSound);
        }
        const double share = delay > 0 ? static_cast<double>(left) / delay * 100.0 : 0.0;
        if (share <= 100.0)
            controls_["practiceprogress"].value = roundHalfEven(share);
        if (s_.window.state() == WindowState::Minimized)
            s_.window.setCaption(std::string(version::kProductName) + " " + shown);
        return;
    }
    endingTask_ = true;
    endOfTask();
    endingTask_ = false;
}

void MainForm::notifyTaskEnd()
{
    // Only a user working in another window needs telling.
    if (s_.window.isActive() && s_.window.state() != WindowState::Minimized)
        return;
    const int next = currenttask + 1;
    const bool last = list_.file().description(next, 1).empty();
    s_.notifier.notify(
        tr(kTimeUpText),
        notificationText(controls_["txtmessage"].caption) + "\n"
            + (last ? trText("MainForm", "That was the last task of the session.")
                    : fillIn(trText("MainForm", "Next: task %1 of %2."),
                             {std::to_string(next), std::to_string(totaltasks - 1)})));
}

void MainForm::endOfTask()
{
    const Moment ended = moment();
    const TaskEnding ending = skippedtonext ? TaskEnding::Skipped : TaskEnding::TimeUp;
    showFullTaskLength();
    controls_["practiceprogress"].value = 100;
    // The title no longer counts: the task is over.
    s_.window.setCaption(version::kProductName);
    if (list_.playwavefiletasks() && !skippedtonext)
        ringBell();
    if (!skippedtonext)
        notifyTaskEnd();
    if (list_.StopBTasks() && !skippedtonext) {
        repaint();
        s_.messages.show(tr(kTimeUpText), version::kProductName, MsgIcon::Information,
                         MsgButtons::Ok);
    }
    skippedtonext = false;
    // After the bell and the message: a slow disk never holds them up.
    recordTask(ending, ended);

    if (sessionrunning) {
        currenttask = static_cast<std::int16_t>(std::min<int>(currenttask + 1, 32767));
        getnexttask(currenttask);
        if (s_.window.state() == WindowState::Minimized) {
            s_.window.setState(list_.MaxMinScreen() ? WindowState::Maximized : WindowState::Normal);
            s_.window.setCaption(version::kProductName);
        }
        FormOnTop();
        if (controls_.at("txtmessage").caption.empty())
            endOfSession();
        else
            speak(spokenTask(composedText_, chosenDelay_));
    }
    beginTask();
}

void MainForm::endOfSession()
{
    sessionrunning = false;
    if (list_.MaxMinScreen())
        s_.window.setState(WindowState::Normal);
    UpdateSessionControls(true);
    currenttask = 1;
    controls_["lblStartFrom"].caption = numberToText(currenttask);
    list_.file().setStartTask(1);
    controls_["timemaintime"].enabled = false;
    restoreScreenSaver();
    const int completed = list_.file().sessionsCompleted();
    list_.file().setSessionsCompleted(std::min(completed + 1, 32767));
    if (list_.playwavefiletasks())
        ringBell();
    speak(spokenSessionEnd());
    FormOnTop();
    controls_["txtmessage"].caption = tr(kCompletedText);
    completedShown_ = true;
    controls_["lblTimer"].caption = formatTime(delay);
    recordSession(true, lastTaskEnded_);
}

void MainForm::startfromspin_DownClick()
{
    if (currenttask > 1) {
        --currenttask;
        controls_["lblStartFrom"].caption = numberToText(currenttask);
    }
}

void MainForm::startfromspin_UpClick()
{
    if (currenttask < totaltasks - 1 && currenttask < 9) {
        ++currenttask;
        controls_["lblStartFrom"].caption = numberToText(currenttask);
    }
}

void MainForm::Timemenu_Click(int index)
{
    if (index < 0 || index >= kTimeMenuEntries)
        return;
    list_.chooseTotalTime(index);
    showTotalTime();
    setdelay();
}

void MainForm::showOptionTicks()
{
    controls_["optionScreenSave"].checked = list_.Disabless();
    controls_["optionMuteCues"].checked = list_.options().muteCues;
    controls_["optionKeepInPanel"].checked = list_.keepInPanel();
    controls_["optionMediaKeys"].checked = list_.mediaKeys();
}

void MainForm::optionScreenSave_Click()
{
    list_.setDisabless(!list_.Disabless());
    showOptionTicks();
}

void MainForm::optionMuteCues_Click()
{
    list_.setMuteCues(!list_.options().muteCues);
    showOptionTicks();
    if (list_.options().muteCues)
        s_.speech.stop();
}

void MainForm::optionKeepInPanel_Click()
{
    list_.setKeepInPanel(!list_.keepInPanel());
    showOptionTicks();
}

void MainForm::optionMediaKeys_Click()
{
    list_.setMediaKeys(!list_.mediaKeys());
    showOptionTicks();
}

void MainForm::setPanelAvailable(bool available)
{
    ControlState &option = controls_["optionKeepInPanel"];
    option.enabled = available;
    option.toolTip = available ? std::string()
                               : trText("MainForm",
                                        "This desktop has no panel for status icons, "
                                        "so closing the window quits Tallybell.");
}

MainForm::Countdown MainForm::countdown() const
{
    Countdown shown;
    shown.running = sessionrunning;
    shown.paused = Taskspaused;
    shown.taskEnding = endingTask_;
    shown.task = currenttask;
    shown.tasks = std::max(totaltasks - 1, 0);
    shown.length = delay;
    shown.left = delay;
    shown.text = preview_;
    if (sessionrunning) {
        const std::int64_t at = Taskspaused ? StartPaused : steadyNow();
        const std::int64_t left = endingTask_ ? 0 : delay - (at - taskstarttime);
        shown.left = static_cast<int>(std::clamp<std::int64_t>(left, 0, std::max<int>(delay, 0)));
        shown.text = composedText_;
    }
    return shown;
}

// The switch itself, with the new list's options, length and start task, follows in
// refresh().
void MainForm::fileopen_Click()
{
    forms_.cmdselecttaskfile_Click();
}

void MainForm::taskListEdited()
{
    setdelay();
    // A running session goes on where it is: only the next one starts from the top.
    if (!sessionrunning) {
        currenttask = 1;
        controls_["lblStartFrom"].caption = numberToText(currenttask);
    }
}

void MainForm::helpcontents_Click()
{
    s_.help.WinHelp(Help::HELP_FINDER, 0);
}

void MainForm::helpabouthelp_Click()
{
    s_.help.WinHelp(Help::HELP_HELPONHELP, 0);
}

namespace {
int whatsThisTopic(std::string_view control)
{
    if (control == "cmdstartstop")
        return 15;
    if (control == "cmdpause")
        return 18;
    if (control == "cmdexit")
        return 8;
    if (control == "txtmessage")
        return 19;
    return 0;
}
} // namespace

void MainForm::ShowControlWhatsThis(std::string_view control)
{
    if (const int topic = whatsThisTopic(control))
        s_.help.WinHelp(Help::HELP_CONTEXTPOPUP, topic);
}

void MainForm::ShowControlHelp(std::string_view control)
{
    if (control == "cmdstartstop" || control == "cmdpause")
        s_.help.WinHelp(Help::HELP_CONTEXT, whatsThisTopic(control));
}

} // namespace tb
