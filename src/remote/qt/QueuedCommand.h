#pragma once

#include "remote/RemoteControl.h"

#include <QObject>
#include <QTimer>

namespace tb {

// Answers a command from outside at once and carries it out at the next turn of the event
// loop, so that a question it opens never holds up the caller's answer. The status and
// showing the window act at once.
inline CommandReply queueCommand(RemoteControl &remote, RemoteCommand command, QObject &context)
{
    if (command == RemoteCommand::Status || command == RemoteCommand::Show)
        return remote.run(command);
    CommandReply reply = remote.check(command);
    if (reply.done) {
        // A timer of the context's: it goes with the context, and after its one shot.
        auto *next = new QTimer(&context);
        next->setSingleShot(true);
        QObject::connect(next, &QTimer::timeout, next, [next, &remote, command] {
            next->deleteLater();
            remote.run(command);
        });
        next->start(0);
    }
    return reply;
}

} // namespace tb
