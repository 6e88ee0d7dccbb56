#include "taskeditor/TaskEditorForm.h"

#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "session/MainForm.h"
#include "settings/Conversions.h"
#include "settings/IniFile.h"
#include "settings/SafeFile.h"
#include "tallybell/Version.h"

#include <algorithm>

namespace tb {
namespace {

constexpr const char *kLoseChanges
    = "Any Changes you may have made will be lost, are you sure you want to do this?";
constexpr const char *kTaskNineLost = "Inserting a task here will cause the task Number 9 to be "
                                      "lost, Are you sure you want to do this?";
constexpr const char *kNoMoreTasks
    = "Sorry you can't insert another task here, you can only have a total of 9 tasks";
constexpr const char *kAlternateNineLost
    = "Inserting a new alternate task here will cause the alternate task Number 9 to be lost, "
      "Are you sure you want to do this?";
constexpr const char *kNoMoreAlternates = "Sorry you can't insert another task here, you can "
                                          "only have a total of 9 alternate tasks";

constexpr int kTotalTimeEntries = 10;

constexpr Form::HelpTopic kHelpTopics[] = {
    {"cmdOK", 21},  {"cmdcancel", 22}, {"cmdHelp", 29}, {"Frame1", 25},
    {"Frame2", 23}, {"Frame3", 24},    {"Frame4", 19},
};

struct Marker {
    const char *item;
    const char *text;
};
constexpr Marker kMarkers[] = {
    {"insertnote", "%note%"},   {"insertCR", "%CR%"},       {"insertlist1", "%list1%"},
    {"insertlist2", "%list2%"}, {"insertlist3", "%list3%"}, {"insertlist4", "%list4%"},
    {"insertlist5", "%list5%"}, {"insertlist6", "%list6%"}, {"insertlist7", "%list7%"},
    {"insertlist8", "%list8%"}, {"insertlist9", "%list9%"},
};

// A settings file line cannot hold a line break: a pasted one becomes the placeholder
// that the task text turns back into a line break.
std::string withBreakMarkers(const std::string &text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "%CR%";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

TaskEditorForm::TaskEditorForm(MainForm &main, FormCalls &forms, TaskEditorServices services)
    : main_(main), forms_(forms), s_(services)
{
    on("txtdescription", ControlEvent::Change, [this] { txtdescription_Change(); });
    on("TaskspinUp", ControlEvent::Click, [this] { Taskspin_UpClick(); });
    on("TaskspinDown", ControlEvent::Click, [this] { Taskspin_DownClick(); });
    on("alttaskspinUp", ControlEvent::Click, [this] { alttaskspin_UpClick(); });
    on("alttaskspinDown", ControlEvent::Click, [this] { alttaskspin_DownClick(); });
    // Choosing an entry only stores it: the new length takes effect when the list is left.
    on("cbtotaltime", ControlEvent::Click, [] {});
    on("cbtotaltime", ControlEvent::LostFocus, [this] { cbtotaltime_LostFocus(); });
    on("cmdOK", ControlEvent::Click, [this] { cmdOK_Click(); });
    on("cmdcancel", ControlEvent::Click, [this] { cmdcancel_Click(); });
    on("cmdHelp", ControlEvent::Click, [this] { cmdHelp_Click(); });
    on("filenew", ControlEvent::Click, [this] { filenew_Click(); });
    on("fileopen", ControlEvent::Click, [this] { fileopen_Click(); });
    on("TaskInsertTask", ControlEvent::Click, [this] { TaskInsertTask_Click(); });
    on("TaskInsertAlt", ControlEvent::Click, [this] { TaskInsertAlt_Click(); });
    on("TaskDelete", ControlEvent::Click, [this] { TaskDelete_Click(); });
    for (const Marker &m : kMarkers)
        on(m.item, ControlEvent::Click, [this, text = m.text] { insertmarker(text); });
    onRightClick(kHelpTopics, [this](int topic) { ShowControlHelp(topic); });
}

void TaskEditorForm::Form_Load()
{
    controls_["frmeditfile"].caption = version::kProductName;
    ControlState &list = controls_["cbtotaltime"];
    if (list.items.empty()) {
        for (int i = 0; i < kTotalTimeEntries; ++i)
            list.items.push_back(std::to_string((i + 1) * 10) + " Minutes");
    }
    loadtasklist(main_.inifilename);
    showPosition(1, 1);
    getinfo(1, 1);
    changed_ = false;
    shownTempTotalTime_ = main_.TempTotalTime;
}

void TaskEditorForm::refresh()
{
    // Only a length changed elsewhere is shown: an entry being chosen here stays.
    if (main_.TempTotalTime == shownTempTotalTime_)
        return;
    shownTempTotalTime_ = main_.TempTotalTime;
    selectTotalTime(main_.TempTotalTime);
}

void TaskEditorForm::loadtasklist(const std::string &fileName)
{
    table_.load(fileName);
    const std::int16_t stored = textToNumber(IniRead("TotalTime", "Time", main_.inifilename, "1"));
    // A stored length that names no entry: the one the main window uses instead.
    selectTotalTime(stored >= 0 && stored < kTotalTimeEntries ? stored : main_.TempTotalTime);
}

FileWrite TaskEditorForm::savetasklist(const std::string &fileName)
{
    IniBatch file(fileName);
    table_.save(file);
    // The session length belongs to the task list in use, which is normally the same file.
    if (fileName == main_.inifilename)
        file.write("TotalTime", "Time", numberToText(totalTimeIndex_));
    FileWrite written = file.commit();
    if (written && fileName != main_.inifilename)
        IniWrite("TotalTime", "Time", numberToText(totalTimeIndex_), main_.inifilename);
    return written;
}

void TaskEditorForm::getinfo(int Task, int alternate)
{
    setDescriptionText(table_.cell(Task, alternate));
}

int TaskEditorForm::taskNumber() const
{
    return textToNumber(controls_.at("lblTaskNum").caption);
}

int TaskEditorForm::altTaskNumber() const
{
    return textToNumber(controls_.at("lblAltTaskNum").caption);
}

void TaskEditorForm::showPosition(int task, int alternate)
{
    controls_["lblTaskNum"].caption = numberToText(task);
    controls_["lblAltTaskNum"].caption = numberToText(alternate);
}

void TaskEditorForm::selectTotalTime(int index)
{
    controls_["cbtotaltime"].listIndex = index;
    totalTimeIndex_ = static_cast<std::int16_t>(index);
}

// As a text box raises its change event only when its text really changes.
void TaskEditorForm::setDescriptionText(std::string text)
{
    if (controls_.at("txtdescription").text == text)
        return;
    controls_["txtdescription"].text = std::move(text);
    txtdescription_Change();
}

void TaskEditorForm::txtdescription_Change()
{
    std::string &text = controls_["txtdescription"].text;
    if (text.find_first_of("\r\n") != std::string::npos)
        text = withBreakMarkers(text);
    table_.setCell(taskNumber(), altTaskNumber(), text);
    changed_ = true;
}

void TaskEditorForm::Taskspin_UpClick()
{
    const int task = taskNumber();
    if (task < DescriptionTable::kTasks) {
        showPosition(task + 1, 1);
        getinfo(task + 1, 1);
    }
    changed_ = true;
}

void TaskEditorForm::Taskspin_DownClick()
{
    const int task = taskNumber();
    if (task > 1) {
        showPosition(task - 1, 1);
        getinfo(task - 1, 1);
        changed_ = true;
    }
}

void TaskEditorForm::alttaskspin_UpClick()
{
    const int alternate = altTaskNumber();
    if (alternate < DescriptionTable::kDescriptions)
        showPosition(taskNumber(), alternate + 1);
    getinfo(taskNumber(), altTaskNumber());
}

void TaskEditorForm::alttaskspin_DownClick()
{
    const int alternate = altTaskNumber();
    if (alternate > 1)
        showPosition(taskNumber(), alternate - 1);
    getinfo(taskNumber(), altTaskNumber());
}

void TaskEditorForm::cbtotaltime_LostFocus()
{
    const int index = controls_.at("cbtotaltime").listIndex;
    if (index < 0 || index >= kTotalTimeEntries)
        return;
    totalTimeIndex_ = static_cast<std::int16_t>(index);
    main_.controls()[MainForm::timeMenuName(main_.TempTotalTime)].checked = false;
    main_.TempTotalTime = totalTimeIndex_;
    main_.controls()[MainForm::timeMenuName(main_.TempTotalTime)].checked = true;
    main_.setdelay();
    shownTempTotalTime_ = main_.TempTotalTime;
    changed_ = true;
}

void TaskEditorForm::cmdOK_Click()
{
    if (changed_) {
        if (const FileWrite saved = savetasklist(main_.inifilename); !saved) {
            reportFailedSave(main_.inifilename, saved.errorText);
            return;
        }
    }
    main_.setdelay();
    main_.currenttask = 1;
    main_.controls()["lblStartFrom"].caption = numberToText(main_.currenttask);
    forms_.unload(FormId::TaskEditor);
}

void TaskEditorForm::reportFailedSave(const std::string &fileName, const std::string &reason)
{
    s_.messages.show("The task list could not be saved:\r\n" + fileName + "\r\n\r\n" + reason
                         + "\r\n\r\nYour changes are still in the editor.",
                     version::kProductName, MsgIcon::Critical, MsgButtons::Ok);
}

bool TaskEditorForm::changesMayBeLost()
{
    return !changed_
        || s_.messages.show(kLoseChanges, version::kProductName, MsgIcon::None, MsgButtons::YesNo)
        == MsgResult::Yes;
}

void TaskEditorForm::cmdcancel_Click()
{
    if (changesMayBeLost())
        forms_.unload(FormId::TaskEditor);
}

void TaskEditorForm::cmdHelp_Click()
{
    s_.help.WinHelp(Help::HELP_CONTEXT, 10);
}

void TaskEditorForm::ShowControlHelp(int topic)
{
    s_.help.WinHelp(Help::HELP_CONTEXTPOPUP, topic);
}

void TaskEditorForm::filenew_Click()
{
    if (!changesMayBeLost())
        return;
    forms_.cmdnewtaskfile_Click();
    Form_Load();
}

void TaskEditorForm::fileopen_Click()
{
    if (!changesMayBeLost())
        return;
    const std::string before = main_.inifilename;
    forms_.cmdselecttaskfile_Click();
    if (main_.inifilename == before)
        return;
    main_.loadTotalTime();
    selectTotalTime(main_.TempTotalTime);
    shownTempTotalTime_ = main_.TempTotalTime;
    showPosition(1, 1);
    loadtasklist(main_.inifilename);
    getinfo(1, 1);
}

void TaskEditorForm::insertmarker(const std::string &marker)
{
    const std::string &text = controls_.at("txtdescription").text;
    const std::size_t start
        = std::min(static_cast<std::size_t>(std::max(SelStart, 0)), text.size());
    const std::size_t length
        = std::min(static_cast<std::size_t>(std::max(SelLength, 0)), text.size() - start);
    std::string composed = text.substr(0, start) + marker + text.substr(start + length);
    SelStart = static_cast<int>(start + marker.size());
    SelLength = 0;
    setDescriptionText(std::move(composed));
}

void TaskEditorForm::TaskInsertTask_Click()
{
    if (table_.taskInUse(DescriptionTable::kTasks)
        && s_.messages.show(kTaskNineLost, version::kProductName, MsgIcon::None, MsgButtons::YesNo)
            != MsgResult::Yes)
        return;
    const int task = taskNumber();
    if (task == DescriptionTable::kTasks) {
        s_.messages.show(kNoMoreTasks, std::string(version::kProductName) + " Error",
                         MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    table_.insertTask(task);
    SelStart = SelLength = 0;
    setDescriptionText({});
    controls_["lblAltTaskNum"].caption = numberToText(1);
}

void TaskEditorForm::TaskInsertAlt_Click()
{
    const int task = taskNumber();
    const int alternate = altTaskNumber();
    if (alternate == DescriptionTable::kDescriptions) {
        s_.messages.show(kNoMoreAlternates, std::string(version::kProductName) + " Error",
                         MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    if (!table_.cell(task, DescriptionTable::kDescriptions).empty()
        && s_.messages.show(kAlternateNineLost, version::kProductName, MsgIcon::None,
                            MsgButtons::YesNo)
            != MsgResult::Yes)
        return;
    table_.insertDescription(task, alternate);
    SelStart = SelLength = 0;
    setDescriptionText({});
}

void TaskEditorForm::TaskDelete_Click()
{
    table_.setCell(taskNumber(), altTaskNumber(), {});
    setDescriptionText({});
    changed_ = true;
}

} // namespace tb
