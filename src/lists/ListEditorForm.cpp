#include "lists/ListEditorForm.h"

namespace tb {

ListEditorForm::ListEditorForm(MainForm &main, FormCalls &forms, ListEditorServices services)
    : main_(main), forms_(forms), s_(services)
{
}

void ListEditorForm::Form_Load()
{
}

} // namespace tb
