#pragma once

#include <string>

namespace tb {

class Sound
{
public:
    virtual ~Sound() = default;
    // At least one audio output device is present.
    virtual bool hasOutputDevice() const = 0;
    // Starts playing a wave file and returns at once. A file that is no bell (see
    // checkBellFile) is left alone, and no sound plays longer than its bell's time.
    virtual void play(const std::string &fileName) = 0;
};

// The soft cue before a task ends, shipped beside the program.
inline constexpr const char *kWarningSound = "WARNING.WAV";

// A bell is a short sound: at most this long.
inline constexpr double kLongestBellSeconds = 30;

// What the header of a bell file says.
struct BellCheck {
    bool ok = false;
    double seconds = 0; // how long it sounds, when ok
    std::string problem; // why it is no bell, in a sentence for the user; empty when ok
};

// Whether `path` is a bell: a regular file in the RIFF/WAVE format, whose "fmt " chunk
// describes its sound and whose "data" chunk, after it, holds at most kLongestBellSeconds
// of it and lies within the file. Only the header is read, so that any file, however large
// or strange, is answered at once.
BellCheck checkBellFile(const std::string &path);

struct SoundPlayed {
    bool played = false; // handed to the output device
    double seconds = 0; // how long it sounds, when played
    // Why the chosen sound could not be played, in a sentence for the user; empty when it
    // was, and when there is nothing to play or no device to play it on.
    std::string problem;
};

// Plays `file` only when a sound card is present and the name is not empty; says what
// keeps a chosen file that is no bell from sounding.
SoundPlayed PlaySoundFile(Sound &sound, bool soundCardOnSystem, const std::string &file);

} // namespace tb
