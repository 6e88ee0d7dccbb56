#pragma once

#include "forms/Form.h"
#include "forms/FormCalls.h"
#include "settings/SafeFile.h"
#include "taskeditor/DescriptionTable.h"

#include <cstdint>
#include <string>

namespace tb {

class Help;
class MainForm;
class MessageBox;

struct TaskEditorServices {
    MessageBox &messages;
    Help &help;
};

// The task list editor: every description of the task list in use held in a table, one
// shown at a time in `txtdescription`, written back to the file only by Ok. The shown
// position is the number in the labels `lblTaskNum` and `lblAltTaskNum`.
class TaskEditorForm final : public Form
{
public:
    TaskEditorForm(MainForm &main, FormCalls &forms, TaskEditorServices services);

    void Form_Load();
    // Follows a session length changed by another window (the main window's menu, another
    // task list chosen in the options).
    void refresh() override;

    void loadtasklist(const std::string &fileName);
    // The table and the session length written in one crash-safe replacement of the file;
    // when it fails the old file is whole and the result says why.
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

    // The caret and selection of `txtdescription`, in bytes of its text: the window puts
    // them here before an Insert entry runs, and places the caret from them afterwards.
    int SelStart = 0;
    int SelLength = 0;

private:
    int taskNumber() const;
    int altTaskNumber() const;
    void setDescriptionText(std::string text);
    void showPosition(int task, int alternate);
    void selectTotalTime(int index);
    // Asks whether unsaved changes may be lost; true when there are none or the user agrees.
    bool changesMayBeLost();
    void reportFailedSave(const std::string &fileName, const std::string &reason);

    MainForm &main_;
    FormCalls &forms_;
    TaskEditorServices s_;
    DescriptionTable table_;
    bool changed_ = false;
    std::int16_t totalTimeIndex_ = 1;
    std::int16_t shownTempTotalTime_ = -1;
};

} // namespace tb
