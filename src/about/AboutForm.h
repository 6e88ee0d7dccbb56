#pragma once

#include "forms/Form.h"
#include "forms/FormCalls.h"

#include <string>

namespace tb {

class Shell;

// The about box's behaviour: who and what the program is, and its two links. Each link
// keeps its address as its tool tip, and a click hands exactly that text on.
class AboutForm final : public Form
{
public:
    AboutForm(Shell &shell, FormCalls &forms);

    void Form_Load();
    void lblgotowebsite_Click();
    void lblemail_Click();
    void cmdOK_Click();

private:
    Shell &shell_;
    FormCalls &forms_;
};

// "Version 1.1.0".
std::string versionCaption();
// "Copyright (C) <year> <company>. All rights reserved." in the user's language.
std::string legalNotice();

} // namespace tb
