#include "platform/qt/QtSound.h"

#include "platform/qt/Text.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QtGlobal>

#include <algorithm>
#include <cmath>

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

// How long after its own length a bell's player is let go at the latest: the output may
// take a moment to start.
constexpr double kStopMarginSeconds = 1.5;

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
    // Only a bell reaches the media framework, which may spin on a crafted file for as long
    // as it reads; the caller says why a file is none.
    const BellCheck bell = checkBellFile(fileName);
    if (!bell.ok)
        return;
    const QFileInfo info(fromFileBytes(fileName));

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
    // The bell's time is up: whatever the framework still does with the file (reading on
    // past the sound, say), it ends with the player.
    const double seconds = std::min(bell.seconds, kLongestBellSeconds) + kStopMarginSeconds;
    auto *timeUp = new QTimer(player);
    timeUp->setSingleShot(true);
    QObject::connect(timeUp, &QTimer::timeout, player, &QObject::deleteLater);
    timeUp->start(int(std::ceil(seconds * 1000)));
    player_ = player;
    player->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    player->play();
}

} // namespace tb
