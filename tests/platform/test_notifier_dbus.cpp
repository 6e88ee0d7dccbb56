// Runs on a private session bus (dbus-run-session), where the test itself offers the
// desktop's notification service and records what it is asked to show.

#include "platform/qt/DBusNotifier.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVirtualObject>
#include <QStringList>
#include <QThread>
#include <QVariantMap>
#include <QtTest/QTest>

#include <gtest/gtest.h>
#include <mutex>
#include <vector>

namespace tb {
namespace {

const QString serviceName = QStringLiteral("org.freedesktop.Notifications");
const QString servicePath = QStringLiteral("/org/freedesktop/Notifications");

struct Shown {
    QString application;
    uint replaces = 1;
    QString icon;
    QString summary;
    QString body;
    QStringList actions;
    int urgency = -1;
    int expireTimeout = 0;
};

// Takes Notify like a desktop would and answers with a new number each time.
class FakeNotificationService : public QDBusVirtualObject
{
public:
    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (message.interface() != serviceName || message.member() != QStringLiteral("Notify")
            || message.signature() != QStringLiteral("susssasa{sv}i"))
            return false;
        const QList<QVariant> args = message.arguments();
        const auto hints = qdbus_cast<QVariantMap>(args.at(6));
        {
            std::lock_guard lock(mutex_);
            shown_.push_back(
                {args.at(0).toString(), args.at(1).toUInt(), args.at(2).toString(),
                 args.at(3).toString(), args.at(4).toString(), qdbus_cast<QStringList>(args.at(5)),
                 hints.value(QStringLiteral("urgency"), -1).toInt(), args.at(7).toInt()});
        }
        if (message.isReplyRequired())
            connection.send(message.createReply(QVariant::fromValue(++lastId_)));
        return true;
    }

    std::vector<Shown> shown() const
    {
        std::lock_guard lock(mutex_);
        return shown_;
    }

private:
    uint lastId_ = 0;
    mutable std::mutex mutex_;
    std::vector<Shown> shown_;
};

int qtMessages = 0;

void countQtMessage(QtMsgType, const QMessageLogContext &, const QString &)
{
    ++qtMessages;
}

TEST(NotifierOverDBus, SendsTheTextsToTheServiceAndIsSilentWithoutOne)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.isConnected()) << "no session bus: run this test under dbus-run-session";
    ASSERT_FALSE(bus.interface()->isServiceRegistered(serviceName).value())
        << "the bus has a notification service already: run this test under dbus-run-session";
    const QString noBusName = QStringLiteral("no-bus");
    const QDBusConnection nowhere = QDBusConnection::connectToBus(
        QStringLiteral("unix:path=/nonexistent/tallybell-bus"), noBusName);
    const QtMessageHandler previous = qInstallMessageHandler(countQtMessage);

    DBusNotifier(nowhere).notify("Nobody", "hears this");
    DBusNotifier notifier;
    notifier.notify("Nobody", "listens yet");
    // The bus handles one client's messages in order: once it has answered this, the note
    // above has found no service and is gone.
    ASSERT_FALSE(bus.interface()->isServiceRegistered(serviceName).value());

    // Offered by another program, answering on a thread of its own.
    QThread serviceThread;
    serviceThread.start();
    FakeNotificationService service;
    service.moveToThread(&serviceThread);
    QDBusConnection serviceBus = QDBusConnection::connectToBus(
        QDBusConnection::SessionBus, QStringLiteral("fake-notifications"));
    ASSERT_TRUE(serviceBus.registerService(serviceName));
    ASSERT_TRUE(serviceBus.registerVirtualObject(servicePath, &service));

    notifier.notify("Scales \xe2\x80\x94 done", "Next: \xc3\x89tude in C, 5 minutes");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !service.shown().empty(); }, 5000));
    QCoreApplication::processEvents();
    qInstallMessageHandler(previous);

    const std::vector<Shown> shown = service.shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].application, QStringLiteral("Tallybell"));
    EXPECT_EQ(shown[0].replaces, 0u);
    EXPECT_EQ(shown[0].icon, QStringLiteral("tallybell"));
    EXPECT_EQ(shown[0].summary, QString::fromUtf8("Scales \xe2\x80\x94 done"));
    EXPECT_EQ(shown[0].body, QString::fromUtf8("Next: \xc3\x89tude in C, 5 minutes"));
    EXPECT_TRUE(shown[0].actions.isEmpty());
    EXPECT_EQ(shown[0].urgency, 1);
    EXPECT_EQ(shown[0].expireTimeout, -1);
    EXPECT_EQ(qtMessages, 0);

    serviceBus.unregisterObject(servicePath);
    serviceBus.unregisterService(serviceName);
    QDBusConnection::disconnectFromBus(serviceBus.name());
    serviceThread.quit();
    serviceThread.wait();
    QDBusConnection::disconnectFromBus(noBusName);
}

} // namespace
} // namespace tb

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
