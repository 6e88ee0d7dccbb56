#include "platform/qt/LocalSingleInstance.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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

// A file descriptor closed with its owner.
class Descriptor
{
public:
    explicit Descriptor(int fd) : fd_(fd) { }
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// The socket's address; false when the path is too long for one.
bool socketAddress(const QString &path, sockaddr_un &address)
{
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || static_cast<std::size_t>(name.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    return true;
}

const sockaddr *asAddress(const sockaddr_un &address)
{
    return reinterpret_cast<const sockaddr *>(&address);
}

// Waits until `fd` can be read (or written): false when the time is up first.
bool waitFor(int fd, short events, int timeoutMs)
{
    pollfd watched {fd, events, 0};
    int ready = 0;
    do
        ready = ::poll(&watched, 1, timeoutMs);
    while (ready < 0 && errno == EINTR);
    return ready > 0;
}

// Sends what the socket takes now of `bytes`, which loses it from its front: false when the
// connection has failed.
bool sendSome(int fd, QByteArray &bytes)
{
    while (!bytes.isEmpty()) {
        const ssize_t sent
            = ::send(fd, bytes.constData(), static_cast<std::size_t>(bytes.size()), MSG_NOSIGNAL);
        if (sent > 0)
            bytes.remove(0, sent);
        else if (sent >= 0 || errno != EINTR)
            return sent < 0 && errno == EAGAIN;
    }
    return true;
}

// Sends all of `bytes`, waiting at most `timeoutMs` each time the socket is full.
bool sendAll(int fd, QByteArray bytes, int timeoutMs)
{
    while (sendSome(fd, bytes) && !bytes.isEmpty())
        if (!waitFor(fd, POLLOUT, timeoutMs))
            return false;
    return bytes.isEmpty();
}

// Appends what can be read from `fd` now to `to`: false when the peer has hung up (or the
// connection failed) and nothing more will come.
bool receive(int fd, QByteArray &to)
{
    char buffer[512];
    for (;;) {
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got > 0)
            to.append(buffer, got);
        else if (got < 0 && errno == EINTR)
            continue;
        else
            return got < 0 && errno == EAGAIN;
        // Nothing sent to us is longer than a line or two: more is no request.
        if (to.size() > 4096)
            return false;
    }
}

// One connection of a later start: it is greeted, what it sends is answered as it arrives,
// and the connection ends once the answer is out or when the peer hangs up.
class Peer final : public QObject
{
public:
    // Answers what has arrived; true when the connection is done with.
    using Handler = std::function<bool(QByteArray &received, QByteArray &answer)>;

    Peer(int fd, QByteArrayView greeting, Handler handler, QObject *parent)
        : QObject(parent), fd_(fd), reading_(fd, QSocketNotifier::Read),
          writing_(fd, QSocketNotifier::Write), handler_(std::move(handler)),
          out_(greeting.toByteArray())
    {
        connect(&reading_, &QSocketNotifier::activated, this, &Peer::read);
        connect(&writing_, &QSocketNotifier::activated, this, &Peer::write);
        write();
    }

private:
    void read()
    {
        const bool open = receive(fd_.get(), in_);
        // The answer may wait for a question to the user: meanwhile nothing more is read.
        reading_.setEnabled(false);
        done_ = handler_(in_, out_) || !open;
        if (!done_)
            reading_.setEnabled(true);
        write();
    }

    void write()
    {
        if (!sendSome(fd_.get(), out_)) {
            out_.clear();
            done_ = true;
        }
        writing_.setEnabled(!out_.isEmpty());
        if (out_.isEmpty() && done_) {
            reading_.setEnabled(false);
            deleteLater();
        }
    }

    Descriptor fd_;
    QSocketNotifier reading_;
    QSocketNotifier writing_;
    Handler handler_;
    QByteArray in_;
    QByteArray out_;
    bool done_ = false;
};

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

LocalSingleInstance::~LocalSingleInstance()
{
    if (listening_ < 0)
        return;
    delete connections_;
    ::close(listening_);
    // The socket goes with the program that listened at it.
    ::unlink(QFile::encodeName(serverName_).constData());
}

QString LocalSingleInstance::socketFileName()
{
    return QStringLiteral("tallybell-") + QString::number(::getuid()) + QStringLiteral(".socket");
}

bool LocalSingleInstance::isListening() const
{
    return listening_ >= 0;
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
    if (const QString why = listen(); !why.isEmpty()) {
        const QString cannotListen
            = QCoreApplication::translate("LocalSingleInstance",
                                          "%1 cannot be opened for later starts: %2.")
                  .arg(serverName_, why);
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
    sockaddr_un address;
    if (!socketAddress(serverName_, address))
        return Answer::None;
    const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0)
        return Answer::None;
    // A local connection is accepted or refused at once; only a full queue of a busy
    // running copy is waited for, a moment.
    const auto giveUp
        = std::chrono::steady_clock::now() + std::chrono::milliseconds(kConnectTimeoutMs);
    while (::connect(socket.get(), asAddress(address), sizeof address) != 0) {
        if (errno != EINTR && (errno != EAGAIN || std::chrono::steady_clock::now() > giveUp))
            return Answer::None;
        if (errno == EAGAIN)
            ::poll(nullptr, 0, 10);
    }
    QByteArray received;
    while (!received.contains('\n') && received.size() < kGreeting.size()
           && waitFor(socket.get(), POLLIN, kGreetingTimeoutMs)
           && receive(socket.get(), received)) { }
    if (received.left(kGreeting.size()) != kGreeting)
        return Answer::Other;
    received.remove(0, kGreeting.size());
    if (!sendAll(socket.get(), request.toByteArray(), kWriteTimeoutMs) || !reply)
        return Answer::Greeting;
    // The answer ends where the running copy hangs up.
    while (waitFor(socket.get(), POLLIN, kAnswerTimeoutMs) && receive(socket.get(), received)) { }
    *reply = received;
    return Answer::Greeting;
}

QString LocalSingleInstance::listen()
{
    sockaddr_un address;
    if (!socketAddress(serverName_, address))
        return errnoText(ENAMETOOLONG);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return errnoText(errno);
    bool bound = ::bind(fd, asAddress(address), sizeof address) == 0;
    // Nobody answered, so a socket left in our own folder belongs to a program that has gone.
    if (!bound && errno == EADDRINUSE && ::unlink(address.sun_path) == 0)
        bound = ::bind(fd, asAddress(address), sizeof address) == 0;
    if (!bound || ::chmod(address.sun_path, S_IRWXU) != 0 || ::listen(fd, SOMAXCONN) != 0) {
        const int error = errno;
        ::close(fd);
        return errnoText(error);
    }
    listening_ = fd;
    connections_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(connections_, &QSocketNotifier::activated, this,
            &LocalSingleInstance::acceptConnections);
    return {};
}

void LocalSingleInstance::acceptConnections()
{
    for (;;) {
        const int fd = ::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0 && errno == EINTR)
            continue;
        if (fd < 0)
            return;
        new Peer(
            fd, kGreeting,
            [this](QByteArray &received, QByteArray &answer) {
                return readRequest(received, answer);
            },
            this);
    }
}

bool LocalSingleInstance::readRequest(QByteArray &received, QByteArray &answer)
{
    // Requests are short lines: anything longer is no request, and the peer is let go.
    constexpr qsizetype kLongestLine = 64;
    for (qsizetype end = received.indexOf('\n'); end >= 0; end = received.indexOf('\n')) {
        if (end >= kLongestLine)
            break;
        const QByteArray line = received.left(end + 1);
        received.remove(0, end + 1);
        if (line == kRaiseRequest)
            Q_EMIT raiseRequested();
        if (line.startsWith(kCommandRequest)) {
            const QString word = QString::fromUtf8(line.mid(kCommandRequest.size()).chopped(1));
            const CommandAnswer result
                = commandHandler_ ? commandHandler_(word) : CommandAnswer {1, QByteArray()};
            answer += QByteArray::number(result.exitCode) + '\n' + result.text;
            return true;
        }
    }
    if (received.size() < kLongestLine)
        return false;
    answer.clear();
    return true;
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
