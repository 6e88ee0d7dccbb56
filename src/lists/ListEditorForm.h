#pragma once

#include "forms/Form.h"
#include "forms/FormCalls.h"

namespace tb {

class Help;
class MainForm;
class MessageBox;

struct ListEditorServices {
    MessageBox &messages;
    Help &help;
};

class ListEditorForm final : public Form
{
public:
    ListEditorForm(MainForm &main, FormCalls &forms, ListEditorServices services);

    void Form_Load();

private:
    MainForm &main_;
    FormCalls &forms_;
    ListEditorServices s_;
};

} // namespace tb
