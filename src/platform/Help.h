#pragma once

namespace tb {

// The program's own help, addressed by command and context number.
class Help
{
public:
    enum Command { HELP_CONTEXT = 1, HELP_HELPONHELP = 4, HELP_CONTEXTPOPUP = 8, HELP_FINDER = 11 };
    virtual ~Help() = default;
    virtual void WinHelp(int command, int context) = 0;
};

} // namespace tb
