#pragma once

#include <QDBusContext>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

namespace tb {

class RemoteControl;

// org.freedesktop.Application on the session bus under the program's id: the launcher's
// actions ("start-stop", "pause", "next", "show") reach the session as the window's buttons.
class DBusApplication final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    DBusApplication(RemoteControl &remote, QObject *parent = nullptr);

    // Takes `appId` on the session bus and serves its object path. False without a bus or
    // when the name is taken.
    bool registerAs(const QString &appId);

public Q_SLOTS:
    void Activate(const QVariantMap &platformData);
    void Open(const QStringList &uris, const QVariantMap &platformData);
    void ActivateAction(const QString &action, const QVariantList &parameter,
                        const QVariantMap &platformData);

private:
    RemoteControl &remote_;
};

} // namespace tb
