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
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using tb::LocalSingleInstance;

namespace {

QString socketIn(const tb::test::TempDir &dir)
{
    return QString::fromStdString(dir.file("instance.socket"));
}

// What a program that crashed leaves behind: a socket file nobody listens on any more.
void leaveStaleSocket(const std::string &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof(address.sun_path));
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ASSERT_EQ(::listen(fd, 1), 0);
    ::close(fd);
    struct stat info {
    };
    ASSERT_EQ(::lstat(path.c_str(), &info), 0);
    ASSERT_TRUE(S_ISSOCK(info.st_mode));
}

} // namespace

TEST(SingleInstance, FirstListensSecondHandsOverAndFirstIsAskedToRaise)
{
    tb::test::TempDir dir;
    LocalSingleInstance first(socketIn(dir));
    int raised = 0;
    QObject::connect(&first, &LocalSingleInstance::raiseRequested, [&] { ++raised; });

    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(first.handOverToRunningInstance());
    EXPECT_LT(timer.elapsed(), 1500);
    EXPECT_TRUE(first.isListening());
    // Asking again from the first instance itself does not make it its own second.
    EXPECT_FALSE(first.handOverToRunningInstance());

    LocalSingleInstance second(socketIn(dir));
    timer.restart();
    EXPECT_TRUE(second.handOverToRunningInstance());
    EXPECT_LT(timer.elapsed(), 1500);
    EXPECT_FALSE(second.isListening());

    EXPECT_TRUE(QTest::qWaitFor([&] { return raised == 1; }, 5000));

    LocalSingleInstance third(socketIn(dir));
    EXPECT_TRUE(third.handOverToRunningInstance());
    EXPECT_TRUE(QTest::qWaitFor([&] { return raised == 2; }, 5000));
    EXPECT_TRUE(first.isListening());
}

TEST(SingleInstance, OnlyTheSameUserMayConnect)
{
    tb::test::TempDir dir;
    LocalSingleInstance first(socketIn(dir));
    ASSERT_FALSE(first.handOverToRunningInstance());
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

    LocalSingleInstance fresh(socketIn(dir));
    int raised = 0;
    QObject::connect(&fresh, &LocalSingleInstance::raiseRequested, [&] { ++raised; });
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(fresh.handOverToRunningInstance());
    EXPECT_LT(timer.elapsed(), 1500);
    EXPECT_TRUE(fresh.isListening());

    // And the new program is now the one a later start finds.
    LocalSingleInstance later(socketIn(dir));
    EXPECT_TRUE(later.handOverToRunningInstance());
    EXPECT_TRUE(QTest::qWaitFor([&] { return raised == 1; }, 5000));
}

TEST(SingleInstance, EndedProgramLeavesTheWayFree)
{
    tb::test::TempDir dir;
    {
        LocalSingleInstance first(socketIn(dir));
        ASSERT_FALSE(first.handOverToRunningInstance());
    }
    LocalSingleInstance next(socketIn(dir));
    EXPECT_FALSE(next.handOverToRunningInstance());
    EXPECT_TRUE(next.isListening());
}

TEST(SingleInstance, OtherTrafficOnTheSocketIsNoRaiseRequest)
{
    tb::test::TempDir dir;
    LocalSingleInstance first(socketIn(dir));
    int raised = 0;
    QObject::connect(&first, &LocalSingleInstance::raiseRequested, [&] { ++raised; });
    ASSERT_FALSE(first.handOverToRunningInstance());

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
    LocalSingleInstance second(socketIn(dir));
    EXPECT_TRUE(second.handOverToRunningInstance());
    EXPECT_TRUE(QTest::qWaitFor([&] { return raised >= 1; }, 5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(raised, 1);
}

TEST(SingleInstance, DefaultNameIsPerUser)
{
    const QString name = LocalSingleInstance::defaultServerName();
    EXPECT_TRUE(name.contains(QString::number(::getuid()))) << name.toStdString();
    EXPECT_EQ(LocalSingleInstance().serverName(), name);
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
