#pragma once

#include "platform/ScreenSaver.h"

#include <QDBusConnection>
#include <QString>

#include <optional>

namespace tb {

// Holds the desktop's screen saver off through the freedesktop.org screen-saver service on
// the session bus: Inhibit keeps a cookie, UnInhibit hands it back. Without a bus or
// without the service nothing happens; no call waits longer than callTimeoutMs.
class DBusScreenSaver : public ScreenSaver
{
public:
    static constexpr int callTimeoutMs = 1500;

    explicit DBusScreenSaver(QDBusConnection bus = QDBusConnection::sessionBus());
    ~DBusScreenSaver() override;
    DBusScreenSaver(const DBusScreenSaver &) = delete;
    DBusScreenSaver &operator=(const DBusScreenSaver &) = delete;

    void blank() override;
    void restore() override;

    bool isHolding() const { return cookie_.has_value(); }

private:
    QDBusConnection bus_;
    std::optional<uint> cookie_;
    QString heldAtPath_;
};

} // namespace tb
