// The adapters of the desktop's services, each against a real server of the test's own:
// OverDBus.* on a private session bus (dbus-run-session) where the test offers the desktop's
// screen-saver and notification services; Sound.* through with-pulseaudio.sh, which starts a
// PulseAudio server with a null sink (TB_SOUND_SERVER=1) or makes sure there is none (0).

#include "platform/qt/DBusNotifier.h"
#include "platform/qt/DBusScreenSaver.h"
#include "platform/qt/QtSound.h"
#include "support/TempDir.h"
#include "support/WaveFile.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <QVariantMap>
#include <QtCore/qtestsupport_core.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <vector>

namespace tb {
namespace {

std::atomic<int> qtMessages {0};

// Offers a desktop service on a connection of its own, as another program would, and
// answers call n with the number 41 + n, `delayMs` later.
class FakeService : public QDBusVirtualObject
{
public:
    FakeService(const char *name, int delayMs = 0) : name_(QLatin1String(name)), delayMs_(delayMs)
    {
        EXPECT_TRUE(bus_.registerService(name_));
        const QString path = QLatin1Char('/') + QString(name_).replace(u'.', u'/');
        EXPECT_TRUE(bus_.registerVirtualObject(path, this));
    }
    ~FakeService() override { QDBusConnection::disconnectFromBus(bus_.name()); }

    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (message.interface() != name_
            || !QStringList {QStringLiteral("Inhibit ss"), QStringLiteral("UnInhibit u"),
                             QStringLiteral("Notify susssasa{sv}i")}
                    .contains(message.member() + u' ' + message.signature()))
            return false;
        const QDBusMessage reply = message.createReply(uint(41 + calls.size()));
        calls.push_back(message);
        if (message.isReplyRequired())
            QTimer::singleShot(delayMs_, [connection, reply] { connection.send(reply); });
        return true;
    }

    std::vector<QDBusMessage> calls;

private:
    QDBusConnection bus_
        = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake"));
    QString name_;
    int delayMs_;
};

TEST(OverDBus, ScreenSaverHoldIsAskedWithoutWaitingAndEveryCookieIsHandedBack)
{
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "run under dbus-run-session";
    QElapsedTimer timer;
    // A desktop that takes a second to answer never holds up the window.
    FakeService service("org.freedesktop.ScreenSaver", 1000);
    {
        DBusScreenSaver saver;
        timer.start();
        saver.blank(); // Start
        saver.blank();
        saver.restore(); // Pause before the answer: the late cookie goes back when it comes
        saver.restore();
        EXPECT_LT(timer.elapsed(), 100);
        ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls.size() == 2; }, 5000));
        EXPECT_FALSE(saver.isHolding());
        timer.restart();
        saver.blank(); // Resume, Pause and Resume again while the service thinks
        saver.restore();
        saver.blank();
        EXPECT_LT(timer.elapsed(), 100);
        ASSERT_TRUE(QTest::qWaitFor([&] { return saver.isHolding(); }, 5000));
        saver.blank();
    } // still held when the adapter goes away
    // Each hold asked for by name, and given back by the cookie its answer brought.
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls.size() >= 4; }, 5000));
    QStringList calls;
    for (const QDBusMessage &call : service.calls)
        calls << call.member() + u' ' + call.arguments().value(0).toString();
    EXPECT_EQ(calls.join(u',').toStdString(),
              "Inhibit Tallybell,UnInhibit 41,Inhibit Tallybell,UnInhibit 43");
}

TEST(OverDBus, NotifierSendsTheTextsToTheService)
{
    FakeService service("org.freedesktop.Notifications");
    DBusNotifier().notify("Scales \xe2\x80\x94 done", "Next: \xc3\x89tude in C, 5 minutes");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !service.calls.empty(); }, 5000));
    QCoreApplication::processEvents();
    ASSERT_EQ(service.calls.size(), 1u);
    const QVariantList args = service.calls[0].arguments();
    EXPECT_EQ(args.mid(0, 5),
              (QVariantList {QStringLiteral("Tallybell"), 0u, QStringLiteral("tallybell"),
                             QString::fromUtf8("Scales \xe2\x80\x94 done"),
                             QString::fromUtf8("Next: \xc3\x89tude in C, 5 minutes")}));
    EXPECT_EQ(qdbus_cast<QVariantMap>(args.at(6)).value(QStringLiteral("urgency")).toInt(), 1);
}

// Whether each 20 ms of what the sink plays while `act` runs, and for `tailMs` afterwards, is
// loud (above about -30 dBFS).
template<class Act> std::vector<bool> record(const std::string &raw, int tailMs, Act act)
{
    QProcess parec;
    parec.setStandardOutputFile(QString::fromStdString(raw));
    parec.start(
        QStringLiteral("parec"),
        QStringLiteral("-d tb.monitor --raw --format=s16le --channels=1 --rate=8000").split(u' '));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !test::readFile(raw).empty(); }, 5000))
        << "parec does not record from tb.monitor";
    qtMessages = 0;
    act();
    QTest::qWait(tailMs);
    EXPECT_EQ(qtMessages.load(), 0) << "playing printed messages";
    parec.terminate();
    parec.waitForFinished(5000);
    const std::string bytes = test::readFile(raw);
    std::vector<bool> loud;
    for (std::size_t w = 0; w + 320 <= bytes.size(); w += 320) {
        double squares = 0;
        for (std::size_t i = w; i < w + 320; i += 2)
            squares += std::pow(std::int16_t(std::uint8_t(bytes[i]) | bytes[i + 1] << 8), 2);
        loud.push_back(squares / 160 > 1000 * 1000);
    }
    return loud;
}

// Seconds of processor time this process has used, in all its threads.
double processorSeconds()
{
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Every bell gets a player of its own: a player started again now and then stays silent. A
// bell followed by a gigabyte of zeros would keep the media framework reading for minutes, on
// a processor of its own: the player is let go once the bell's time is up.
TEST(Sound, NoSoundNorWaitForAMissingOrBrokenFileEveryBellIsHeardAndItsPlayerEndsWithIt)
{
    if (qEnvironmentVariable("TB_SOUND_SERVER") != QLatin1String("1"))
        GTEST_SKIP() << "run through tests/platform/with-pulseaudio.sh";
    test::TempDir dir;
    const std::string garbage = dir.file("garbage.wav");
    const std::string broken = dir.file("broken.wav");
    test::writeFile(garbage, std::string(4000, '\x5a'));
    // A wave header, then nothing that decodes: the media framework itself fails on it.
    test::writeFile(broken,
                    std::string("RIFF\x24\x10\x00\x00WAVEfmt \x10\x00\x00\x00", 20)
                        + std::string(4000, '\x5a'));
    QtSound sound;
    EXPECT_TRUE(sound.hasOutputDevice());
    qint64 slowest = 0;
    const int rounds = 5;
    const std::vector<bool> loud = record(dir.file("raw"), 300, [&] {
        for (const std::string &name : {std::string(), dir.file("none"), garbage, broken, broken}) {
            QElapsedTimer t;
            t.start();
            sound.play(name);
            slowest = std::max(slowest, t.elapsed());
            QTest::qWait(300);
        }
        for (int i = 0; i < rounds; ++i) {
            sound.play(TB_PINGPONG_WAV);
            QTest::qWait(150);
            sound.play(TB_PINGPONG_WAV);
            QTest::qWait(1300);
        }
    });
    EXPECT_LT(slowest, 500);
    EXPECT_GT(std::find(loud.begin(), loud.end(), true) - loud.begin(), 70); // not in 1.4 s
    // Bells are apart by at least 200 ms of quiet; each sounds for most of its second.
    int bells = 0;
    for (std::size_t w = 0, quiet = 11; w < loud.size(); ++w, ++quiet) {
        bells += loud[w] && quiet > 10 ? 1 : 0;
        quiet = loud[w] ? 0 : quiet;
    }
    EXPECT_EQ(bells, rounds);
    EXPECT_GT(0.02 * double(std::count(loud.begin(), loud.end(), true)), rounds * 0.8);

    const std::string bell = dir.file("bell.wav");
    test::writeFile(bell,
                    test::riff(test::waveFormat(1, 1, 8000, 16) + test::chunk("data", 4800)
                               + std::string(4800, '\0')));
    std::filesystem::resize_file(bell, std::uint64_t(1) << 30);
    sound.play(bell);
    QTest::qWait(2300); // its 0.3 seconds, and the time an output takes to start
    const double before = processorSeconds();
    QTest::qWait(1000);
    EXPECT_LT(processorSeconds() - before, 0.2);
}

TEST(Sound, WithoutAServerNoOutputDeviceAtOnceAndQuietly)
{
    if (qEnvironmentVariable("TB_SOUND_SERVER") != QLatin1String("0"))
        GTEST_SKIP() << "run through tests/platform/with-pulseaudio.sh --no-server";
    QElapsedTimer t;
    t.start();
    qtMessages = 0;
    EXPECT_FALSE(QtSound().hasOutputDevice());
    EXPECT_LT(t.elapsed(), 2000);
    EXPECT_EQ(qtMessages.load(), 0) << "no sound server is not worth a console message";
}

} // namespace
} // namespace tb

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) {
        ++tb::qtMessages;
        std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
