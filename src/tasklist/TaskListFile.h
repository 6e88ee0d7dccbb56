#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tb {

class IniBatch;

// The options a session runs with, as a task list holds them.
struct TaskListOptions {
    std::string Soundfile; // the bell: full path of a wave file, or empty
    bool Disabless = false; // hold the screen saver off during the countdown
    bool MaxMinScreen = false; // the main window full screen during the countdown
    bool playwavefiletasks = false; // the bell at the end of each task
    bool StopBTasks = false; // a message at the end of each task
    // Cues for the ears.
    int warnSeconds = 0; // a soft cue this long before a task ends; 0 for none
    bool readAloud = false; // each task's text read aloud when it begins
    int speechRate = 0; // -1 slower, 0 the voice's own, 1 faster
    bool muteCues = false; // no bell, no warning, nothing read aloud

    bool operator==(const TaskListOptions &) const = default;
};

// Typed access to the entries of one task list (a settings file). Every section and key name
// of the file is written here and nowhere else; each call reads or writes one entry at once
// through the settings engine, which parses an unchanged file only once.
//
// Numbers read as the leading number of the text, rounded half to even, as 16 bits; truth
// values as "True"/"False" in any case or a number, except where a reader says "exactly".
// Writers answer false when the file could not be written (the failure is also reported to
// the write-failure listener in force).
class TaskListFile
{
public:
    explicit TaskListFile(std::string path);

    const std::string &path() const { return path_; }

    // [options]
    std::string wavefile() const;
    bool setWavefile(std::string_view file) const;
    // True only for the exact text "True".
    bool screenSaverOff() const;
    bool setScreenSaverOff(bool off) const;
    bool fullScreen() const;
    bool setFullScreen(bool on) const;
    bool playSound() const;
    bool setPlaySound(bool on) const;
    bool stopBetweenTasks() const;
    bool setStopBetweenTasks(bool on) const;
    // "Warn before end": seconds, one of kWarnChoices; anything else is 0, no warning.
    int warnSeconds() const;
    bool setWarnSeconds(int seconds) const;
    static constexpr int kWarnChoices[] = {0, 10, 30, 60, 120};
    bool readAloud() const;
    bool setReadAloud(bool on) const;
    // "Speech rate": -1, 0 or 1; anything else is 0.
    int speechRate() const;
    bool setSpeechRate(int rate) const;
    bool muteCues() const;
    bool setMuteCues(bool on) const;
    // The options as a session starts from them.
    TaskListOptions options() const;
    // "Note names": how a drawn note is named, kNoteLetters, kNoteGerman or kNoteSolfege;
    // empty (and anything else) for the way of the user's language.
    std::string noteNames() const;
    bool setNoteNames(std::string_view names) const;
    static constexpr const char *kNoteLetters = "letters";
    static constexpr const char *kNoteGerman = "german";
    static constexpr const char *kNoteSolfege = "solfege";
    // "Keep in panel": closing the main window leaves the program running in the panel.
    bool keepInPanel() const;
    bool setKeepInPanel(bool on) const;
    // "Media keys": the media keys and headset buttons control a running session.
    bool mediaKeys() const;
    bool setMediaKeys(bool on) const;

    // [TotalTime] Time: the session length, index 0 to 9 of 10 to 100 minutes; 1 when absent.
    // Returned as stored, which may lie outside 0 to 9.
    int totalTime() const;
    bool setTotalTime(int index) const;
    // The same write as part of a batch of writes to the file.
    static bool setTotalTime(IniBatch &batch, int index);

    // [currenttask] number: where the next session starts; 1 when absent.
    int startTask() const;
    bool setStartTask(int task) const;

    // [History] Sessions Completed; 0 when absent.
    int sessionsCompleted() const;
    // As stored, "0" when absent: copied as it is where a count is noted.
    std::string sessionsCompletedText() const;
    bool setSessionsCompleted(int count) const;

    // [taskN] descriptionM, and [taskN] Alternatetask (0 when absent or not a number).
    std::string description(int task, int description) const;
    int alternateTask(int task) const;
    bool setAlternateTask(int task, int next) const;
    // The tasks are the sections from task 1 on up to the first without a description1.
    int countTasks() const;

    // [List Group Number N]: the state of list N's rotation.
    std::string currentItem(int list, std::string_view defaultValue = {}) const;
    bool setCurrentItem(int list, std::string_view item) const;
    // "Change Song": after how many completed sessions the item changes; 1 when absent.
    int changeInterval(int list) const;
    bool setChangeInterval(int list, int sessions) const;
    // "Change Song Random": random rather than ordered, only for the exact text "True".
    bool randomChange(int list) const;
    bool setRandomChange(int list, bool random) const;
    // "Last Change Session Number": the completed sessions when the item last changed.
    int lastChangeSession(int list) const;
    bool setLastChangeSession(int list, std::string_view count) const;

    // The bytes of a new task list holding `options` and the session length `totalTime`, as
    // the six entries written one by one into an empty file would leave them; the note
    // names follow when they are set.
    static std::string newTaskList(const TaskListOptions &options, int totalTime,
                                   std::string_view noteNames = {});

    // The section of task `task` as the session reads it ("task3") and as the task list
    // editor writes it ("Task3"): names match in any case, and each keeps its spelling.
    static std::string taskSection(int task);
    static std::string editorTaskSection(int task);
    static std::string descriptionKey(int description);
    // The section of list `list`'s state: "List Group Number 3".
    static std::string listGroupSection(int list);

private:
    std::string read(std::string_view section, std::string_view key,
                     std::string_view defaultValue) const;
    bool write(std::string_view section, std::string_view key, std::string_view value) const;

    std::string path_;
};

} // namespace tb
