#include "platform/Sound.h"

namespace tb {

void PlaySoundFile(Sound &sound, bool soundCardOnSystem, const std::string &file)
{
    if (soundCardOnSystem && !file.empty())
        sound.play(file);
}

} // namespace tb
