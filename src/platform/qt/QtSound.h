#pragma once

#include "platform/Sound.h"

#include <QPointer>

class QMediaPlayer;

namespace tb {

// Plays wave files through Qt Multimedia. QMediaPlayer decodes 8-, 16-, 24-bit and float
// PCM alike (QSoundEffect would take 16-bit only). Each sound gets a player of its own, made
// when it starts and let go when it ends, or when its bell's time is up at the latest, so
// nothing of the media framework runs (or is even loaded, before the first sound) while no
// sound plays.
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
    QPointer<QMediaPlayer> player_; // the sound playing now, if any
};

} // namespace tb
