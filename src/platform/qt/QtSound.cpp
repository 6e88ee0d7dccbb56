#include "platform/qt/QtSound.h"

#include "platform/qt/Text.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QObject>
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
    delete player_.data();
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

    // A new play starts over, also with the same file. The player is never reused: stopped
    // and started again, GStreamer's PulseAudio output now and then places the sound far in
    // the future, and from then on every sound of that player stays silent. A player that
    // failed on a broken file also takes a second to stop.
    delete player_.data();
    auto *player = new QMediaPlayer;
    player->setAudioOutput(new QAudioOutput(player));
    QObject::connect(player, &QMediaPlayer::mediaStatusChanged, player,
                     [player](QMediaPlayer::MediaStatus status) {
                         if (status == QMediaPlayer::EndOfMedia
                             || status == QMediaPlayer::InvalidMedia)
                             player->deleteLater();
                     });
    QObject::connect(player, &QMediaPlayer::errorOccurred, player, &QObject::deleteLater);
    player_ = player;
    player->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    player->play();
}

} // namespace tb
