#pragma once

#include <string>

namespace tb {

class Sound
{
public:
    virtual ~Sound() = default;
    // At least one audio output device is present.
    virtual bool hasOutputDevice() const = 0;
    // Starts playing a wave file and returns at once; a bad file is not reported.
    virtual void play(const std::string &fileName) = 0;
};

// Plays `file` only when a sound card is present and the name is not empty.
void PlaySoundFile(Sound &sound, bool soundCardOnSystem, const std::string &file);

} // namespace tb
