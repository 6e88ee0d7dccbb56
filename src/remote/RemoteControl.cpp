#include "remote/RemoteControl.h"

#include "forms/FormHost.h"
#include "platform/Translator.h"
#include "remote/ModalMessages.h"
#include "remote/PanelLook.h"
#include "session/MainForm.h"

namespace tb {
namespace {

CommandReply refused(const char *reason)
{
    return {false, trText("RemoteControl", reason) + "\n"};
}

// The control whose click a command is.
const char *controlOf(RemoteCommand command)
{
    switch (command) {
    case RemoteCommand::Start:
    case RemoteCommand::Stop:
    case RemoteCommand::StartStop:
        return "cmdstartstop";
    case RemoteCommand::Pause:
    case RemoteCommand::Resume:
    case RemoteCommand::TogglePause:
        return "cmdpause";
    case RemoteCommand::Next:
        return "Imagemoveon";
    case RemoteCommand::Show:
    case RemoteCommand::Status:
        break;
    }
    return nullptr;
}

} // namespace

RemoteControl::RemoteControl(FormHost &host, MainForm &main, const ModalMessages &messages)
    : host_(host), main_(main), messages_(messages)
{
}

bool RemoteControl::modal() const
{
    return messages_.open() || (otherModal_ && otherModal_());
}

CommandReply RemoteControl::check(RemoteCommand command) const
{
    const char *control = controlOf(command);
    if (!control)
        return {};
    if (modal())
        return refused(
            TB_MARK("RemoteControl", "Tallybell is waiting for an answer to its message."));
    const ControlState &button = main_.controls().at(control);
    const bool running = main_.sessionRunning();
    const bool paused = main_.sessionPaused();
    if (command == RemoteCommand::Start && running)
        return refused(TB_MARK("RemoteControl", "A session is running already."));
    if (command != RemoteCommand::Start && command != RemoteCommand::StartStop && !running)
        return refused(TB_MARK("RemoteControl", "No session is running."));
    if (command == RemoteCommand::Pause && paused)
        return refused(TB_MARK("RemoteControl", "The session is paused already."));
    if (command == RemoteCommand::Resume && !paused)
        return refused(TB_MARK("RemoteControl", "The session is not paused."));
    if (!button.enabled || !button.visible)
        return refused(TB_MARK("RemoteControl", "The window does not take that now."));
    return {};
}

CommandReply RemoteControl::run(RemoteCommand command)
{
    CommandReply reply = check(command);
    if (!reply.done)
        return reply;
    if (command == RemoteCommand::Status)
        return {true, status()};
    if (command == RemoteCommand::Show) {
        if (showWindow_)
            showWindow_();
        return reply;
    }
    host_.dispatch(FormId::Main, controlOf(command), ControlEvent::Click);
    return reply;
}

std::string RemoteControl::status() const
{
    const MainForm::Countdown now = main_.countdown();
    std::string state;
    if (!now.running)
        state = trText("RemoteControl", "stopped");
    else if (now.paused)
        state = trText("RemoteControl", "paused");
    else if (now.taskEnding)
        state = trText("RemoteControl", "time up");
    else
        state = trText("RemoteControl", "running");
    return state + "\n"
        + fillIn(trText("RemoteControl", "task %1 of %2"),
                 {std::to_string(now.task), std::to_string(now.tasks)})
        + "\n" + oneLine(now.text) + "\n" + MainForm::formatTime(now.left) + "\n";
}

} // namespace tb
