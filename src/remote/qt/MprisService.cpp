#include "remote/qt/MprisService.h"

#include "remote/MediaPlayer.h"
#include "remote/qt/QueuedCommand.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>

namespace tb {
namespace {

QString objectPath()
{
    return QStringLiteral("/org/mpris/MediaPlayer2");
}

QString serviceName()
{
    return QStringLiteral("org.mpris.MediaPlayer2.tallybell");
}

QString playerInterface()
{
    return QStringLiteral("org.mpris.MediaPlayer2.Player");
}

} // namespace

MprisService::MprisService(MediaPlayer &player, RemoteControl &remote, QString desktopEntry,
                           QObject *parent)
    : QObject(parent), player_(player), remote_(remote), desktopEntry_(std::move(desktopEntry))
{
    new MprisRoot(this);
    new MprisPlayer(this);
}

MprisService::~MprisService()
{
    release();
}

void MprisService::release()
{
    if (!held_)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(serviceName());
    bus.unregisterObject(objectPath());
    held_ = false;
}

QVariantMap MprisService::metadata() const
{
    const MediaPlayer::Track track = player_.track();
    return {
        {QStringLiteral("mpris:trackid"),
         QVariant::fromValue(QDBusObjectPath(QString::fromStdString(track.id)))},
        {QStringLiteral("mpris:length"), QVariant::fromValue(qlonglong(track.lengthUs))},
        {QStringLiteral("xesam:title"), QString::fromStdString(track.title)},
        {QStringLiteral("xesam:album"), QString::fromStdString(track.album)},
    };
}

void MprisService::update()
{
    const MediaPlayer::Changes changes = player_.look();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (changes.wanted && bus.isConnected()) {
        if (player_.wanted())
            held_ = bus.registerObject(objectPath(), this) && bus.registerService(serviceName());
        else
            release();
        return;
    }
    if (!held_)
        return;
    QVariantMap changed;
    if (changes.status)
        changed.insert(QStringLiteral("PlaybackStatus"),
                       QString::fromStdString(player_.playbackStatus()));
    if (changes.metadata)
        changed.insert(QStringLiteral("Metadata"), metadata());
    if (!changed.isEmpty())
        propertiesChanged(changed);
    if (changes.seeked)
        if (auto *adaptor = findChild<MprisPlayer *>())
            Q_EMIT adaptor->Seeked(qlonglong(player_.positionUs()));
}

void MprisService::propertiesChanged(const QVariantMap &changed)
{
    QDBusMessage signal = QDBusMessage::createSignal(
        objectPath(), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << playerInterface() << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

MprisRoot::MprisRoot(MprisService *service) : QDBusAbstractAdaptor(service), service_(service)
{
}

QString MprisRoot::identity() const
{
    return QCoreApplication::applicationName();
}

QString MprisRoot::desktopEntry() const
{
    return service_->desktopEntry();
}

void MprisRoot::Raise()
{
    service_->remote().run(RemoteCommand::Show);
}

MprisPlayer::MprisPlayer(MprisService *service) : QDBusAbstractAdaptor(service), service_(service)
{
}

QString MprisPlayer::playbackStatus() const
{
    return QString::fromStdString(service_->player().playbackStatus());
}

qlonglong MprisPlayer::position() const
{
    return service_->player().positionUs();
}

void MprisPlayer::command(RemoteCommand command)
{
    queueCommand(service_->remote(), command, *service_);
}

void MprisPlayer::Next()
{
    command(RemoteCommand::Next);
}

void MprisPlayer::Pause()
{
    command(RemoteCommand::Pause);
}

void MprisPlayer::PlayPause()
{
    command(RemoteCommand::TogglePause);
}

void MprisPlayer::Stop()
{
    command(RemoteCommand::Stop);
}

void MprisPlayer::Play()
{
    command(RemoteCommand::Resume);
}

} // namespace tb
