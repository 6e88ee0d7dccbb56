#include "platform/qt/DBusScreenSaver.h"

#include <QCoreApplication>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <iterator>
#include <utility>

namespace tb {

namespace {

constexpr auto service = QLatin1StringView("org.freedesktop.ScreenSaver");
constexpr auto interfaceName = QLatin1StringView("org.freedesktop.ScreenSaver");
// Desktops publish the service at the first path; some older ones only at the second.
constexpr QLatin1StringView paths[]
    = {QLatin1StringView("/org/freedesktop/ScreenSaver"), QLatin1StringView("/ScreenSaver")};
constexpr int pathCount = static_cast<int>(std::size(paths));

// Only a missing object or method is worth a try at the other path; no service, or no
// answer in time, means there is nobody to ask.
bool worthAnotherPath(QDBusError::ErrorType error)
{
    return error == QDBusError::UnknownObject || error == QDBusError::UnknownMethod
        || error == QDBusError::UnknownInterface;
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
    wanted_ = true;
    if (cookie_ || asking_ || !bus_.isConnected())
        return;
    ask(0);
}

void DBusScreenSaver::restore()
{
    wanted_ = false;
    if (!cookie_)
        return;
    const uint cookie = *cookie_;
    cookie_.reset();
    release(heldAtPath_, cookie);
}

void DBusScreenSaver::ask(int pathIndex)
{
    const QLatin1StringView path = paths[pathIndex];
    QDBusMessage call
        = QDBusMessage::createMethodCall(service, path, interfaceName, QStringLiteral("Inhibit"));
    call << QStringLiteral("Tallybell")
         << QCoreApplication::translate("DBusScreenSaver", "A practice session is running");
    asking_ = new QDBusPendingCallWatcher(bus_.asyncCall(call), &calls_);
    QObject::connect(
        asking_, &QDBusPendingCallWatcher::finished, &calls_,
        [this, pathIndex](QDBusPendingCallWatcher *watcher) { answered(watcher, pathIndex); });
}

void DBusScreenSaver::answered(QDBusPendingCallWatcher *watcher, int pathIndex)
{
    watcher->deleteLater();
    asking_ = nullptr;
    const QDBusPendingReply<uint> reply = *watcher;
    if (reply.isError()) {
        if (wanted_ && pathIndex + 1 < pathCount && worthAnotherPath(reply.error().type()))
            ask(pathIndex + 1);
        return;
    }
    const QString path = paths[pathIndex];
    if (wanted_) {
        cookie_ = reply.value();
        heldAtPath_ = path;
    } else {
        // Paused or stopped while the service was thinking: it is not wanted any more.
        release(path, reply.value());
    }
}

void DBusScreenSaver::release(const QString &path, uint cookie)
{
    if (!bus_.isConnected())
        return;
    QDBusMessage call
        = QDBusMessage::createMethodCall(service, path, interfaceName, QStringLiteral("UnInhibit"));
    call << cookie;
    // Nothing follows from the answer, so nobody waits for it.
    bus_.send(call);
}

} // namespace tb
