#include "platform/qt/MediaModule.h"

#include "platform/Translator.h"
#include "platform/qt/MediaPlugin.h"
#include "tallybell/Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

#include <cstring>

namespace tb {

MediaModule::MediaModule(QStringList folders) : folders_(std::move(folders))
{
    // The program keeps what it loaded to the end: its objects are made by the module.
    library_.setLoadHints(QLibrary::PreventUnloadHint);
}

QStringList MediaModule::defaultFolders()
{
    const QString here = QCoreApplication::applicationDirPath();
    return {here, QDir::cleanPath(here + QStringLiteral("/../" TALLYBELL_MODULE_DIR))};
}

bool MediaModule::load()
{
    if (tried_)
        return loaded_;
    tried_ = true;
    QStringList tried;
    for (const QString &folder : std::as_const(folders_)) {
        const QString path = folder + u'/' + QLatin1String(kMediaModuleName) + u".so";
        if (!QFileInfo::exists(path))
            continue;
        library_.setFileName(path);
        if (!library_.load()) {
            tried << library_.errorString();
            continue;
        }
        auto *version
            = reinterpret_cast<MediaModuleVersion *>(library_.resolve(kMediaVersionSymbol));
        if (!version || std::strcmp(version(), version::kVersionText) != 0) {
            tried << path + QStringLiteral(": not of this version");
            continue;
        }
        loaded_ = true;
        return true;
    }
    problem_ = tried.isEmpty() ? QLatin1String(kMediaModuleName)
            + QStringLiteral(".so is in none of ") + folders_.join(QStringLiteral(", "))
                               : tried.join(QStringLiteral("; "));
    // An installation fault, not the user's: said once, on the console.
    qWarning("Tallybell: no sound and no speech: %s", qUtf8Printable(problem_));
    return false;
}

std::unique_ptr<Sound> MediaModule::makeSound()
{
    if (!load())
        return nullptr;
    auto *make = reinterpret_cast<MakeSound *>(library_.resolve(kMakeSoundSymbol));
    return std::unique_ptr<Sound>(make ? make() : nullptr);
}

std::unique_ptr<Speech> MediaModule::makeSpeech()
{
    if (!load())
        return nullptr;
    auto *make = reinterpret_cast<MakeSpeech *>(library_.resolve(kMakeSpeechSymbol));
    // The module has the language from the program: the translator in force is the
    // program's.
    return std::unique_ptr<Speech>(make ? make(&uiLanguage) : nullptr);
}

Sound *ModuleSound::real() const
{
    if (!tried_) {
        tried_ = true;
        real_ = module_.makeSound();
    }
    return real_.get();
}

bool ModuleSound::hasOutputDevice() const
{
    const Sound *sound = real();
    return sound && sound->hasOutputDevice();
}

void ModuleSound::play(const std::string &fileName)
{
    if (Sound *sound = real())
        sound->play(fileName);
}

Speech *ModuleSpeech::real()
{
    if (!tried_) {
        tried_ = true;
        real_ = module_.makeSpeech();
    }
    return real_.get();
}

bool ModuleSpeech::unavailable()
{
    Speech *speech = real();
    return !speech || speech->unavailable();
}

void ModuleSpeech::prepare()
{
    if (Speech *speech = real())
        speech->prepare();
}

void ModuleSpeech::say(const std::string &text, int delayMs, int rate)
{
    if (Speech *speech = real())
        speech->say(text, delayMs, rate);
}

void ModuleSpeech::stop()
{
    // Nothing speaks before the module is loaded.
    if (real_)
        real_->stop();
}

} // namespace tb
