#include "platform/qt/DBusScreenSaver.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QStringList>
#include <QVariant>

#include <utility>

namespace tb {

namespace {

constexpr auto service = QLatin1StringView("org.freedesktop.ScreenSaver");
constexpr auto interfaceName = QLatin1StringView("org.freedesktop.ScreenSaver");
// Desktops publish the service at the first path; some older ones only at the second.
constexpr QLatin1StringView paths[]
    = {QLatin1StringView("/org/freedesktop/ScreenSaver"), QLatin1StringView("/ScreenSaver")};

// Asks the bus itself, which always answers, whether anyone offers the service. Calling a
// missing service would also do no harm, but Qt may then print a warning as the program ends.
bool serviceAvailable(const QDBusConnection &bus, int timeoutMs)
{
    const QString busService = QStringLiteral("org.freedesktop.DBus");
    const QString busPath = QStringLiteral("/org/freedesktop/DBus");
    QDBusMessage owner = QDBusMessage::createMethodCall(busService, busPath, busService,
                                                        QStringLiteral("NameHasOwner"));
    owner << service;
    QDBusMessage reply = bus.call(owner, QDBus::Block, timeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool())
        return true;
    // Not running yet, but the bus may start it on the first call.
    const QDBusMessage activatable = QDBusMessage::createMethodCall(
        busService, busPath, busService, QStringLiteral("ListActivatableNames"));
    reply = bus.call(activatable, QDBus::Block, timeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage
        && reply.arguments().value(0).toStringList().contains(service);
}

} // namespace

DBusScreenSaver::DBusScreenSaver(QDBusConnection bus) : bus_(std::move(bus))
{
}

DBusScreenSaver::~DBusScreenSaver()
{
    DBusScreenSaver::restore();
}

void DBusScreenSaver::blank()
{
    if (cookie_ || !bus_.isConnected() || !serviceAvailable(bus_, callTimeoutMs))
        return;
    for (const QLatin1StringView path : paths) {
        QDBusMessage call = QDBusMessage::createMethodCall(service, path, interfaceName,
                                                           QStringLiteral("Inhibit"));
        call << QStringLiteral("Tallybell") << QStringLiteral("A practice session is running");
        const QDBusMessage reply = bus_.call(call, QDBus::Block, callTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage) {
            const QList<QVariant> args = reply.arguments();
            if (args.size() == 1 && args.first().canConvert<uint>()) {
                cookie_ = args.first().toUInt();
                heldAtPath_ = path;
            }
            return;
        }
        // Only a missing object or method is worth a try at the other path; no service or
        // no answer in time means there is nobody to ask.
        const QDBusError::ErrorType error = reply.type() == QDBusMessage::ErrorMessage
            ? QDBusError(reply).type()
            : QDBusError::Other;
        if (error != QDBusError::UnknownObject && error != QDBusError::UnknownMethod
            && error != QDBusError::UnknownInterface)
            return;
    }
}

void DBusScreenSaver::restore()
{
    if (!cookie_)
        return;
    const uint cookie = *cookie_;
    cookie_.reset();
    if (!bus_.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(service, heldAtPath_, interfaceName,
                                                       QStringLiteral("UnInhibit"));
    call << cookie;
    bus_.call(call, QDBus::Block, callTimeoutMs);
}

} // namespace tb
