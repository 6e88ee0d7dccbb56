#include "tasklist/TaskListFile.h"

#include "settings/Conversions.h"
#include "settings/IniFile.h"

#include <algorithm>
#include <iterator>

namespace tb {
namespace {

constexpr std::string_view kOptions = "options";
constexpr std::string_view kWavefile = "wavefile";
constexpr std::string_view kScreenSaver = "disable ScreenSaver";
constexpr std::string_view kFullScreen = "Use Full Screen";
constexpr std::string_view kPlaySound = "Play Sound";
constexpr std::string_view kStopBetween = "Stop Between tasks";
constexpr std::string_view kNoteNames = "Note names";
constexpr std::string_view kWarnBeforeEnd = "Warn before end";
constexpr std::string_view kReadAloud = "Read tasks aloud";
constexpr std::string_view kSpeechRate = "Speech rate";
constexpr std::string_view kMuteCues = "Mute cues";
// Newer keys, which older versions pass over.
constexpr std::string_view kKeepInPanel = "Keep in panel";
constexpr std::string_view kMediaKeys = "Media keys";

constexpr std::string_view kTotalTime = "TotalTime";
constexpr std::string_view kTime = "Time";
constexpr std::string_view kCurrentTask = "currenttask";
constexpr std::string_view kNumber = "number";
constexpr std::string_view kHistory = "History";
constexpr std::string_view kSessionsCompleted = "Sessions Completed";
constexpr std::string_view kAlternateTask = "Alternatetask";

constexpr std::string_view kCurrentItem = "Current Item";
constexpr std::string_view kChangeSong = "Change Song";
constexpr std::string_view kChangeSongRandom = "Change Song Random";
constexpr std::string_view kLastChange = "Last Change Session Number";

constexpr std::string_view kTrue = "True";

} // namespace

TaskListFile::TaskListFile(std::string path) : path_(std::move(path))
{
}

std::string TaskListFile::read(std::string_view section, std::string_view key,
                               std::string_view defaultValue) const
{
    return IniRead(section, key, path_, defaultValue);
}

bool TaskListFile::write(std::string_view section, std::string_view key,
                         std::string_view value) const
{
    return IniWrite(section, key, value, path_);
}

std::string TaskListFile::wavefile() const
{
    return read(kOptions, kWavefile, "");
}

bool TaskListFile::setWavefile(std::string_view file) const
{
    return write(kOptions, kWavefile, file);
}

bool TaskListFile::screenSaverOff() const
{
    return read(kOptions, kScreenSaver, "false") == kTrue;
}

bool TaskListFile::setScreenSaverOff(bool off) const
{
    return write(kOptions, kScreenSaver, boolToText(off));
}

bool TaskListFile::fullScreen() const
{
    return textToBool(read(kOptions, kFullScreen, "False"));
}

bool TaskListFile::setFullScreen(bool on) const
{
    return write(kOptions, kFullScreen, boolToText(on));
}

bool TaskListFile::playSound() const
{
    return textToBool(read(kOptions, kPlaySound, "False"));
}

bool TaskListFile::setPlaySound(bool on) const
{
    return write(kOptions, kPlaySound, boolToText(on));
}

bool TaskListFile::stopBetweenTasks() const
{
    return textToBool(read(kOptions, kStopBetween, "False"));
}

bool TaskListFile::setStopBetweenTasks(bool on) const
{
    return write(kOptions, kStopBetween, boolToText(on));
}

std::string TaskListFile::noteNames() const
{
    return read(kOptions, kNoteNames, "");
}

bool TaskListFile::setNoteNames(std::string_view names) const
{
    return write(kOptions, kNoteNames, names);
}

int TaskListFile::warnSeconds() const
{
    const int seconds = textToNumber(read(kOptions, kWarnBeforeEnd, "0"));
    return std::find(std::begin(kWarnChoices), std::end(kWarnChoices), seconds)
            != std::end(kWarnChoices)
        ? seconds
        : 0;
}

bool TaskListFile::setWarnSeconds(int seconds) const
{
    return write(kOptions, kWarnBeforeEnd, numberToText(seconds));
}

bool TaskListFile::readAloud() const
{
    return textToBool(read(kOptions, kReadAloud, "False"));
}

bool TaskListFile::setReadAloud(bool on) const
{
    return write(kOptions, kReadAloud, boolToText(on));
}

int TaskListFile::speechRate() const
{
    const int rate = textToNumber(read(kOptions, kSpeechRate, "0"));
    return rate >= -1 && rate <= 1 ? rate : 0;
}

bool TaskListFile::setSpeechRate(int rate) const
{
    return write(kOptions, kSpeechRate, numberToText(rate));
}

bool TaskListFile::muteCues() const
{
    return textToBool(read(kOptions, kMuteCues, "False"));
}

bool TaskListFile::setMuteCues(bool on) const
{
    return write(kOptions, kMuteCues, boolToText(on));
}

bool TaskListFile::keepInPanel() const
{
    return textToBool(read(kOptions, kKeepInPanel, "False"));
}

bool TaskListFile::setKeepInPanel(bool on) const
{
    return write(kOptions, kKeepInPanel, boolToText(on));
}

bool TaskListFile::mediaKeys() const
{
    return textToBool(read(kOptions, kMediaKeys, "False"));
}

bool TaskListFile::setMediaKeys(bool on) const
{
    return write(kOptions, kMediaKeys, boolToText(on));
}

TaskListOptions TaskListFile::options() const
{
    return {wavefile(),    screenSaverOff(), fullScreen(), playSound(), stopBetweenTasks(),
            warnSeconds(), readAloud(),      speechRate(), muteCues()};
}

int TaskListFile::totalTime() const
{
    return textToNumber(read(kTotalTime, kTime, "1"));
}

bool TaskListFile::setTotalTime(int index) const
{
    return write(kTotalTime, kTime, numberToText(index));
}

bool TaskListFile::setTotalTime(IniBatch &batch, int index)
{
    return batch.write(kTotalTime, kTime, numberToText(index));
}

int TaskListFile::startTask() const
{
    return textToNumber(read(kCurrentTask, kNumber, "1"));
}

bool TaskListFile::setStartTask(int task) const
{
    return write(kCurrentTask, kNumber, numberToText(task));
}

int TaskListFile::sessionsCompleted() const
{
    return textToNumber(sessionsCompletedText());
}

std::string TaskListFile::sessionsCompletedText() const
{
    return read(kHistory, kSessionsCompleted, "0");
}

bool TaskListFile::setSessionsCompleted(int count) const
{
    return write(kHistory, kSessionsCompleted, numberToText(count));
}

std::string TaskListFile::description(int task, int description) const
{
    return read(taskSection(task), descriptionKey(description), "");
}

int TaskListFile::alternateTask(int task) const
{
    return textToNumber(read(taskSection(task), kAlternateTask, ""));
}

bool TaskListFile::setAlternateTask(int task, int next) const
{
    return write(taskSection(task), kAlternateTask, numberToText(next));
}

int TaskListFile::countTasks() const
{
    int tasks = 0;
    while (tasks < 32766 && !description(tasks + 1, 1).empty())
        ++tasks;
    return tasks;
}

std::string TaskListFile::currentItem(int list, std::string_view defaultValue) const
{
    return read(listGroupSection(list), kCurrentItem, defaultValue);
}

bool TaskListFile::setCurrentItem(int list, std::string_view item) const
{
    return write(listGroupSection(list), kCurrentItem, item);
}

int TaskListFile::changeInterval(int list) const
{
    return textToNumber(read(listGroupSection(list), kChangeSong, "1"));
}

bool TaskListFile::setChangeInterval(int list, int sessions) const
{
    return write(listGroupSection(list), kChangeSong, numberToText(sessions));
}

bool TaskListFile::randomChange(int list) const
{
    return read(listGroupSection(list), kChangeSongRandom, "False") == kTrue;
}

bool TaskListFile::setRandomChange(int list, bool random) const
{
    return write(listGroupSection(list), kChangeSongRandom, boolToText(random));
}

int TaskListFile::lastChangeSession(int list) const
{
    return textToNumber(read(listGroupSection(list), kLastChange, "0"));
}

bool TaskListFile::setLastChangeSession(int list, std::string_view count) const
{
    return write(listGroupSection(list), kLastChange, count);
}

std::string TaskListFile::newTaskList(const TaskListOptions &options, int totalTime,
                                      std::string_view noteNames)
{
    std::string content;
    const auto put
        = [&content](std::string_view section, std::string_view key, std::string_view value) {
              const IniEdit edit = setIniValue(content, section, key, value);
              if (edit.status == IniEdit::Changed)
                  content = edit.content;
          };
    put(kOptions, kScreenSaver, boolToText(options.Disabless));
    put(kOptions, kFullScreen, boolToText(options.MaxMinScreen));
    put(kOptions, kPlaySound, boolToText(options.playwavefiletasks));
    put(kOptions, kStopBetween, boolToText(options.StopBTasks));
    put(kOptions, kWavefile, options.Soundfile);
    put(kTotalTime, kTime, numberToText(totalTime));
    if (!noteNames.empty())
        put(kOptions, kNoteNames, noteNames);
    // The cues only when chosen: a new list of the old kind holds the six entries alone.
    if (options.warnSeconds != 0)
        put(kOptions, kWarnBeforeEnd, numberToText(options.warnSeconds));
    if (options.readAloud)
        put(kOptions, kReadAloud, boolToText(true));
    if (options.speechRate != 0)
        put(kOptions, kSpeechRate, numberToText(options.speechRate));
    if (options.muteCues)
        put(kOptions, kMuteCues, boolToText(true));
    return content;
}

std::string TaskListFile::taskSection(int task)
{
    return "task" + numberToText(task);
}

std::string TaskListFile::editorTaskSection(int task)
{
    return "Task" + numberToText(task);
}

std::string TaskListFile::descriptionKey(int description)
{
    return "description" + numberToText(description);
}

std::string TaskListFile::listGroupSection(int list)
{
    return "List Group Number " + numberToText(list);
}

} // namespace tb
