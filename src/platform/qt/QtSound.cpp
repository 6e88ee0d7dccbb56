#include "platform/qt/QtSound.h"

#include "platform/qt/Text.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QString>
#include <QUrl>
#include <QtGlobal>

namespace tb {

namespace {

QtMessageHandler previousHandler = nullptr;

// Without a sound server Qt Multimedia warns on the console that it cannot connect; having
// no output device is an answer here, not an error.
void dropSoundServerWarning(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("PulseAudioService:")))
        return;
    if (previousHandler)
        previousHandler(type, context, text);
}

// Only wave files are played: anything else is left alone before the media framework sees it.
bool looksLikeWave(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.endsWith("WAVE");
}

} // namespace

QtSound::QtSound() = default;

QtSound::~QtSound()
{
    // The player refers to the output: let it go first.
    player_.reset();
    output_.reset();
}

bool QtSound::hasOutputDevice() const
{
    previousHandler = qInstallMessageHandler(dropSoundServerWarning);
    const bool any = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(previousHandler);
    return any;
}

void QtSound::play(const std::string &fileName)
{
    if (fileName.empty())
        return;
    const QFileInfo info(fromFileBytes(fileName));
    // A missing or unreadable file is not reported; checking here also keeps the media
    // framework quiet.
    if (!info.isFile() || !looksLikeWave(info.filePath()))
        return;

    // A player that failed on a broken file takes a second to stop: start a new one instead.
    if (player_ && player_->error() != QMediaPlayer::NoError) {
        player_.reset();
        output_.reset();
    }
    if (!player_) {
        output_ = std::make_unique<QAudioOutput>();
        player_ = std::make_unique<QMediaPlayer>();
        player_->setAudioOutput(output_.get());
    }
    // A new play starts over, even with the same file.
    player_->stop();
    player_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    player_->play();
}

} // namespace tb
