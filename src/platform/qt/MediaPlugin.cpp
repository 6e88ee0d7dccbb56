// The media module: the desktop's sound and speech, for the program to load when it first
// needs them.

#include "platform/qt/MediaPlugin.h"

#include "platform/qt/QtSound.h"
#include "platform/qt/QtSpeech.h"
#include "tallybell/Version.h"

#include <QtGlobal>

extern "C" {

Q_DECL_EXPORT const char *tallybell_media_version()
{
    return tb::version::kVersionText;
}

Q_DECL_EXPORT tb::Sound *tallybell_make_sound()
{
    return new tb::QtSound;
}

Q_DECL_EXPORT tb::Speech *tallybell_make_speech(std::string (*language)())
{
    return new tb::QtSpeech(language);
}

} // extern "C"
