#include "platform/qt/LocalSingleInstance.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tb {

namespace {

constexpr QByteArrayView kRaiseRequest("raise\n");
constexpr QByteArrayView kCommandRequest("command ");
// A command may open a question in the running copy before it answers.
constexpr int kAnswerTimeoutMs = 10000;
// What a running copy says first to each later start, so that no other program listening
// at the socket's name is taken for one.
constexpr QByteArrayView kGreeting("Tallybell is running\n");
constexpr int kConnectTimeoutMs = 500;
constexpr int kGreetingTimeoutMs = 1000;
constexpr int kWriteTimeoutMs = 1000;
constexpr mode_t kPrivateMode = S_IRWXU;
constexpr mode_t kPermissionBits = S_IRWXU | S_IRWXG | S_IRWXO;

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A real folder (not a link to one) of this user's that nobody else may enter.
bool isPrivateFolder(const QString &folder)
{
    struct stat info {
    };
    return QDir::isAbsolutePath(folder)
        && ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode)
        && info.st_uid == ::getuid() && (info.st_mode & kPermissionBits) == kPrivateMode;
}

// Makes `folder` this user's private folder, or checks that it is one: a real folder owned
// by the user, which is then closed to everybody else. Answers why not, or nothing.
QString makePrivateFolder(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    const uid_t uid = ::getuid();
    if (::mkdir(path.constData(), kPrivateMode) != 0 && errno != EEXIST)
        return QCoreApplication::translate("LocalSingleInstance", "%1 cannot be made: %2.")
            .arg(folder, errnoText(errno));

    struct stat info {
    };
    // Older versions kept their socket at the folder's name; one of ours left by a crash
    // makes way.
    if (::lstat(path.constData(), &info) == 0 && S_ISSOCK(info.st_mode) && info.st_uid == uid
        && ::unlink(path.constData()) == 0 && ::mkdir(path.constData(), kPrivateMode) != 0)
        return QCoreApplication::translate("LocalSingleInstance", "%1 cannot be made: %2.")
            .arg(folder, errnoText(errno));

    // Opened without following a link, so that what is checked and closed is what is used.
    const int fd
        = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (::lstat(path.constData(), &info) == 0 && S_ISLNK(info.st_mode))
            return QCoreApplication::translate("LocalSingleInstance", "%1 is a link, not a folder.")
                .arg(folder);
        if (::lstat(path.constData(), &info) == 0 && !S_ISDIR(info.st_mode))
            return QCoreApplication::translate("LocalSingleInstance", "%1 is not a folder.")
                .arg(folder);
        return QCoreApplication::translate("LocalSingleInstance", "%1 cannot be opened: %2.")
            .arg(folder, errnoText(error));
    }
    QString refusal;
    if (::fstat(fd, &info) != 0)
        refusal = QCoreApplication::translate("LocalSingleInstance", "%1 cannot be read: %2.")
                      .arg(folder, errnoText(errno));
    else if (info.st_uid != uid)
        refusal = QCoreApplication::translate("LocalSingleInstance", "%1 belongs to another user.")
                      .arg(folder);
    // Made by this user with other rights, or under a umask that took the user's own: once
    // closed, and once what it holds is checked, it is as good as new.
    else if ((info.st_mode & kPermissionBits) != kPrivateMode && ::fchmod(fd, kPrivateMode) != 0)
        refusal = QCoreApplication::translate("LocalSingleInstance",
                                              "%1 cannot be closed to other users: %2.")
                      .arg(folder, errnoText(errno));
    ::close(fd);
    return refusal;
}

} // namespace

LocalSingleInstance::LocalSingleInstance(QObject *parent)
    : LocalSingleInstance(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                          QStringLiteral("/tmp/tallybell-") + QString::number(::getuid()), parent)
{
}

LocalSingleInstance::LocalSingleInstance(const QString &runtimeFolder,
                                         const QString &fallbackFolder, QObject *parent)
    : QObject(parent), runtimeFolder_(runtimeFolder), fallbackFolder_(fallbackFolder)
{
}

LocalSingleInstance::~LocalSingleInstance() = default;

QString LocalSingleInstance::socketFileName()
{
    return QStringLiteral("tallybell-") + QString::number(::getuid()) + QStringLiteral(".socket");
}

bool LocalSingleInstance::isListening() const
{
    return server_ && server_->isListening();
}

InstanceCheck LocalSingleInstance::checkForRunningInstance()
{
    using Outcome = InstanceCheck::Outcome;
    if (isListening())
        return {Outcome::Proceed, {}};
    if (handedOver_)
        return {Outcome::HandedOver, {}};
    const QString refusal = findSafePlace();
    if (!refusal.isEmpty())
        return {Outcome::Refused, refusal.toStdString()};
    if (const Answer answer = askRunningInstance(kRaiseRequest); answer != Answer::None) {
        if (answer == Answer::Greeting) {
            handedOver_ = true;
            return {Outcome::HandedOver, {}};
        }
        const QString other = notTallybell();
        return {Outcome::Refused, other.toStdString()};
    }
    if (!listen()) {
        const QString cannotListen
            = QCoreApplication::translate("LocalSingleInstance",
                                          "%1 cannot be opened for later starts: %2.")
                  .arg(serverName_, server_->errorString());
        delete server_;
        server_ = nullptr;
        return {Outcome::Refused, cannotListen.toStdString()};
    }
    return {Outcome::Proceed, {}};
}

QString LocalSingleInstance::findSafePlace()
{
    serverName_.clear();
    QString folder = runtimeFolder_;
    if (!isPrivateFolder(folder)) {
        folder = fallbackFolder_;
        if (QString refusal = makePrivateFolder(folder); !refusal.isEmpty())
            return refusal;
    }
    const QString socket = QDir(folder).filePath(socketFileName());
    // Another user's file can be in the way of ours when the folder was open to others before
    // it was closed, or root put it there. Anything but a socket (a link to another program's,
    // say) is not connected through. Ours, a stale socket, is replaced.
    struct stat info {
    };
    if (::lstat(QFile::encodeName(socket).constData(), &info) == 0) {
        if (info.st_uid != ::getuid())
            return QCoreApplication::translate("LocalSingleInstance", "%1 belongs to another user.")
                .arg(socket);
        if (S_ISLNK(info.st_mode))
            return QCoreApplication::translate("LocalSingleInstance", "%1 is a link, not a socket.")
                .arg(socket);
        if (!S_ISSOCK(info.st_mode))
            return QCoreApplication::translate("LocalSingleInstance", "%1 is not a socket.")
                .arg(socket);
    }
    serverName_ = socket;
    return {};
}

QString LocalSingleInstance::notTallybell() const
{
    return QCoreApplication::translate("LocalSingleInstance",
                                       "%1 answers, but not as Tallybell does.")
        .arg(serverName_);
}

std::optional<LocalSingleInstance::CommandAnswer>
LocalSingleInstance::sendCommand(const QString &word, QString *problem)
{
    if (QString refusal = findSafePlace(); !refusal.isEmpty()) {
        *problem = refusal;
        return std::nullopt;
    }
    QByteArray reply;
    const QByteArray request = kCommandRequest.toByteArray() + word.toUtf8() + '\n';
    switch (askRunningInstance(request, &reply)) {
    case Answer::None:
        return std::nullopt;
    case Answer::Other:
        *problem = notTallybell();
        return std::nullopt;
    case Answer::Greeting:
        break;
    }
    const qsizetype lineEnd = reply.indexOf('\n');
    bool number = false;
    const int code = reply.left(lineEnd).toInt(&number);
    if (lineEnd < 0 || !number) {
        *problem = QCoreApplication::translate("LocalSingleInstance",
                                               "The running Tallybell did not answer.");
        return std::nullopt;
    }
    return CommandAnswer {code, reply.mid(lineEnd + 1)};
}

LocalSingleInstance::Answer LocalSingleInstance::askRunningInstance(QByteArrayView request,
                                                                    QByteArray *reply)
{
    // A local connection is accepted or refused at once, so the wait is only a safeguard.
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return Answer::None;
    while (!socket.canReadLine() && socket.bytesAvailable() < kGreeting.size()
           && socket.waitForReadyRead(kGreetingTimeoutMs)) { }
    if (socket.readLine(kGreeting.size() + 1) != kGreeting)
        return Answer::Other;
    socket.write(request.data(), request.size());
    socket.waitForBytesWritten(kWriteTimeoutMs);
    if (reply) {
        // The answer ends where the running copy hangs up.
        while (socket.state() == QLocalSocket::ConnectedState
               && socket.waitForReadyRead(kAnswerTimeoutMs))
            reply->append(socket.readAll());
        reply->append(socket.readAll());
        return Answer::Greeting;
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kWriteTimeoutMs);
    return Answer::Greeting;
}

bool LocalSingleInstance::listen()
{
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &LocalSingleInstance::acceptConnections);
    if (server_->listen(serverName_))
        return true;
    // Nobody answered, so a socket left in our own folder belongs to a program that has gone.
    if (server_->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(serverName_);
        if (server_->listen(serverName_))
            return true;
    }
    return false;
}

void LocalSingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        socket->write(kGreeting.data(), kGreeting.size());
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
        if (line.startsWith(kCommandRequest) && line.endsWith('\n')) {
            const QString word = QString::fromUtf8(line.mid(kCommandRequest.size()).chopped(1));
            const CommandAnswer answer
                = commandHandler_ ? commandHandler_(word) : CommandAnswer {1, QByteArray()};
            socket->write(QByteArray::number(answer.exitCode) + '\n' + answer.text);
            socket->disconnectFromServer();
            return;
        }
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
