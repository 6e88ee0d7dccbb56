#pragma once

#include "platform/ScreenSaver.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <optional>

class QDBusPendingCallWatcher;

namespace tb {

// Holds the desktop's screen saver off through the freedesktop.org screen-saver service on
// the session bus: Inhibit keeps a cookie, UnInhibit hands it back. No call waits for its
// answer, so a slow or hung service never holds up the window: the hold begins when the
// answer to Inhibit comes, on the event loop. Without a bus or without the service nothing
// happens.
class DBusScreenSaver : public ScreenSaver
{
public:
    explicit DBusScreenSaver(QDBusConnection bus = QDBusConnection::sessionBus());
    ~DBusScreenSaver() override;
    DBusScreenSaver(const DBusScreenSaver &) = delete;
    DBusScreenSaver &operator=(const DBusScreenSaver &) = delete;

    void blank() override;
    void restore() override;

    // True while the service has handed out a cookie that is not handed back yet.
    bool isHolding() const { return cookie_.has_value(); }
    // True while an Inhibit has not been answered.
    bool isAsking() const { return asking_ != nullptr; }

private:
    void ask(int pathIndex);
    void answered(QDBusPendingCallWatcher *watcher, int pathIndex);
    void release(const QString &path, uint cookie);

    QDBusConnection bus_;
    // What the session asked for last; an answer that comes after a restore() is let go.
    bool wanted_ = false;
    std::optional<uint> cookie_;
    QString heldAtPath_;
    QDBusPendingCallWatcher *asking_ = nullptr;
    // Parent of the watchers of unanswered calls: they go with this object, so an answer
    // that comes later finds nobody to call back.
    QObject calls_;
};

} // namespace tb
