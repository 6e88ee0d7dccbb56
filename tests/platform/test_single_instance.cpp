#include "platform/qt/LocalSingleInstance.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QString>
#include <QWidget>
#include <QtCore/qtestsupport_core.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;
using tb::LocalSingleInstance;
using Outcome = tb::InstanceCheck::Outcome;

namespace {

// An instance whose socket goes into `dir`, a private folder of the user's.
LocalSingleInstance instanceIn(const tb::test::TempDir &dir)
{
    return LocalSingleInstance(QString(), QString::fromStdString(dir.path().string()));
}

Outcome check(LocalSingleInstance &instance)
{
    return instance.checkForRunningInstance().outcome;
}

QString socketIn(const tb::test::TempDir &dir)
{
    return QString::fromStdString(dir.file(LocalSingleInstance::socketFileName().toStdString()));
}

// A socket file at `path` that is listened on; closing the answer leaves what a program that
// crashed leaves behind: a socket file nobody listens on any more.
int listenAt(const fs::path &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const std::string name = path.string();
    if (fd < 0 || name.size() >= sizeof(address.sun_path))
        throw std::runtime_error("cannot make a socket at " + name);
    std::memcpy(address.sun_path, name.c_str(), name.size() + 1);
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0
        || ::listen(fd, 1) != 0)
        throw std::runtime_error("cannot listen at " + name);
    return fd;
}

void leaveStaleSocket(const fs::path &path)
{
    ::close(listenAt(path));
}

void makeFolder(const fs::path &path, mode_t mode)
{
    fs::create_directory(path);
    if (::chmod(path.c_str(), mode) != 0)
        throw std::runtime_error("cannot set the rights of " + path.string());
}

void giveAway(const fs::path &path)
{
    if (::lchown(path.c_str(), 65534, 65534) != 0)
        throw std::runtime_error("cannot give away " + path.string());
}

} // namespace

TEST(SingleInstance, SocketOnlyInAPrivateFolderOfTheUsersOwn)
{
    enum class Where { Runtime, Fallback, Refused };
    struct Row {
        const char *what;
        std::function<void(const fs::path &runtime, const fs::path &fallback)> prepare;
        Where where;
        bool onlyAsRoot = false;
    };
    int foreignListener = -1;
    const Row rows[] = {
        {"private runtime folder", [](auto &r, auto &) { makeFolder(r, 0700); }, Where::Runtime},
        {"runtime folder open to others", [](auto &r, auto &) { makeFolder(r, 0755); },
         Where::Fallback},
        {"runtime folder a link to a private one",
         [](auto &r, auto &f) {
             makeFolder(f, 0700);
             fs::create_directory_symlink(f, r);
         },
         Where::Fallback},
        {"fallback missing: made", [](auto &, auto &) {}, Where::Fallback},
        {"fallback ours and private", [](auto &, auto &f) { makeFolder(f, 0700); },
         Where::Fallback},
        {"fallback ours but open: closed", [](auto &, auto &f) { makeFolder(f, 0755); },
         Where::Fallback},
        {"fallback a socket an older version left", [](auto &, auto &f) { leaveStaleSocket(f); },
         Where::Fallback},
        {"fallback a link to a private folder",
         [](auto &, auto &f) {
             makeFolder(f.string() + "-target", 0700);
             fs::create_directory_symlink(f.string() + "-target", f);
         },
         Where::Refused},
        {"fallback a plain file", [](auto &, auto &f) { tb::test::writeFile(f, "x"); },
         Where::Refused},
        {"fallback another user's",
         [](auto &, auto &f) {
             makeFolder(f, 0700);
             giveAway(f);
         },
         Where::Refused, true},
        {"another user listens in our open fallback",
         [&](auto &, auto &f) {
             makeFolder(f, 0777);
             foreignListener = listenAt(f / LocalSingleInstance::socketFileName().toStdString());
             giveAway(f / LocalSingleInstance::socketFileName().toStdString());
         },
         Where::Refused, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        if (row.onlyAsRoot && ::getuid() != 0)
            continue;
        tb::test::TempDir dir;
        const fs::path runtime = dir.path() / "run";
        const fs::path fallback = dir.path() / "tallybell";
        row.prepare(runtime, fallback);

        LocalSingleInstance instance(QString::fromStdString(runtime.string()),
                                     QString::fromStdString(fallback.string()));
        const tb::InstanceCheck check = instance.checkForRunningInstance();
        if (foreignListener >= 0)
            ::close(std::exchange(foreignListener, -1));
        if (row.where == Where::Refused) {
            EXPECT_EQ(check.outcome, Outcome::Refused);
            EXPECT_NE(check.reason.find(fallback.string()), std::string::npos) << check.reason;
            EXPECT_FALSE(instance.isListening());
            continue;
        }
        EXPECT_EQ(check.outcome, Outcome::Proceed) << check.reason;
        EXPECT_TRUE(instance.isListening());
        const fs::path folder = row.where == Where::Runtime ? runtime : fallback;
        EXPECT_EQ(fs::path(instance.serverName().toStdString()).parent_path(), folder);
        struct stat info {
        };
        EXPECT_EQ(::lstat(folder.c_str(), &info), 0);
        EXPECT_TRUE(S_ISDIR(info.st_mode));
        EXPECT_EQ(info.st_uid, ::getuid());
        EXPECT_EQ(info.st_mode & 07777, 0700u);
    }
}

TEST(SingleInstance, FirstListensSecondHandsOverAndFirstIsAskedToRaise)
{
    tb::test::TempDir dir;
    LocalSingleInstance first = instanceIn(dir);
    int raised = 0;
    QObject::connect(&first, &LocalSingleInstance::raiseRequested, [&] { ++raised; });

    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(check(first), Outcome::Proceed);
    EXPECT_LT(timer.elapsed(), 1500);
    EXPECT_TRUE(first.isListening());
    // Asking again from the first instance itself does not make it its own second.
    EXPECT_EQ(check(first), Outcome::Proceed);

    LocalSingleInstance second = instanceIn(dir);
    timer.restart();
    EXPECT_EQ(check(second), Outcome::HandedOver);
    EXPECT_LT(timer.elapsed(), 1500);
    EXPECT_FALSE(second.isListening());

    EXPECT_TRUE(QTest::qWaitFor([&] { return raised == 1; }, 5000));

    LocalSingleInstance third = instanceIn(dir);
    EXPECT_EQ(check(third), Outcome::HandedOver);
    EXPECT_TRUE(QTest::qWaitFor([&] { return raised == 2; }, 5000));
    EXPECT_TRUE(first.isListening());
}

TEST(SingleInstance, OnlyTheSameUserMayConnect)
{
    tb::test::TempDir dir;
    LocalSingleInstance first = instanceIn(dir);
    ASSERT_EQ(check(first), Outcome::Proceed);
    struct stat info {
    };
    ASSERT_EQ(::lstat(socketIn(dir).toStdString().c_str(), &info), 0);
    EXPECT_TRUE(S_ISSOCK(info.st_mode));
    EXPECT_EQ(info.st_uid, ::getuid());
    EXPECT_EQ(info.st_mode & (S_IRWXG | S_IRWXO), 0u);
}

TEST(SingleInstance, StaleSocketOfACrashedProgramDoesNotBlockANewStart)
{
    tb::test::TempDir dir;
    leaveStaleSocket(socketIn(dir).toStdString());

    LocalSingleInstance fresh = instanceIn(dir);
    int raised = 0;
    QObject::connect(&fresh, &LocalSingleInstance::raiseRequested, [&] { ++raised; });
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(check(fresh), Outcome::Proceed);
    EXPECT_LT(timer.elapsed(), 1500);
    EXPECT_TRUE(fresh.isListening());

    // And the new program is now the one a later start finds.
    LocalSingleInstance later = instanceIn(dir);
    EXPECT_EQ(check(later), Outcome::HandedOver);
    EXPECT_TRUE(QTest::qWaitFor([&] { return raised == 1; }, 5000));
}

TEST(SingleInstance, EndedProgramLeavesTheWayFree)
{
    tb::test::TempDir dir;
    {
        LocalSingleInstance first = instanceIn(dir);
        ASSERT_EQ(check(first), Outcome::Proceed);
    }
    LocalSingleInstance next = instanceIn(dir);
    EXPECT_EQ(check(next), Outcome::Proceed);
    EXPECT_TRUE(next.isListening());
}

TEST(SingleInstance, OtherTrafficOnTheSocketIsNoRaiseRequest)
{
    tb::test::TempDir dir;
    LocalSingleInstance first = instanceIn(dir);
    int raised = 0;
    QObject::connect(&first, &LocalSingleInstance::raiseRequested, [&] { ++raised; });
    ASSERT_EQ(check(first), Outcome::Proceed);

    // A peer that talks at length without a request is cut off.
    QLocalSocket chatty;
    chatty.connectToServer(socketIn(dir));
    ASSERT_TRUE(chatty.waitForConnected(1000));
    chatty.write(QByteArray(200, 'x'));
    chatty.flush();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return chatty.state() == QLocalSocket::UnconnectedState; }, 5000));

    // Lines that are not exactly the request do nothing.
    QLocalSocket stranger;
    stranger.connectToServer(socketIn(dir));
    ASSERT_TRUE(stranger.waitForConnected(1000));
    stranger.write(QByteArrayLiteral("hello\nraise\r\nRAISE\n raise\n"));
    stranger.flush();
    stranger.disconnectFromServer();

    // A proper request on another connection is still answered, once.
    LocalSingleInstance second = instanceIn(dir);
    EXPECT_EQ(check(second), Outcome::HandedOver);
    EXPECT_TRUE(QTest::qWaitFor([&] { return raised >= 1; }, 5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(raised, 1);
}

TEST(SingleInstance, RestoreAndRaiseBringsAMinimisedWindowBack)
{
    QWidget window;
    window.showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isMinimized(); }, 2000));
    tb::restoreAndRaise(&window);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isMinimized() && window.isVisible(); }, 2000));
    tb::restoreAndRaise(nullptr);
}
