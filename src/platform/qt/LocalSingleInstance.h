#pragma once

#include "platform/SingleInstance.h"

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QWidget;

namespace tb {

// One running program per user, over a local socket that only the same user may reach.
// The first instance listens; a later one connects, sends a raise request and ends. The
// first instance then emits raiseRequested(), which the main window answers by coming
// back from the task bar and to the front (restoreAndRaise below).
class LocalSingleInstance final : public QObject, public SingleInstance
{
    Q_OBJECT
public:
    // Uses defaultServerName().
    explicit LocalSingleInstance(QObject *parent = nullptr);
    // `serverName` is a plain name (placed in the system's temporary folder) or an absolute
    // socket path.
    explicit LocalSingleInstance(const QString &serverName, QObject *parent = nullptr);
    ~LocalSingleInstance() override;

    bool handOverToRunningInstance() override;

    // True once this instance listens for later starts.
    bool isListening() const;
    QString serverName() const { return serverName_; }

    // A socket path in the user's private runtime folder when there is one, else a name
    // holding the user id in the temporary folder.
    static QString defaultServerName();

Q_SIGNALS:
    void raiseRequested();

private:
    bool askRunningInstance();
    bool listen();
    void acceptConnections();
    void readRequest(QLocalSocket *socket);

    QString serverName_;
    QLocalServer *server_ = nullptr;
};

// Un-minimises `window`, shows it and brings it to the front with the input focus.
void restoreAndRaise(QWidget *window);

} // namespace tb
