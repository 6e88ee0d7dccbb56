#pragma once

#include "platform/MessageBox.h"

namespace tb {

// The program's message boxes, counted while they are open. A message is modal: while one
// is open, the window takes no click, and a command from outside is refused as a click
// would be (RemoteControl).
class ModalMessages final : public MessageBox
{
public:
    explicit ModalMessages(MessageBox &shown) : shown_(shown) { }

    MsgResult show(const std::string &text, const std::string &caption, MsgIcon icon,
                   MsgButtons buttons) override;
    void beep() override { shown_.beep(); }

    bool open() const { return open_ > 0; }

private:
    MessageBox &shown_;
    int open_ = 0;
};

} // namespace tb
