#pragma once

#include "platform/Notifier.h"

#include <QDBusConnection>

namespace tb {

// Desktop notifications through the freedesktop.org notification service on the session
// bus. The call is sent and not waited for; without a bus or without the service nothing
// happens and nothing is printed.
class DBusNotifier : public Notifier
{
public:
    explicit DBusNotifier(QDBusConnection bus = QDBusConnection::sessionBus());

    void notify(const std::string &summary, const std::string &body) override;

private:
    QDBusConnection bus_;
};

} // namespace tb
