#include "tasklist/TaskList.h"

#include "settings/DateText.h"
#include "settings/Registry.h"
#include "tasklist/Session.h"

#include <algorithm>
#include <filesystem>

namespace tb {
TaskList::TaskList(std::string programFolder, Registry &registry)
    : programFolder_(std::move(programFolder)), registry_(registry), file_(std::string())
{
}

std::string TaskList::nameOf(const std::string &file)
{
    std::string name = std::filesystem::path(file).filename().string();
    if (name.size() > 4 && name.ends_with(".ini"))
        name.resize(name.size() - 4);
    return name;
}

bool TaskList::poll()
{
    const std::optional<FileStamp> now = fileStamp(inifilename());
    const bool same = now.has_value() == seen_.has_value() && (!now || sameStamp(*now, *seen_));
    // A stamp taken within the clock step of a change does not prove the bytes unchanged:
    // one more look once the step has passed.
    if (same && seenSettled_)
        return false;
    seen_ = now;
    seenSettled_ = !now || stampSettled(*now, coarseNow());
    changed();
    return true;
}

bool TaskList::locked() const
{
    return session_ && session_->sessionRunning();
}

std::string TaskList::defaultFile() const
{
    return programFolder_ + "/tallywork.ini";
}

std::string TaskList::storedFile() const
{
    return registry_.RegReadString(HKEY_CURRENT_USER, programRegistryKey(), kSettingsFileValue,
                                   defaultFile());
}

bool TaskList::firstRunDone() const
{
    return isValidDateText(
        registry_.RegReadString(HKEY_CURRENT_USER, programRegistryKey(), kFirstRunValue, ""));
}

void TaskList::recordFirstRun(const std::string &dateText)
{
    registry_.RegWriteString(HKEY_CURRENT_USER, programRegistryKey(), kFirstRunValue, dateText);
    registry_.RegWriteString(HKEY_CURRENT_USER, programRegistryKey(), kSettingsFileValue,
                             defaultFile());
}

void TaskList::open(const std::string &file)
{
    readFile(file);
}

bool TaskList::switchTo(const std::string &file)
{
    if (locked())
        return false;
    registry_.RegWriteString(HKEY_CURRENT_USER, programRegistryKey(), kSettingsFileValue, file);
    readFile(file);
    return true;
}

void TaskList::readFile(const std::string &file)
{
    file_ = TaskListFile(file);
    options_ = file_.options();
    keepInPanel_ = file_.keepInPanel();
    mediaKeys_ = file_.mediaKeys();
    // A stored length that names no entry of the menu is kept within it.
    TempTotalTime_ = std::clamp(file_.totalTime(), 0, kTotalTimeEntries - 1);
    seen_ = fileStamp(file);
    seenSettled_ = !seen_ || stampSettled(*seen_, coarseNow());
    ++switches_;
    changed();
}

void TaskList::setSoundfile(const std::string &file)
{
    options_.Soundfile = file;
    file_.setWavefile(file);
    changed();
}

void TaskList::setDisabless(bool on)
{
    options_.Disabless = on;
    file_.setScreenSaverOff(on);
    changed();
}

void TaskList::setMaxMinScreen(bool on)
{
    options_.MaxMinScreen = on;
    file_.setFullScreen(on);
    changed();
}

void TaskList::setPlaywavefiletasks(bool on)
{
    options_.playwavefiletasks = on;
    file_.setPlaySound(on);
    changed();
}

void TaskList::setStopBTasks(bool on)
{
    options_.StopBTasks = on;
    file_.setStopBetweenTasks(on);
    changed();
}

void TaskList::setWarnSeconds(int seconds)
{
    options_.warnSeconds = seconds;
    file_.setWarnSeconds(seconds);
    changed();
}

void TaskList::setReadAloud(bool on)
{
    options_.readAloud = on;
    file_.setReadAloud(on);
    changed();
}

void TaskList::setSpeechRate(int rate)
{
    options_.speechRate = rate;
    file_.setSpeechRate(rate);
    changed();
}

void TaskList::setMuteCues(bool on)
{
    options_.muteCues = on;
    file_.setMuteCues(on);
    changed();
}

void TaskList::setKeepInPanel(bool on)
{
    keepInPanel_ = on;
    file_.setKeepInPanel(on);
    changed();
}

void TaskList::setMediaKeys(bool on)
{
    mediaKeys_ = on;
    file_.setMediaKeys(on);
    changed();
}

void TaskList::chooseTotalTime(int index)
{
    if (index < 0 || index >= kTotalTimeEntries || index == TempTotalTime_)
        return;
    TempTotalTime_ = index;
    changed();
}

} // namespace tb
