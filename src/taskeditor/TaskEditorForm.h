#pragma once

#include "forms/Form.h"
#include "forms/FormCalls.h"

namespace tb {

class Help;
class MainForm;
class MessageBox;

struct TaskEditorServices {
    MessageBox &messages;
    Help &help;
};

class TaskEditorForm final : public Form
{
public:
    TaskEditorForm(MainForm &main, FormCalls &forms, TaskEditorServices services);

    void Form_Load();

private:
    MainForm &main_;
    FormCalls &forms_;
    TaskEditorServices s_;
};

} // namespace tb
