// Plays through a real PulseAudio server with a null sink and records the sink's monitor.
// Run through with-pulseaudio.sh, which starts the server (TB_SOUND_SERVER=1) or makes
// sure there is none (TB_SOUND_SERVER=0).

#include "platform/qt/QtSound.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace tb {
namespace {

std::atomic<int> qtMessages {0};
QtMessageHandler previousHandler = nullptr;

void countingHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    ++qtMessages;
    if (previousHandler)
        previousHandler(type, context, text);
}

void waitMs(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// ---- wave files made for the test ----

enum class Encoding { Pcm, Float };

void put16(std::string &out, unsigned v)
{
    out += char(v & 0xff);
    out += char((v >> 8) & 0xff);
}
void put32(std::string &out, std::uint32_t v)
{
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

// Writes `mono` (values in -1..1) to every channel of a RIFF wave file.
void writeWave(const std::string &path, Encoding encoding, int bits, int channels, int rate,
               const std::vector<double> &mono)
{
    const unsigned blockAlign = unsigned(channels * bits / 8);
    std::string data;
    for (double v : mono) {
        for (int c = 0; c < channels; ++c) {
            if (encoding == Encoding::Float) {
                const float f = float(v);
                std::uint32_t u;
                std::memcpy(&u, &f, 4);
                put32(data, u);
            } else if (bits == 8) {
                data += char(std::lround(128 + v * 127)); // 8-bit wave data is unsigned
            } else {
                const long s = std::lround(v * double((1L << (bits - 1)) - 1));
                for (int b = 0; b < bits; b += 8)
                    data += char((s >> b) & 0xff);
            }
        }
    }
    std::string fmt;
    put16(fmt, encoding == Encoding::Float ? 3 : 1);
    put16(fmt, unsigned(channels));
    put32(fmt, std::uint32_t(rate));
    put32(fmt, std::uint32_t(rate) * blockAlign);
    put16(fmt, blockAlign);
    put16(fmt, unsigned(bits));
    if (encoding == Encoding::Float)
        put16(fmt, 0);

    std::string body = "WAVE";
    body += "fmt ";
    put32(body, std::uint32_t(fmt.size()));
    body += fmt;
    if (encoding == Encoding::Float) {
        body += "fact";
        put32(body, 4);
        put32(body, std::uint32_t(mono.size()));
    }
    body += "data";
    put32(body, std::uint32_t(data.size()));
    body += data;
    std::string file = "RIFF";
    put32(file, std::uint32_t(body.size()));
    file += body;
    test::writeFile(path, file);
}

std::vector<double> tone(double hz, double seconds, int rate, double amplitude)
{
    const int n = int(seconds * rate);
    const int fade = rate / 100;
    std::vector<double> v(std::size_t(n), 0.0);
    for (int i = 0; i < n; ++i) {
        const double edge = std::min({1.0, double(i) / fade, double(n - 1 - i) / fade});
        v[std::size_t(i)] = amplitude * edge * std::sin(2 * std::numbers::pi * hz * i / rate);
    }
    return v;
}

// ---- recording the sink ----

constexpr int recordRate = 8000;
constexpr int windowSamples = recordRate / 50; // 20 ms
constexpr double loudRms = 1000; // about -30 dBFS

struct Levels {
    int peak = 0;
    double loudRms = 0; // RMS over the loud windows
    double firstLoud = -1; // seconds into the recording
    double lastLoud = -1; // end of the last loud window
    double frequency = 0; // from zero crossings in the loud windows
    double loudSeconds = 0; // all loud windows together
    int sounds = 0; // loud stretches apart by at least 200 ms of quiet
    double span() const { return firstLoud < 0 ? 0 : lastLoud - firstLoud; }
};

std::ostream &operator<<(std::ostream &os, const Levels &l)
{
    return os << "peak " << l.peak << " (" << 20 * std::log10(std::max(l.peak, 1) / 32768.0)
              << " dBFS), loud RMS " << std::lround(l.loudRms) << ", loud from " << l.firstLoud
              << " s for " << l.span() << " s (" << l.sounds << " sounds, " << l.loudSeconds
              << " s loud), about " << std::lround(l.frequency) << " Hz";
}

Levels analyse(const std::vector<std::int16_t> &s)
{
    Levels l;
    double sumSquares = 0;
    std::size_t loudSamples = 0;
    std::size_t first = 0, last = 0;
    for (std::size_t w = 0; w + windowSamples <= s.size(); w += windowSamples) {
        double sq = 0;
        for (std::size_t i = w; i < w + windowSamples; ++i) {
            sq += double(s[i]) * s[i];
            l.peak = std::max(l.peak, std::abs(int(s[i])));
        }
        if (std::sqrt(sq / windowSamples) < loudRms)
            continue;
        if (l.firstLoud < 0 || w - last >= std::size_t(recordRate / 5))
            ++l.sounds;
        if (l.firstLoud < 0) {
            l.firstLoud = double(w) / recordRate;
            first = w;
        }
        last = w + windowSamples;
        l.lastLoud = double(last) / recordRate;
        sumSquares += sq;
        loudSamples += windowSamples;
    }
    if (loudSamples)
        l.loudRms = std::sqrt(sumSquares / double(loudSamples));
    l.loudSeconds = double(loudSamples) / recordRate;
    // The pitch from the zero crossings inside the sound, its first and last windows left out.
    if (last > first + 3 * windowSamples) {
        long crossings = 0;
        for (std::size_t i = first + windowSamples + 1; i < last - windowSamples; ++i)
            crossings += (s[i - 1] < 0) != (s[i] < 0);
        l.frequency
            = double(crossings) / 2.0 / (double(last - first - 2 * windowSamples) / recordRate);
    }
    return l;
}

// Records the null sink's monitor from construction until stop().
class Recorder
{
public:
    explicit Recorder(std::string file) : file_(std::move(file))
    {
        parec_.setStandardOutputFile(QString::fromStdString(file_));
        parec_.setStandardErrorFile(QProcess::nullDevice());
        parec_.start(QStringLiteral("parec"),
                     {QStringLiteral("-d"), QStringLiteral("tb.monitor"), QStringLiteral("--raw"),
                      QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                      QStringLiteral("--rate=%1").arg(recordRate)});
    }
    ~Recorder()
    {
        if (parec_.state() != QProcess::NotRunning) {
            parec_.kill();
            parec_.waitForFinished(2000);
        }
    }

    // True once the recording is running (samples arrive).
    bool waitUntilRecording()
    {
        if (!parec_.waitForStarted(5000))
            return false;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 5000) {
            std::error_code ec;
            if (std::filesystem::file_size(file_, ec) > 0 && !ec)
                return true;
            waitMs(20);
        }
        return false;
    }

    std::vector<std::int16_t> stop()
    {
        parec_.terminate();
        parec_.waitForFinished(5000);
        const std::string bytes = test::readFile(file_);
        std::vector<std::int16_t> samples(bytes.size() / 2);
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i] = std::int16_t(std::uint8_t(bytes[2 * i])
                                      | (std::uint16_t(std::uint8_t(bytes[2 * i + 1])) << 8));
        return samples;
    }

private:
    std::string file_;
    QProcess parec_;
};

bool soundServerMode(const char *wanted)
{
    const char *mode = std::getenv("TB_SOUND_SERVER");
    return mode && std::strcmp(mode, wanted) == 0;
}

class SoundThroughPulseAudio : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!soundServerMode("1"))
            GTEST_SKIP() << "run through tests/platform/with-pulseaudio.sh";
    }

    // Records while `act` runs and for `tailMs` afterwards.
    template<class Act> Levels record(const char *what, int tailMs, Act act)
    {
        Recorder recorder(dir.file(std::string(what) + ".raw"));
        EXPECT_TRUE(recorder.waitUntilRecording()) << "parec does not record from tb.monitor";
        qtMessages = 0;
        act();
        waitMs(tailMs);
        EXPECT_EQ(qtMessages.load(), 0) << "playing printed messages";
        const Levels levels = analyse(recorder.stop());
        std::cout << "[ recorded ] " << what << ": " << levels << std::endl;
        return levels;
    }

    test::TempDir dir;
    QtSound sound;
};

TEST_F(SoundThroughPulseAudio, FindsTheOutputDevice)
{
    EXPECT_TRUE(sound.hasOutputDevice());
}

TEST_F(SoundThroughPulseAudio, TheBellReachesTheSink)
{
    QElapsedTimer call;
    qint64 firstPlayMs = 0;
    const Levels l = record("PINGPONG.WAV", 1800, [&] {
        call.start();
        sound.play(TB_PINGPONG_WAV);
        firstPlayMs = call.elapsed();
    });
    std::cout << "[ timing   ] first play() returned after " << firstPlayMs << " ms" << std::endl;
    EXPECT_GT(l.peak, 8000);
    EXPECT_GT(l.span(), 0.4);
    EXPECT_LT(l.span(), 1.3);
}

struct Format {
    const char *name;
    Encoding encoding;
    int bits;
    int channels;
    int rate;
};

class SoundFormats : public SoundThroughPulseAudio, public ::testing::WithParamInterface<Format>
{
};

TEST_P(SoundFormats, PlaysAtTheRightPitchAndLength)
{
    const Format f = GetParam();
    const std::string file = dir.file(std::string(f.name) + ".wav");
    writeWave(file, f.encoding, f.bits, f.channels, f.rate, tone(660, 0.6, f.rate, 0.5));
    const Levels l = record(f.name, 1500, [&] { sound.play(file); });
    EXPECT_GT(l.peak, 0.5 * 0.6 * 32767);
    EXPECT_NEAR(l.frequency, 660, 15);
    EXPECT_NEAR(l.span(), 0.6, 0.15);
}

INSTANTIATE_TEST_SUITE_P(
    WaveFiles, SoundFormats,
    ::testing::Values(Format {"pcm24_stereo_48000", Encoding::Pcm, 24, 2, 48000},
                      Format {"float32_mono_22050", Encoding::Float, 32, 1, 22050},
                      Format {"pcm8_mono_11025", Encoding::Pcm, 8, 1, 11025}),
    [](const auto &param) { return std::string(param.param.name); });

TEST_F(SoundThroughPulseAudio, ANewPlayStartsOver)
{
    const std::string longTone = dir.file("long.wav");
    const std::string shortTone = dir.file("short.wav");
    writeWave(longTone, Encoding::Pcm, 16, 1, 44100, tone(440, 3.0, 44100, 0.5));
    writeWave(shortTone, Encoding::Pcm, 16, 1, 44100, tone(880, 0.4, 44100, 0.5));

    // Another file cuts the first short.
    const Levels other = record("another file", 1500, [&] {
        sound.play(longTone);
        waitMs(600);
        sound.play(shortTone);
    });
    EXPECT_GT(other.span(), 0.8);
    EXPECT_LT(other.span(), 2.0);

    // The same file again starts from its beginning instead of playing on.
    writeWave(longTone, Encoding::Pcm, 16, 1, 44100, tone(550, 1.0, 44100, 0.5));
    const Levels again = record("the same file again", 1800, [&] {
        sound.play(longTone);
        waitMs(500);
        sound.play(longTone);
    });
    EXPECT_GT(again.span(), 1.3);
    EXPECT_LT(again.span(), 2.0);
}

// A session rings the bell again and again, now and then before the last one has ended.
TEST_F(SoundThroughPulseAudio, EveryBellOfASessionIsHeard)
{
    const std::string bell = dir.file("bell.wav");
    writeWave(bell, Encoding::Pcm, 16, 1, 44100, tone(660, 0.3, 44100, 0.5));
    const int rounds = 6;
    const Levels l = record("six bells, each cut short once", 800, [&] {
        for (int i = 0; i < rounds; ++i) {
            sound.play(bell);
            waitMs(150);
            sound.play(bell);
            waitMs(700);
        }
    });
    EXPECT_EQ(l.sounds, rounds);
    EXPECT_GT(l.loudSeconds, rounds * 0.25);
}

TEST_F(SoundThroughPulseAudio, NothingAudibleAndNothingPrintedForNoSound)
{
    const std::string silent = dir.file("silent.wav");
    const std::string garbage = dir.file("garbage.wav");
    const std::string broken = dir.file("broken.wav");
    writeWave(silent, Encoding::Pcm, 16, 1, 22050, std::vector<double>(11025, 0.0));
    test::writeFile(garbage, std::string(4000, '\x5a'));
    // A wave header, then nothing that decodes: the media framework itself fails on it.
    test::writeFile(broken,
                    std::string("RIFF\x24\x10\x00\x00WAVEfmt \x10\x00\x00\x00", 20)
                        + std::string(4000, '\x5a'));

    QElapsedTimer t;
    qint64 slowest = 0;
    const Levels l = record("no sound", 1000, [&] {
        for (const std::string &name :
             {std::string(), dir.file("missing.wav"), garbage, broken, silent, broken, silent}) {
            t.start();
            sound.play(name);
            slowest = std::max(slowest, t.elapsed());
            waitMs(300);
        }
    });
    EXPECT_LT(l.peak, 300);
    EXPECT_LT(l.firstLoud, 0);
    // A failed file must not hold up the next play.
    EXPECT_LT(slowest, 500);
}

TEST_F(SoundThroughPulseAudio, AfterABrokenFileTheNextOnePlays)
{
    const std::string broken = dir.file("broken.wav");
    const std::string good = dir.file("good.wav");
    test::writeFile(broken,
                    std::string("RIFF\x24\x10\x00\x00WAVEfmt \x10\x00\x00\x00", 20)
                        + std::string(4000, '\x5a'));
    writeWave(good, Encoding::Pcm, 16, 1, 44100, tone(660, 0.5, 44100, 0.5));
    const Levels l = record("after a broken file", 1500, [&] {
        sound.play(broken);
        waitMs(300);
        sound.play(good);
    });
    EXPECT_GT(l.peak, 10000);
    EXPECT_NEAR(l.frequency, 660, 15);
}

TEST(SoundWithoutServer, NoOutputDevice)
{
    if (!soundServerMode("0"))
        GTEST_SKIP() << "run through tests/platform/with-pulseaudio.sh --no-server";
    QtSound sound;
    QElapsedTimer t;
    t.start();
    qtMessages = 0;
    EXPECT_FALSE(sound.hasOutputDevice());
    EXPECT_LT(t.elapsed(), 2000);
    EXPECT_EQ(qtMessages.load(), 0) << "no sound server is not worth a console message";
}

} // namespace
} // namespace tb

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    tb::previousHandler = qInstallMessageHandler(tb::countingHandler);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
