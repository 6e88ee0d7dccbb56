#include "platform/qt/DBusNotifier.h"

#include <QDBusMessage>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <utility>

namespace tb {

namespace {

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

DBusNotifier::DBusNotifier(QDBusConnection bus) : bus_(std::move(bus))
{
}

void DBusNotifier::notify(const std::string &summary, const std::string &body)
{
    if (!bus_.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(1))); // normal
    call << QStringLiteral("Tallybell") // application name
         << uint(0) // replaces no earlier notification
         << QStringLiteral("tallybell") // icon name
         << fromUtf8(summary) << fromUtf8(body) << QStringList() // no actions
         << hints << -1; // shown as long as the desktop's own rule says
    // The answer, the notification's number, is of no use here. Sent without asking for one,
    // a missing service costs nothing and says nothing.
    bus_.send(call);
}

} // namespace tb
