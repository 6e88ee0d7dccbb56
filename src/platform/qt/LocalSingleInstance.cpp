#include "platform/qt/LocalSingleInstance.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

#include <unistd.h>

namespace tb {

namespace {

constexpr QByteArrayView kRaiseRequest("raise\n");
constexpr int kConnectTimeoutMs = 500;
constexpr int kWriteTimeoutMs = 1000;

} // namespace

LocalSingleInstance::LocalSingleInstance(QObject *parent)
    : LocalSingleInstance(defaultServerName(), parent)
{
}

LocalSingleInstance::LocalSingleInstance(const QString &serverName, QObject *parent)
    : QObject(parent), serverName_(serverName)
{
}

LocalSingleInstance::~LocalSingleInstance() = default;

QString LocalSingleInstance::defaultServerName()
{
    const QString uid = QString::number(::getuid());
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QFileInfo runtimeInfo(runtime);
    if (!runtime.isEmpty() && runtimeInfo.isDir() && runtimeInfo.isWritable()
        && runtimeInfo.ownerId() == ::getuid())
        return QDir(runtime).filePath(QStringLiteral("tallybell-") + uid
                                      + QStringLiteral(".socket"));
    return QStringLiteral("tallybell-") + uid;
}

bool LocalSingleInstance::isListening() const
{
    return server_ && server_->isListening();
}

bool LocalSingleInstance::handOverToRunningInstance()
{
    if (isListening())
        return false;
    if (askRunningInstance())
        return true;
    listen();
    return false;
}

bool LocalSingleInstance::askRunningInstance()
{
    // A local connection is accepted or refused at once, so the wait is only a safeguard.
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(kRaiseRequest.data(), kRaiseRequest.size());
    socket.waitForBytesWritten(kWriteTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kWriteTimeoutMs);
    return true;
}

bool LocalSingleInstance::listen()
{
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &LocalSingleInstance::acceptConnections);
    if (server_->listen(serverName_))
        return true;
    // Nobody answered, so a socket left here belongs to a program that has gone.
    if (server_->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(serverName_);
        if (server_->listen(serverName_))
            return true;
    }
    // Without a server this instance still runs; only later starts cannot find it.
    return false;
}

void LocalSingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        if (socket->bytesAvailable() > 0)
            readRequest(socket);
    }
}

void LocalSingleInstance::readRequest(QLocalSocket *socket)
{
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine(64);
        if (line == kRaiseRequest)
            Q_EMIT raiseRequested();
    }
    // Nothing longer than a request is expected from a peer.
    if (socket->bytesAvailable() > 64)
        socket->abort();
}

void restoreAndRaise(QWidget *window)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace tb
