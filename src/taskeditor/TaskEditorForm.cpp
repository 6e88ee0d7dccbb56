#include "taskeditor/TaskEditorForm.h"

#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/SafeFile.h"
#include "platform/Translator.h"
#include "settings/Conversions.h"
#include "settings/IniFile.h"
#include "tallybell/Version.h"
#include "tasklist/Session.h"
#include "tasklist/TaskList.h"

#include <algorithm>

namespace tb {
namespace {

constexpr const char *kLoseChanges
    = TB_MARK("TaskEditorForm",
              "Any Changes you may have made will be lost, are you sure you want to do this?");
constexpr const char *kTaskNineLost
    = TB_MARK("TaskEditorForm",
              "Inserting a task here will cause the task Number 9 to be "
              "lost, Are you sure you want to do this?");
constexpr const char *kNoMoreTasks
    = TB_MARK("TaskEditorForm",
              "Sorry you can't insert another task here, you can only have a total of 9 tasks");
constexpr const char *kAlternateNineLost = TB_MARK(
    "TaskEditorForm",
    "Inserting a new alternate task here will cause the alternate task Number 9 to be lost, "
    "Are you sure you want to do this?");
constexpr const char *kNoMoreAlternates
    = TB_MARK("TaskEditorForm",
              "Sorry you can't insert another task here, you can "
              "only have a total of 9 alternate tasks");

constexpr int kTotalTimeEntries = TaskList::kTotalTimeEntries;
constexpr const char *kLockedTip
    = TB_MARK("TaskEditorForm",
              "Another task list cannot be opened or made while a session runs or is paused");

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

// A settings file line cannot hold a line break: a typed or pasted one becomes the
// placeholder that the task text turns back into a line break. `caret` (a byte offset)
// moves with the text before it.
std::string withBreakMarkers(const std::string &text, int &caret)
{
    std::string out;
    const int before = caret;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            const std::size_t length
                = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
            if (static_cast<int>(i) < before)
                caret += 4 - static_cast<int>(length);
            out += "%CR%";
            i += length - 1;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The caption of a refusal: the product name and " Error".
std::string errorCaption()
{
    return fillIn(trText("TaskEditorForm", "%1 Error"), {version::kProductName});
}

} // namespace

TaskEditorForm::TaskEditorForm(TaskList &list, Session &session, FormCalls &forms,
                               TaskEditorServices services)
    : list_(list), session_(session), forms_(forms), s_(services)
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
    ControlState &lengths = controls_["cbtotaltime"];
    if (lengths.items.empty()) {
        for (int i = 0; i < kTotalTimeEntries; ++i)
            lengths.items.push_back(
                fillIn(trText("TaskEditorForm", "%1 Minutes"), {std::to_string((i + 1) * 10)}));
    }
    bind(list_.inifilename());
    showLock();
}

void TaskEditorForm::bind(const std::string &file)
{
    file_ = file;
    seenSwitches_ = list_.switches();
    seenRevision_ = list_.revision();
    totalTimeChosen_ = false;
    loadtasklist(file_);
    showPosition(1, 1);
    getinfo(1, 1);
    changed_ = false;
    showTitle();
}

void TaskEditorForm::showTitle()
{
    controls_["frmeditfile"].caption
        = fillIn(file_ == list_.inifilename()
                     ? trText("TaskEditorForm", "%1 - %2")
                     : trText("TaskEditorForm", "%1 - %2 (not the task list in use)"),
                 {version::kProductName, TaskList::nameOf(file_)});
}

void TaskEditorForm::showLock()
{
    const bool locked = list_.locked();
    for (const char *name : {"filenew", "fileopen"}) {
        controls_[name].enabled = !locked;
        controls_[name].toolTip = locked ? trText("TaskEditorForm", kLockedTip) : "";
    }
}

void TaskEditorForm::refresh()
{
    showLock();
    if (asking_)
        return;
    if (list_.switches() != seenSwitches_) {
        seenSwitches_ = list_.switches();
        if (list_.inifilename() != file_)
            followSwitch();
        showTitle();
    }
    if (list_.revision() == seenRevision_)
        return;
    seenRevision_ = list_.revision();
    // A length stored anew in the file is shown, unless one is being chosen here.
    if (file_ != list_.inifilename())
        return;
    const int stored = list_.file().totalTime();
    if (stored != storedTotalTime_ && !totalTimeChosen_
        && controls_.at("cbtotaltime").listIndex == totalTimeIndex_) {
        storedTotalTime_ = stored;
        if (stored >= 0 && stored < kTotalTimeEntries)
            selectTotalTime(stored);
    }
}

void TaskEditorForm::followSwitch()
{
    const std::string next = list_.inifilename();
    if (!changed_) {
        bind(next);
        return;
    }
    const std::string mine = TaskList::nameOf(file_);
    const std::string theirs = TaskList::nameOf(next);
    asking_ = true;
    const MsgResult answer = s_.messages.show(
        fillIn(trText("TaskEditorForm",
                      "The task list in use is now \"%2\". Your changes to \"%1\" are not "
                      "saved.\r\n\r\nYes: save them to \"%1\", then edit \"%2\".\r\nNo: drop "
                      "them and edit \"%2\".\r\nCancel: go on editing \"%1\"."),
               {mine, theirs}),
        version::kProductName, MsgIcon::Question, MsgButtons::YesNoCancel);
    asking_ = false;
    if (answer == MsgResult::Cancel || (answer == MsgResult::Yes && !save()))
        return;
    bind(next);
}

void TaskEditorForm::loadtasklist(const std::string &fileName)
{
    table_.load(fileName);
    loaded_ = table_;
    storedTotalTime_ = TaskListFile(fileName).totalTime();
    // A stored length that names no entry: the one the session uses instead.
    selectTotalTime(storedTotalTime_ >= 0 && storedTotalTime_ < kTotalTimeEntries
                        ? storedTotalTime_
                        : list_.TempTotalTime());
}

FileWrite TaskEditorForm::savetasklist(const std::string &fileName)
{
    IniBatch file(fileName);
    table_.save(file);
    // A length picked in the main window's menu is for this run only: the file gets the one
    // picked here.
    if (totalTimeChosen_)
        TaskListFile::setTotalTime(file, totalTimeIndex_);
    return file.commit();
}

bool TaskEditorForm::save()
{
    if (keepsChangesMadeElsewhere())
        return false;
    const FileWrite saved = savetasklist(file_);
    if (!saved) {
        reportFailedSave(file_, saved.errorText);
        return false;
    }
    loaded_.load(file_);
    changed_ = false;
    totalTimeChosen_ = false;
    return true;
}

bool TaskEditorForm::keepsChangesMadeElsewhere()
{
    // A file that cannot be read now is not saved over: the save says why.
    if (const FileRead disk = readRegularFile(file_); !disk.ok() && !disk.absent())
        return false;
    DescriptionTable now;
    now.load(file_);
    if (now == loaded_)
        return false;
    const MsgResult answer = s_.messages.show(
        fillIn(trText("TaskEditorForm",
                      "The tasks of \"%1\" were changed by another program since they were "
                      "opened here:\r\n%2\r\n\r\nYes: save the tasks as they are here, over those "
                      "changes.\r\nNo: show the tasks as they are now; the changes made here are "
                      "dropped.\r\nCancel: go back to the tasks."),
               {TaskList::nameOf(file_), file_}),
        version::kProductName, MsgIcon::Exclamation, MsgButtons::YesNoCancel);
    if (answer == MsgResult::Yes)
        return false;
    if (answer == MsgResult::No)
        bind(file_);
    return true;
}

void TaskEditorForm::getinfo(int Task, int alternate)
{
    setDescriptionText(table_.cell(Task, alternate));
    ControlState &box = controls_["txtdescription"];
    box.selStart = static_cast<int>(box.text.size());
    box.selLength = 0;
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
    ControlState &box = controls_["txtdescription"];
    std::string &text = box.text;
    if (text.find_first_of("\r\n") != std::string::npos)
        text = withBreakMarkers(text, box.selStart);
    // More than the file reads back would be cut when the list is next opened: refused,
    // as a full box refuses what is typed or pasted.
    if (text.size() > kMaxDescriptionBytes) {
        const auto grown = static_cast<int>(text.size() - shownText_.size());
        text = shownText_;
        box.selStart = std::clamp(box.selStart - grown, 0, static_cast<int>(text.size()));
        box.selLength = 0;
        s_.messages.beep();
        return;
    }
    shownText_ = text;
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
    // Passing through the box without choosing another entry changes nothing.
    if (index < 0 || index >= kTotalTimeEntries || index == totalTimeIndex_)
        return;
    totalTimeIndex_ = static_cast<std::int16_t>(index);
    totalTimeChosen_ = true;
    changed_ = true;
    // In force in the session at once, when this is the list in use.
    if (file_ == list_.inifilename())
        list_.chooseTotalTime(index);
}

void TaskEditorForm::cmdOK_Click()
{
    if (changed_ && !save())
        return;
    if (file_ == list_.inifilename())
        session_.taskListEdited();
    forms_.unload(FormId::TaskEditor);
}

void TaskEditorForm::reportFailedSave(const std::string &fileName, const std::string &reason)
{
    s_.messages.show(fillIn(trText("TaskEditorForm",
                                   "The task list could not be saved:\r\n%1\r\n\r\n%2\r\n\r\n"
                                   "Your changes are still in the editor."),
                            {fileName, reason}),
                     version::kProductName, MsgIcon::Critical, MsgButtons::Ok);
}

bool TaskEditorForm::changesMayBeLost()
{
    return !changed_
        || s_.messages.show(trText("TaskEditorForm", kLoseChanges), version::kProductName,
                            MsgIcon::None, MsgButtons::YesNo)
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

// The new list, once made, is taken into use; what then becomes of the edits here is
// settled in refresh(), as for a list switched in another window. Backing out changes
// nothing.
void TaskEditorForm::filenew_Click()
{
    forms_.cmdnewtaskfile_Click();
}

void TaskEditorForm::fileopen_Click()
{
    forms_.cmdselecttaskfile_Click();
}

void TaskEditorForm::insertmarker(const std::string &marker)
{
    ControlState &box = controls_["txtdescription"];
    const std::string &text = box.text;
    const std::size_t start
        = std::min(static_cast<std::size_t>(std::max(box.selStart, 0)), text.size());
    const std::size_t length
        = std::min(static_cast<std::size_t>(std::max(box.selLength, 0)), text.size() - start);
    // A marker that would pass the limit is refused as typing would be.
    std::string composed = text.substr(0, start) + marker + text.substr(start + length);
    box.selStart = static_cast<int>(start + marker.size());
    box.selLength = 0;
    ++box.focusRequests;
    setDescriptionText(std::move(composed));
}

void TaskEditorForm::TaskInsertTask_Click()
{
    if (table_.taskInUse(DescriptionTable::kTasks)
        && s_.messages.show(trText("TaskEditorForm", kTaskNineLost), version::kProductName,
                            MsgIcon::None, MsgButtons::YesNo)
            != MsgResult::Yes)
        return;
    const int task = taskNumber();
    if (task == DescriptionTable::kTasks) {
        s_.messages.show(trText("TaskEditorForm", kNoMoreTasks), errorCaption(),
                         MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    table_.insertTask(task);
    setDescriptionText({});
    controls_["lblAltTaskNum"].caption = numberToText(1);
    ControlState &box = controls_["txtdescription"];
    box.selStart = box.selLength = 0;
    ++box.focusRequests;
}

void TaskEditorForm::TaskInsertAlt_Click()
{
    const int task = taskNumber();
    const int alternate = altTaskNumber();
    if (alternate == DescriptionTable::kDescriptions) {
        s_.messages.show(trText("TaskEditorForm", kNoMoreAlternates), errorCaption(),
                         MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    if (!table_.cell(task, DescriptionTable::kDescriptions).empty()
        && s_.messages.show(trText("TaskEditorForm", kAlternateNineLost), version::kProductName,
                            MsgIcon::None, MsgButtons::YesNo)
            != MsgResult::Yes)
        return;
    table_.insertDescription(task, alternate);
    setDescriptionText({});
    ControlState &box = controls_["txtdescription"];
    box.selStart = box.selLength = 0;
    ++box.focusRequests;
}

void TaskEditorForm::TaskDelete_Click()
{
    table_.setCell(taskNumber(), altTaskNumber(), {});
    setDescriptionText({});
    changed_ = true;
}

} // namespace tb
