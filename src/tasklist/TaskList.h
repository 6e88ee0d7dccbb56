#pragma once

#include "platform/SafeFile.h"
#include "tasklist/TaskListFile.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tb {

class Registry;
class Session;

// The task list in use: which settings file it is, the options and the session length the
// session runs with, and the switch to another list. The program has one; every window
// reads the list in use here and compares `revision()` to see whether anything changed.
//
// The options are read when a list is taken into use and changed through the setters,
// which write them to the file at once. The session length chosen for this run
// (`TempTotalTime`) is the file's until the user picks another; it is written only by the
// task list editor.
class TaskList
{
public:
    TaskList(std::string programFolder, Registry &registry);

    // The session, asked whether a list may be switched now. Not owned.
    void setSession(const Session *session) { session_ = session; }

    const std::string &inifilename() const { return file_.path(); }
    const TaskListFile &file() const { return file_; }
    const std::string &programFolder() const { return programFolder_; }
    // The list's name as the user knows it: the file name without its folder and ".ini".
    std::string name() const { return nameOf(inifilename()); }
    static std::string nameOf(const std::string &file);

    // Moves on with every change: ours (an option, the session length, another list) and
    // the file's on disk, which `poll` looks for.
    std::uint64_t revision() const { return revision_; }
    // Moves on each time another list is taken into use.
    std::uint64_t switches() const { return switches_; }
    // Looks whether the file changed on disk since it was last seen; true, and the revision
    // moved on, when it did. One stat.
    bool poll();

    // While a session runs or is paused the list in use cannot be switched or replaced.
    bool locked() const;

    // The program folder's "tallywork.ini": the list in use when the store names none.
    std::string defaultFile() const;
    // The store's "Settings File", or the default list.
    std::string storedFile() const;
    // The store's "FirstRun" holds a date: the first start is over.
    bool firstRunDone() const;
    // Notes the first start as done at `dateText`, with the default list in use.
    void recordFirstRun(const std::string &dateText);

    // Takes `file` into use at start-up: its options and session length are read.
    void open(const std::string &file);
    // Takes another list into use and stores it for the next start: its options are read
    // afresh (none carries over from the list before) and its session length becomes the
    // one in force. False, and nothing changes, while locked.
    bool switchTo(const std::string &file);

    const TaskListOptions &options() const { return options_; }
    const std::string &Soundfile() const { return options_.Soundfile; }
    bool Disabless() const { return options_.Disabless; }
    bool MaxMinScreen() const { return options_.MaxMinScreen; }
    bool playwavefiletasks() const { return options_.playwavefiletasks; }
    bool StopBTasks() const { return options_.StopBTasks; }
    void setSoundfile(const std::string &file);
    void setDisabless(bool on);
    void setMaxMinScreen(bool on);
    void setPlaywavefiletasks(bool on);
    void setStopBTasks(bool on);
    void setWarnSeconds(int seconds);
    void setReadAloud(bool on);
    void setSpeechRate(int rate);
    void setMuteCues(bool on);
    // Closing the main window leaves the program in the panel (where there is one).
    bool keepInPanel() const { return keepInPanel_; }
    void setKeepInPanel(bool on);
    // The media keys control a running session.
    bool mediaKeys() const { return mediaKeys_; }
    void setMediaKeys(bool on);

    // The session length in force, index 0 to 9 of 10 to 100 minutes.
    int TempTotalTime() const { return TempTotalTime_; }
    // Another length for this run only; the file keeps its own.
    void chooseTotalTime(int index);

    static constexpr int kTotalTimeEntries = 10;

private:
    void readFile(const std::string &file);
    void changed() { ++revision_; }

    std::string programFolder_;
    Registry &registry_;
    const Session *session_ = nullptr;
    TaskListFile file_;
    TaskListOptions options_;
    bool keepInPanel_ = false;
    bool mediaKeys_ = false;
    int TempTotalTime_ = 1;
    std::uint64_t revision_ = 0;
    std::uint64_t switches_ = 0;
    std::optional<FileStamp> seen_;
    bool seenSettled_ = true;
};

} // namespace tb
