#pragma once

#include <string>

namespace tb {
class Sound;
class Speech;
} // namespace tb

// What the media module exports, by these names; the program resolves them at run time.
// The version must be the program's own: the two share their classes' layouts.
extern "C" {
using MediaModuleVersion = const char *();
using MakeSound = tb::Sound *();
using MakeSpeech = tb::Speech *(std::string (*language)());
}

inline constexpr const char *kMediaModuleName = "tallybell-media";
inline constexpr const char *kMediaVersionSymbol = "tallybell_media_version";
inline constexpr const char *kMakeSoundSymbol = "tallybell_make_sound";
inline constexpr const char *kMakeSpeechSymbol = "tallybell_make_speech";
