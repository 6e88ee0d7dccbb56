#include "taskeditor/TaskEditorForm.h"

namespace tb {

TaskEditorForm::TaskEditorForm(MainForm &main, FormCalls &forms, TaskEditorServices services)
    : main_(main), forms_(forms), s_(services)
{
}

void TaskEditorForm::Form_Load()
{
}

} // namespace tb
