#include "remote/qt/DBusApplication.h"

#include "remote/qt/QueuedCommand.h"

#include <QDBusConnection>
#include <QDBusError>

#include <array>
#include <utility>

namespace tb {
namespace {

constexpr std::array<std::pair<const char *, RemoteCommand>, 4> kActions {{
    {"start-stop", RemoteCommand::StartStop},
    {"pause", RemoteCommand::TogglePause},
    {"next", RemoteCommand::Next},
    {"show", RemoteCommand::Show},
}};

// "org.example.Name" is served at "/org/example/Name".
QString objectPathOf(const QString &appId)
{
    return u'/' + QString(appId).replace(u'.', u'/').replace(u'-', u'_');
}

} // namespace

DBusApplication::DBusApplication(RemoteControl &remote, QObject *parent)
    : QObject(parent), remote_(remote)
{
}

bool DBusApplication::registerAs(const QString &appId)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected()
        && bus.registerObject(objectPathOf(appId), this, QDBusConnection::ExportAllSlots)
        && bus.registerService(appId);
}

void DBusApplication::Activate(const QVariantMap &)
{
    remote_.run(RemoteCommand::Show);
}

void DBusApplication::Open(const QStringList &, const QVariantMap &)
{
    remote_.run(RemoteCommand::Show);
}

void DBusApplication::ActivateAction(const QString &action, const QVariantList &,
                                     const QVariantMap &)
{
    for (const auto &[name, command] : kActions) {
        if (action == QLatin1StringView(name)) {
            // A refused action is as a click on a disabled button: nothing happens.
            queueCommand(remote_, command, *this);
            return;
        }
    }
    sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("No action ") + action);
}

} // namespace tb
