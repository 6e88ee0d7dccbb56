#pragma once

#include "platform/Sound.h"

#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace tb {

// Plays wave files through Qt Multimedia. QMediaPlayer decodes 8-, 16-, 24-bit and float
// PCM alike (QSoundEffect would take 16-bit only). The player and its media framework are
// started at the first play, not at program start.
class QtSound : public Sound
{
public:
    QtSound();
    ~QtSound() override;
    QtSound(const QtSound &) = delete;
    QtSound &operator=(const QtSound &) = delete;

    bool hasOutputDevice() const override;
    void play(const std::string &fileName) override;

private:
    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
};

} // namespace tb
