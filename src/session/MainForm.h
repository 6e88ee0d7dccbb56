#pragma once

#include "forms/Form.h"
#include "forms/FormCalls.h"
#include "journal/Journal.h"
#include "platform/Sound.h"
#include "settings/WriteFailures.h"
#include "tasklist/Session.h"

#include <cstdint>
#include <optional>
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
class ScreenSaver;
class SingleInstance;
class Speech;
class WindowOps;
class TaskList;
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
    Notifier &notifier;
    Journal &journal;
    Speech &speech;
};

// The main window's behaviour: start-up, the session settings and the session itself.
// The Qt window `frmmain` raises its controls' events here and then shows `controls()`.
// The task list in use, its options and its session length are `list`'s; the session is
// what the other windows see of this one.
class MainForm final : public Form, public Session
{
public:
    // `commandLine` is the arguments after the program name, joined by blanks. `forms`
    // reaches the other windows.
    MainForm(MainServices services, TaskList &list, FormCalls &forms, std::string commandLine);

    // The session's state.
    bool TestingMode = false;
    std::int16_t currenttask = 0;
    std::int16_t delay = 0;
    bool Taskspaused = false;
    std::int64_t StartPaused = 0; // on the monotonic clock
    std::int16_t totaltasks = 1;
    bool skippedtonext = false;

    // Start-up. False when another instance runs: it has been brought to the front and
    // this program must end without showing a window.
    bool Form_Load();
    // The window's size or state changed.
    void Form_Resize();
    // A key reached the window before its controls: any key pauses or resumes a session,
    // F1 on a button with a topic shows it. A space that paused goes no further.
    void Form_KeyDown(EventArgs &key);
    // The window is going away (closed or quit).
    void Form_Unload();
    // Follows the task list in use: another list, an option, the session length or the
    // file changed on disk; shows the practice summary while stopped.
    void refresh() override;

    bool sessionRunning() const override { return sessionrunning; }
    bool sessionPaused() const override { return Taskspaused; }
    int sessionTask() const override { return currenttask; }
    int sessionTaskCount() const override { return totaltasks - 1; }
    // Asked of the sound system at the first cue or question, not at start: the window shows
    // before the sound system is loaded, and a run that plays nothing never loads it.
    bool soundOutput() const override;
    void taskListEdited() override;

    // What the panel, the media keys and the commands from outside show of the session.
    struct Countdown {
        bool running = false;
        bool paused = false;
        // A task's end is being handled: its message may be open, and the time stands.
        bool taskEnding = false;
        int task = 0; // the task counting, or the one Start begins with
        int tasks = 0;
        int length = 0; // seconds of a task
        int left = 0; // seconds left of the task
        std::string text; // the task text, or the one Start begins with
    };
    Countdown countdown() const;
    // Whether the desktop has a panel for a status icon: without one, the option to keep
    // running there is greyed and says why.
    void setPanelAvailable(bool available);

    void cmdstartstop_Click();
    void cmdpause_Click();
    void Imagemoveon_Click();
    void timemaintime_Timer();
    void startfromspin_DownClick();
    void startfromspin_UpClick();
    void Timemenu_Click(int index);
    void optionScreenSave_Click();
    // The bell, the warning and speech on or off, for this task list.
    void optionMuteCues_Click();
    void optionKeepInPanel_Click();
    void optionMediaKeys_Click();
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
    static bool fExist(const std::string &fileName);
    void FormOnTop();
    void UpdateSessionControls(bool stopping);

    // Says which settings files could not be saved since the last call, and why: once per
    // file in a run, so that a full disk does not pile up messages during a session.
    void reportFailedSaves();

    static constexpr int kTimeMenuEntries = 10;
    static std::string timeMenuName(int index); // "Timemenu_0" .. "Timemenu_9"
    // Minutes and seconds with at least two digits each: 450 -> "07:30".
    static std::string formatTime(int seconds);

private:
    void firstRun();
    // The list in use, the task the session is at or starts from, the paused state, and
    // while stopped a look at what Start begins with.
    void showWhereTheSessionIs();
    void showTotalTime();
    void checkTaskListReadable();
    void notifyTaskEnd();
    void showFullTaskLength();
    void setStoppedLayout();
    void endOfTask();
    void endOfSession();
    // The bell at the end of a task or session; a sound that cannot be a bell is said once.
    void ringBell();
    // A sound of the program's own, said once when it cannot be played.
    SoundPlayed playCue(const std::string &file);
    // Seconds before a task's end that the warning sounds and the timer stands out; 0 when
    // there is none: none chosen, or the task lasts less than twice as long. In test mode,
    // where a task lasts ten seconds, the lead shrinks in proportion.
    int warnLead() const;
    // Reads `text` aloud when the option is on and the cues are not muted: after the bell,
    // when one is ringing.
    void speak(const std::string &text);
    // The Options menu's switches as the task list has them.
    void showOptionTicks();
    void blankScreenSaver();
    void restoreScreenSaver();
    bool askToAddTasks();
    void repaint();
    ListContext listContext();
    // One moment on two clocks: the wall clock's reading for the times the journal shows,
    // the monotonic clock's for lengths.
    struct Moment {
        std::int64_t wall = 0;
        std::int64_t steady = 0;
    };
    Moment moment() const;
    std::int64_t steadyNow() const;
    std::int64_t sleptSoFar() const;
    void beginTask();
    void recordTask(TaskEnding ending, Moment ended);
    void recordSession(bool completed, std::int64_t ended);
    void keepRecord(const JournalWrite &write);
    void readPracticeSummary();

    MainServices s_;
    TaskList &list_;
    FormCalls &forms_;
    std::string commandLine_;

    bool sessionrunning = false;
    // On the monotonic clock: when the task began, moved forward by every pause.
    std::int64_t taskstarttime = 0;
    // How long the machine had slept since boot when the session last looked.
    std::int64_t sleptAtLastLook_ = 0;
    std::string savedmessage;
    bool endingTask_ = false;
    // The task's length as chosen, before test mode shortens it.
    int chosenDelay_ = 0;
    // The warning has sounded for this task.
    bool warned_ = false;
    // When the last bell stops ringing, in milliseconds on the monotonic clock.
    std::int64_t bellEndsMs_ = 0;
    // The screen saver is held off by this session: let go whenever the session ends,
    // whatever the option says by then.
    bool screenSaverHeld_ = false;
    // What of the task list in use is shown.
    std::uint64_t seenRevision_ = 0;
    std::uint64_t seenSwitches_ = 0;
    int shownTotalTime_ = -1;
    // "All Tasks Completed" is showing and stays until the user acts.
    bool completedShown_ = false;
    // The look ahead at the start task, and the revision and task it was taken for.
    std::string preview_;
    std::pair<std::uint64_t, int> previewFor_ {~std::uint64_t {0}, 0};

    // What the practice journal is told when the task or the session ends; times on the
    // wall clock.
    std::int64_t sessionStarted_ = 0;
    std::int64_t taskStarted_ = 0;
    std::int64_t lastTaskEnded_ = 0;
    int taskPlanned_ = 0;
    std::string composedText_;
    std::vector<std::string> composedItems_;
    std::string practiceSummary_;

    // Settings writes that failed and are not yet said; the files already said.
    std::vector<std::pair<std::string, std::string>> failedSaves_;
    std::set<std::string> saidFailedSaves_;
    std::set<std::string> saidBells_;
    ScopedWriteFailureListener saveWatch_;
    mutable std::optional<bool> soundCardOnSystem_;
};

} // namespace tb
