#pragma once

#include "remote/RemoteControl.h"

#include <QObject>
#include <QTimer>

namespace tb {

// Answers a command from outside at once and carries it out at the next turn of the event
// loop, so that a question it opens never holds up the caller's answer. The status and
// showing the window act at once.
inline CommandReply queueCommand(RemoteControl &remote, RemoteCommand command, QObject *context)
{
    if (command == RemoteCommand::Status || command == RemoteCommand::Show)
        return remote.run(command);
    CommandReply reply = remote.check(command);
    if (reply.done)
        QTimer::singleShot(0, context, [&remote, command] { remote.run(command); });
    return reply;
}

} // namespace tb
