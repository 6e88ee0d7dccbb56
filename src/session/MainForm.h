#pragma once

#include "forms/Form.h"
#include "forms/FormCalls.h"
#include "journal/Journal.h"
#include "settings/WriteFailures.h"

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tb {

class Clock;
class Help;
class MessageBox;
class Notifier;
class Random;
class Registry;
class ScreenSaver;
class SingleInstance;
class Sound;
class WindowOps;
struct ListContext;

// The outside world as the main window's logic sees it.
struct MainServices {
    Clock &clock;
    Random &random;
    MessageBox &messages;
    Sound &sound;
    ScreenSaver &screenSaver;
    Help &help;
    SingleInstance &instance;
    WindowOps &window;
    Registry &registry;
    Notifier &notifier;
    Journal &journal;
};

// The main window's behaviour: start-up, the session settings and the session itself.
// The Qt window `frmmain` raises its controls' events here and then shows `controls()`.
class MainForm final : public Form
{
public:
    // `programFolder` is the folder of the executable; `commandLine` the arguments after
    // the program name, joined by blanks. `forms` reaches the other windows.
    MainForm(MainServices services, FormCalls &forms, std::string programFolder,
             std::string commandLine);

    // Session state shared with the other windows.
    bool TestingMode = false;
    std::int16_t currenttask = 0;
    std::string inifilename;
    std::string Soundfile;
    bool Disabless = false;
    bool MaxMinScreen = false;
    bool playwavefiletasks = false;
    std::int16_t delay = 0;
    bool Taskspaused = false;
    bool SoundCardOnSystem = false;
    std::int64_t StartPaused = 0;
    bool StopBTasks = false;
    std::int16_t totaltasks = 1;
    bool skippedtonext = false;
    std::int16_t TempTotalTime = 1;

    // Start-up. False when another instance runs: it has been brought to the front and
    // this program must end without showing a window.
    bool Form_Load();
    // The window's size or state changed.
    void Form_Resize();
    // A key reached the window before its controls; true when the key must not go on to
    // the focused control.
    bool Form_KeyDown(int keyCode);
    // The window is going away (closed or quit).
    void Form_Unload();
    // Shows the practice summary while stopped and no other message is up.
    void refresh() override;

    void cmdstartstop_Click();
    void cmdpause_Click();
    void Imagemoveon_Click();
    void timemaintime_Timer();
    void startfromspin_DownClick();
    void startfromspin_UpClick();
    void Timemenu_Click(int index);
    void optionScreenSave_Click();
    void fileopen_Click();
    void helpcontents_Click();
    void helpabouthelp_Click();
    // Right mouse button on a control: its What's-This topic as a pop-up.
    void ShowControlWhatsThis(std::string_view control);
    // F1 on a control that carries a help topic.
    void ShowControlHelp(std::string_view control);

    void loadsettings();
    void setdelay();
    // Composes the text of task `tasknumber` into `txtmessage`.
    void getnexttask(std::int16_t tasknumber);
    void checksong(std::int16_t listnumber);
    bool fExist(const std::string &fileName) const;
    void FormOnTop();
    void UpdateSessionControls(bool stopping);
    // Checks the "Task Time" entry that the task list in use names (TempTotalTime), after
    // unchecking the one checked so far.
    void loadTotalTime();

    // Says which settings files could not be saved since the last call, and why: once per
    // file in a run, so that a full disk does not pile up messages during a session.
    void reportFailedSaves();

    bool sessionIsRunning() const { return sessionrunning; }
    const std::string &programFolder() const { return programFolder_; }
    // Counts the task texts composed; only then may a list's current item have moved on.
    std::uint64_t taskTextsComposed() const { return taskTextsComposed_; }
    // Counts the records written to the practice journal in this run.
    std::uint64_t journalWrites() const { return journalWrites_; }

    static constexpr int kTimeMenuEntries = 10;
    static std::string timeMenuName(int index); // "Timemenu_0" .. "Timemenu_9"
    // Minutes and seconds with at least two digits each: 450 -> "07:30".
    static std::string formatTime(int seconds);

private:
    void firstRun(const std::string &defaultIni);
    void checkTaskListReadable();
    void notifyTaskEnd();
    void showFullTaskLength();
    void setStoppedLayout();
    void endOfTask();
    void endOfSession();
    void blankScreenSaver();
    void restoreScreenSaver();
    bool askToAddTasks();
    void repaint();
    ListContext listContext();
    void beginTaskRecord();
    void recordTask(TaskEnding ending, std::int64_t ended);
    void recordSession(bool completed, std::int64_t ended);
    void keepRecord(const JournalWrite &write);
    void readPracticeSummary();

    MainServices s_;
    FormCalls &forms_;
    std::string programFolder_;
    std::string commandLine_;

    bool sessionrunning = false;
    std::int64_t taskstarttime = 0;
    std::string savedmessage;
    bool endingTask_ = false;
    std::uint64_t taskTextsComposed_ = 0;

    // What the practice journal is told when the task or the session ends.
    std::int64_t sessionStarted_ = 0;
    std::int64_t taskStarted_ = 0;
    std::int64_t lastTaskEnded_ = 0;
    int taskPlanned_ = 0;
    std::string composedText_;
    std::vector<std::string> composedItems_;
    std::uint64_t journalWrites_ = 0;
    std::string practiceSummary_;

    // Settings writes that failed and are not yet said; the files already said.
    std::vector<std::pair<std::string, std::string>> failedSaves_;
    std::set<std::string> saidFailedSaves_;
    ScopedWriteFailureListener saveWatch_;
};

} // namespace tb
