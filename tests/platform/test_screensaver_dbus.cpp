// Runs on a private session bus (dbus-run-session), where the test itself offers the
// desktop's screen-saver service and records every call it receives.

#include "platform/qt/DBusScreenSaver.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace tb {
namespace {

const QString serviceName = QStringLiteral("org.freedesktop.ScreenSaver");

struct ServiceCall {
    QString path;
    QString method;
    QString application;
    QString reason;
    uint cookie = 0; // returned by Inhibit, received by UnInhibit
};

enum class Answer { AtOnce, AfterASecond, Never };

// Answers Inhibit and UnInhibit like a desktop would, handing out a new cookie each time,
// or like a busy one a second later, or records the call and never answers.
class FakeScreenSaverService : public QDBusVirtualObject
{
public:
    explicit FakeScreenSaverService(QString path, Answer answer = Answer::AtOnce)
        : path_(std::move(path)), answer_(answer)
    {
    }

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (message.interface() != serviceName)
            return false;
        const QList<QVariant> args = message.arguments();
        ServiceCall call {path_, message.member(), {}, {}, 0};
        QDBusMessage reply;
        if (message.member() == QStringLiteral("Inhibit")
            && message.signature() == QStringLiteral("ss")) {
            call.application = args.at(0).toString();
            call.reason = args.at(1).toString();
            call.cookie = nextCookie_++;
            reply = message.createReply(QVariant::fromValue(call.cookie));
        } else if (message.member() == QStringLiteral("UnInhibit")
                   && message.signature() == QStringLiteral("u")) {
            call.cookie = args.at(0).toUInt();
            reply = message.createReply();
        } else {
            return false;
        }
        {
            std::lock_guard lock(mutex_);
            calls_.push_back(call);
        }
        if (answer_ == Answer::AtOnce)
            connection.send(reply);
        else if (answer_ == Answer::AfterASecond)
            QTimer::singleShot(1000, this, [connection, reply] { connection.send(reply); });
        return true;
    }

    std::vector<ServiceCall> calls() const
    {
        std::lock_guard lock(mutex_);
        return calls_;
    }

private:
    QString path_;
    Answer answer_;
    uint nextCookie_ = 41;
    mutable std::mutex mutex_;
    std::vector<ServiceCall> calls_;
};

class ScreenSaverOverDBus : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected())
            << "no session bus: run this test under dbus-run-session";
        ASSERT_FALSE(
            QDBusConnection::sessionBus().interface()->isServiceRegistered(serviceName).value())
            << "the bus has a screen saver already: run this test under dbus-run-session";
        serviceThread_.start();
    }

    void TearDown() override
    {
        if (serviceBus_.isConnected()) {
            serviceBus_.unregisterService(serviceName);
            for (const auto &service : services_)
                serviceBus_.unregisterObject(service.first);
            QDBusConnection::disconnectFromBus(serviceBus_.name());
        }
        serviceThread_.quit();
        serviceThread_.wait();
        services_.clear();
    }

    // Offers the service on a connection of its own, as another program would. It answers
    // on a thread of its own while the adapter waits for the answer on this one.
    FakeScreenSaverService &offerService(const QString &path, Answer answer = Answer::AtOnce)
    {
        if (!serviceBus_.isConnected()) {
            serviceBus_ = QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                                        QStringLiteral("fake-screensaver"));
            EXPECT_TRUE(serviceBus_.isConnected());
            EXPECT_TRUE(serviceBus_.registerService(serviceName));
        }
        auto service = std::make_unique<FakeScreenSaverService>(path, answer);
        service->moveToThread(&serviceThread_);
        EXPECT_TRUE(serviceBus_.registerVirtualObject(path, service.get()));
        services_.emplace_back(path, std::move(service));
        return *services_.back().second;
    }

    QDBusConnection serviceBus_ {QString()};
    QThread serviceThread_;
    std::vector<std::pair<QString, std::unique_ptr<FakeScreenSaverService>>> services_;
};

const QString standardPath = QStringLiteral("/org/freedesktop/ScreenSaver");

TEST_F(ScreenSaverOverDBus, StartPauseResumeStopHoldAndReleaseWithMatchingCookies)
{
    FakeScreenSaverService &service = offerService(standardPath);

    DBusScreenSaver saver; // the session bus, as in the program
    saver.blank(); // Start
    ASSERT_TRUE(QTest::qWaitFor([&] { return saver.isHolding(); }, 5000));
    saver.restore(); // Pause
    EXPECT_FALSE(saver.isHolding());
    saver.blank(); // Resume
    ASSERT_TRUE(QTest::qWaitFor([&] { return saver.isHolding(); }, 5000));
    saver.restore(); // Stop

    ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls().size() >= 4; }, 5000));
    const std::vector<ServiceCall> calls = service.calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].method, QStringLiteral("Inhibit"));
    EXPECT_EQ(calls[1].method, QStringLiteral("UnInhibit"));
    EXPECT_EQ(calls[2].method, QStringLiteral("Inhibit"));
    EXPECT_EQ(calls[3].method, QStringLiteral("UnInhibit"));
    EXPECT_EQ(calls[1].cookie, calls[0].cookie);
    EXPECT_EQ(calls[3].cookie, calls[2].cookie);
    EXPECT_NE(calls[2].cookie, calls[0].cookie);
    for (const ServiceCall &c : {calls[0], calls[2]}) {
        EXPECT_EQ(c.application, QStringLiteral("Tallybell"));
        EXPECT_FALSE(c.reason.isEmpty());
    }
}

TEST_F(ScreenSaverOverDBus, NeverHoldsTwiceAndReleasesOnlyWhatItHolds)
{
    FakeScreenSaverService &service = offerService(standardPath);
    {
        DBusScreenSaver saver;
        saver.restore(); // nothing held yet
        saver.blank();
        ASSERT_TRUE(QTest::qWaitFor([&] { return saver.isHolding(); }, 5000));
        saver.blank();
        saver.restore();
        saver.restore();
        saver.blank(); // still held when the adapter goes away
        ASSERT_TRUE(QTest::qWaitFor([&] { return saver.isHolding(); }, 5000));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls().size() >= 4; }, 5000));
    const std::vector<ServiceCall> calls = service.calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].method, QStringLiteral("Inhibit"));
    EXPECT_EQ(calls[1].method, QStringLiteral("UnInhibit"));
    EXPECT_EQ(calls[1].cookie, calls[0].cookie);
    EXPECT_EQ(calls[2].method, QStringLiteral("Inhibit"));
    EXPECT_EQ(calls[3].method, QStringLiteral("UnInhibit"));
    EXPECT_EQ(calls[3].cookie, calls[2].cookie);
}

TEST_F(ScreenSaverOverDBus, FallsBackToTheShortObjectPath)
{
    const QString shortPath = QStringLiteral("/ScreenSaver");
    FakeScreenSaverService &service = offerService(shortPath);

    DBusScreenSaver saver;
    saver.blank();
    ASSERT_TRUE(QTest::qWaitFor([&] { return saver.isHolding(); }, 5000));
    saver.restore();

    ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls().size() >= 2; }, 5000));
    const std::vector<ServiceCall> calls = service.calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].method, QStringLiteral("Inhibit"));
    EXPECT_EQ(calls[1].method, QStringLiteral("UnInhibit"));
    EXPECT_EQ(calls[1].cookie, calls[0].cookie);
}

TEST_F(ScreenSaverOverDBus, WithoutTheServiceNothingHappensAtOnce)
{
    DBusScreenSaver saver;
    QElapsedTimer timer;
    timer.start();
    saver.blank();
    saver.restore();
    saver.blank();
    saver.restore();
    EXPECT_LT(timer.elapsed(), 100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !saver.isAsking(); }, 5000));
    EXPECT_FALSE(saver.isHolding());
}

TEST_F(ScreenSaverOverDBus, AServiceThatAnswersLateNeverHoldsUpTheWindow)
{
    FakeScreenSaverService &service = offerService(standardPath, Answer::AfterASecond);
    DBusScreenSaver saver;

    QElapsedTimer timer;
    timer.start();
    saver.blank(); // Start
    saver.blank();
    saver.restore(); // Pause before the service has answered
    EXPECT_LT(timer.elapsed(), 100);
    // The late cookie is handed back as soon as it comes.
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls().size() == 2; }, 5000));
    EXPECT_FALSE(saver.isHolding());

    timer.restart();
    saver.blank(); // Resume, Pause and Resume again while the service thinks
    saver.restore();
    saver.blank();
    EXPECT_LT(timer.elapsed(), 100);
    ASSERT_TRUE(QTest::qWaitFor([&] { return saver.isHolding(); }, 5000));
    saver.restore(); // Stop
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls().size() >= 4; }, 5000));

    const std::vector<ServiceCall> calls = service.calls();
    ASSERT_EQ(calls.size(), 4u);
    for (size_t i = 0; i < calls.size(); i += 2) {
        EXPECT_EQ(calls[i].method, QStringLiteral("Inhibit"));
        EXPECT_EQ(calls[i + 1].method, QStringLiteral("UnInhibit"));
        EXPECT_EQ(calls[i + 1].cookie, calls[i].cookie);
    }
}

TEST(ScreenSaverWithoutBus, NothingHappensAtOnce)
{
    const QString name = QStringLiteral("no-bus");
    {
        const QDBusConnection nowhere = QDBusConnection::connectToBus(
            QStringLiteral("unix:path=/nonexistent/tallybell-bus"), name);
        ASSERT_FALSE(nowhere.isConnected());
        DBusScreenSaver saver(nowhere);
        QElapsedTimer timer;
        timer.start();
        saver.blank();
        EXPECT_FALSE(saver.isHolding());
        saver.restore();
        EXPECT_LT(timer.elapsed(), 100);
    }
    QDBusConnection::disconnectFromBus(name);
}

} // namespace
} // namespace tb

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
