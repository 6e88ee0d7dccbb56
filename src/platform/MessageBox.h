#pragma once

#include <string>

namespace tb {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

// Modal messages and the system beep. Texts are UTF-8 (or bytes kept from older
// files: the adapter decodes them).
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual MsgResult show(const std::string &text, const std::string &caption, MsgIcon icon,
                           MsgButtons buttons)
        = 0;
    virtual void beep() = 0;
};

} // namespace tb
