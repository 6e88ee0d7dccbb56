#include "remote/ModalMessages.h"

namespace tb {

MsgResult ModalMessages::show(const std::string &text, const std::string &caption, MsgIcon icon,
                              MsgButtons buttons)
{
    struct Open {
        int &count;
        explicit Open(int &c) : count(++c) { }
        ~Open() { --count; }
    } open(open_);
    return shown_.show(text, caption, icon, buttons);
}

} // namespace tb
