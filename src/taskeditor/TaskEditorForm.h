#pragma once

#include "forms/Form.h"
#include "forms/FormCalls.h"
#include "platform/SafeFile.h"
#include "taskeditor/DescriptionTable.h"

#include <cstdint>
#include <string>

namespace tb {

class Help;
class MessageBox;
class Session;
class TaskList;

struct TaskEditorServices {
    MessageBox &messages;
    Help &help;
};

// The task list editor: every description of a task list held in a table, one shown at a
// time in `txtdescription`, written back to the file only by Ok. The shown position is the
// number in the labels `lblTaskNum` and `lblAltTaskNum`.
//
// The editor is bound to the file it loaded, and its Ok saves there. When another list is
// taken into use while it is open, an editor without changes loads that list; one with
// changes asks whether to save them to their own list first, drop them, or go on editing
// the old list (its title then says that it is not the list in use).
class TaskEditorForm final : public Form
{
public:
    TaskEditorForm(TaskList &list, Session &session, FormCalls &forms, TaskEditorServices services);

    // A description is kept as the task list reads it back: at most this many bytes, as
    // written (UTF-8, each line break as "%CR%").
    static constexpr std::size_t kMaxDescriptionBytes = 254;

    void Form_Load();
    // Follows another list taken into use, the lock of a running session, and a session
    // length changed in the file.
    void refresh() override;

    void loadtasklist(const std::string &fileName);
    // The table (and a session length chosen here) written in one crash-safe replacement of
    // the file; when it fails the old file is whole and the result says why.
    FileWrite savetasklist(const std::string &fileName);
    void getinfo(int Task, int alternate);
    void insertmarker(const std::string &marker);

    void txtdescription_Change();
    void Taskspin_UpClick();
    void Taskspin_DownClick();
    void alttaskspin_UpClick();
    void alttaskspin_DownClick();
    void cbtotaltime_LostFocus();
    void cmdOK_Click();
    void cmdcancel_Click();
    void cmdHelp_Click();
    void filenew_Click();
    void fileopen_Click();
    void TaskInsertTask_Click();
    void TaskInsertAlt_Click();
    void TaskDelete_Click();
    void ShowControlHelp(int topic);

    const DescriptionTable &table() const { return table_; }
    bool changed() const { return changed_; }
    // The task list this editor loaded and saves to.
    const std::string &fileName() const { return file_; }

private:
    void bind(const std::string &file);
    void followSwitch();
    void showTitle();
    int taskNumber() const;
    int altTaskNumber() const;
    void setDescriptionText(std::string text);
    void showPosition(int task, int alternate);
    void selectTotalTime(int index);
    void showLock();
    bool save();
    // Before a save: when another program changed the descriptions since they were read
    // here, the user chooses. True when the save must not go on.
    bool keepsChangesMadeElsewhere();
    // Asks whether unsaved changes may be lost; true when there are none or the user agrees.
    bool changesMayBeLost();
    void reportFailedSave(const std::string &fileName, const std::string &reason);

    TaskList &list_;
    Session &session_;
    FormCalls &forms_;
    TaskEditorServices s_;
    DescriptionTable table_;
    // The descriptions as the file held them when they were read or saved here.
    DescriptionTable loaded_;
    std::string file_;
    bool changed_ = false;
    // The text the description box holds as accepted: what a refused edit returns to.
    std::string shownText_;
    std::int16_t totalTimeIndex_ = 1;
    // The user picked a session length here: Ok writes it.
    bool totalTimeChosen_ = false;
    int storedTotalTime_ = 1;
    std::uint64_t seenSwitches_ = 0;
    std::uint64_t seenRevision_ = 0;
    bool asking_ = false;
};

} // namespace tb
