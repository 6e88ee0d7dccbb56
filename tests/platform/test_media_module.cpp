// The sound and speech module, loaded when first wanted: where it is looked for, and what the
// program has when it cannot be loaded.

#include "platform/qt/MediaModule.h"
#include "platform/qt/QtSpeech.h"
#include "support/Soon.h"
#include "support/TempDir.h"

#include <QString>
#include <QTextToSpeech>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace tb::test {
namespace {

QString qs(const std::filesystem::path &path)
{
    return QString::fromStdString(path.string());
}

TEST(MediaModule, IsLoadedFromTheFirstFolderThatHoldsALoadableOne)
{
    TempDir empty;
    TempDir broken;
    writeFile(broken.file("tallybell-media.so"), "not a shared object");
    MediaModule module({qs(empty.path()), qs(broken.path()), QStringLiteral(TB_MODULE_DIR)});
    ModuleSound sound(module);
    ModuleSpeech speech(module);
    speech.stop(); // nothing speaks yet, and nothing is loaded for it
    EXPECT_TRUE(module.problem().isEmpty());
    // Over a sound server of the test's own, the module's sound finds the server's output.
    const QString server = qEnvironmentVariable("TB_SOUND_SERVER");
    if (!server.isEmpty()) {
        EXPECT_EQ(sound.hasOutputDevice(), server == QLatin1String("1"));
    }
    ASSERT_NE(module.makeSound(), nullptr);
    EXPECT_NE(module.makeSpeech(), nullptr);
    EXPECT_TRUE(module.problem().isEmpty()) << module.problem().toStdString();
}

TEST(MediaModule, WithoutItThereIsNoSoundAndNoVoiceAndNothingBreaks)
{
    TempDir empty;
    TempDir broken;
    writeFile(broken.file("tallybell-media.so"), "not a shared object");
    for (const TempDir *folder : {&empty, &broken}) {
        MediaModule module({qs(folder->path())});
        ModuleSound sound(module);
        ModuleSpeech speech(module);
        EXPECT_FALSE(sound.hasOutputDevice());
        sound.play(TB_PINGPONG_WAV);
        EXPECT_TRUE(speech.unavailable());
        speech.prepare();
        speech.say("Scales", 0, 0);
        speech.stop();
        EXPECT_EQ(module.makeSound(), nullptr);
        // Said once, with where it was looked for or why the file found is none.
        EXPECT_TRUE(module.problem().contains(folder == &empty ? qs(empty.path())
                                                               : QStringLiteral("tallybell-media")))
            << module.problem().toStdString();
    }
}

// The voice a session prepares: with an engine installed it settles on one that speaks the
// texts' language (speech-dispatcher may take seconds to come up), and is then told what to
// say and to stop.
TEST(Voice, SettlesOnAnEngineWhenOneIsInstalled)
{
    QtSpeech speech;
    if (QTextToSpeech::availableEngines().isEmpty()) {
        EXPECT_TRUE(speech.unavailable());
        GTEST_SKIP() << "no speech engine installed";
    }
    speech.prepare();
    ASSERT_TRUE(QTest::qWaitFor([&] { return speech.state() != QtSpeech::State::Trying; }, 20000));
    EXPECT_EQ(speech.state(), QtSpeech::State::Ready);
    EXPECT_FALSE(speech.unavailable());
    speech.say("Session complete.", 0, 0);
    speech.stop();
}

} // namespace
} // namespace tb::test
