#pragma once

#include "platform/MessageBox.h"

namespace tb {

// Modal messages as QMessageBox, over the active window. The texts are file bytes and are
// decoded (UTF-8, else Windows-1252) and shown as plain text, never as markup. A question
// with Yes and No has No as its default button, so that Enter never confirms a loss.
class QtMessageBox final : public MessageBox
{
public:
    MsgResult show(const std::string &text, const std::string &caption, MsgIcon icon,
                   MsgButtons buttons) override;
    void beep() override;
};

} // namespace tb
