#pragma once

#include "remote/RemoteCommand.h"

#include <functional>
#include <string>

namespace tb {

class FormHost;
class MainForm;
class ModalMessages;

// What a command from outside answers: done, or refused and why; the status's lines.
struct CommandReply {
    bool done = true;
    std::string text; // lines ending in "\n"; for a refusal, the reason
};

// Carries out the commands from outside as the main window's own controls: each is the
// click of the button it stands for, raised through the program, and is refused where
// that button is disabled or hidden. While a message box is open (the window takes no
// click then) every command that acts is refused, as a click there would be; showing the
// window and the status still answer.
class RemoteControl
{
public:
    RemoteControl(FormHost &host, MainForm &main, const ModalMessages &messages);

    // Brings the main window forward, out of the panel or the task bar.
    void setShowWindow(std::function<void()> show) { showWindow_ = std::move(show); }
    // Another modal dialog of the windows layer counts as an open message.
    void setOtherModal(std::function<bool()> open) { otherModal_ = std::move(open); }

    // Whether `command` would be carried out now, and if not, why.
    CommandReply check(RemoteCommand command) const;
    // Carries `command` out when check() allows it.
    CommandReply run(RemoteCommand command);

    // The session as four lines: its state, "task N of M", the task text on one line, the
    // time left of the task.
    std::string status() const;

private:
    bool modal() const;

    FormHost &host_;
    MainForm &main_;
    const ModalMessages &messages_;
    std::function<void()> showWindow_;
    std::function<bool()> otherModal_;
};

} // namespace tb
