#pragma once

#include "platform/Sound.h"
#include "platform/Speech.h"

#include <QLibrary>
#include <QStringList>

#include <memory>
#include <string>

namespace tb {

// Sound and speech live in a module of their own (tallybell-media.so), loaded the first time
// a bell or a voice is wanted. The libraries behind them, Qt Multimedia with the codecs and
// the sound server's client, and Qt's speech, are a third of all the program loads, and a
// start, or a session without a bell, needs none of them.
class MediaModule
{
public:
    // The folders to look in, in turn: beside the executable first (the build tree), then
    // where an installation keeps it.
    explicit MediaModule(QStringList folders = defaultFolders());
    MediaModule(const MediaModule &) = delete;
    MediaModule &operator=(const MediaModule &) = delete;

    static QStringList defaultFolders();

    // Null when the module cannot be loaded: the program then has no sound and no voice,
    // which it already tells the user about where that matters.
    std::unique_ptr<Sound> makeSound();
    std::unique_ptr<Speech> makeSpeech();

    // Why the module could not be loaded; empty while it could, or has not been tried.
    QString problem() const { return problem_; }

private:
    bool load();

    QStringList folders_;
    QLibrary library_;
    bool tried_ = false;
    bool loaded_ = false;
    QString problem_;
};

// The program's sound: the module's, loaded on the first question or bell.
class ModuleSound final : public Sound
{
public:
    explicit ModuleSound(MediaModule &module) : module_(module) { }

    bool hasOutputDevice() const override;
    void play(const std::string &fileName) override;

private:
    Sound *real() const;

    MediaModule &module_;
    mutable std::unique_ptr<Sound> real_;
    mutable bool tried_ = false;
};

// The program's voice: the module's, loaded when it is first prepared or asked for.
class ModuleSpeech final : public Speech
{
public:
    explicit ModuleSpeech(MediaModule &module) : module_(module) { }

    bool unavailable() override;
    void prepare() override;
    void say(const std::string &text, int delayMs, int rate) override;
    void stop() override;

private:
    Speech *real();

    MediaModule &module_;
    std::unique_ptr<Speech> real_;
    bool tried_ = false;
};

} // namespace tb
