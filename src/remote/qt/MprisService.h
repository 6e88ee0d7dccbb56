#pragma once

#include "remote/RemoteCommand.h"

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace tb {

class MediaPlayer;
class RemoteControl;

// The session as an MPRIS 2 media player on the session bus, for the media keys and headset
// buttons: org.mpris.MediaPlayer2.tallybell is held while the media player logic wants it
// (the option is on and a session runs). Play, Pause, PlayPause, Next and Stop are the
// window's buttons; what changed is said after each event, never every second.
class MprisService final : public QObject
{
    Q_OBJECT
public:
    MprisService(MediaPlayer &player, RemoteControl &remote, QString desktopEntry,
                 QObject *parent = nullptr);
    ~MprisService() override;

    // After every event: takes or lets go the name, and says what changed.
    void update();

    MediaPlayer &player() { return player_; }
    RemoteControl &remote() { return remote_; }
    const QString &desktopEntry() const { return desktopEntry_; }
    QVariantMap metadata() const;

private:
    void propertiesChanged(const QVariantMap &changed);
    // Lets go of the player's name on the bus, when held.
    void release();

    MediaPlayer &player_;
    RemoteControl &remote_;
    QString desktopEntry_;
    bool held_ = false;
};

// org.mpris.MediaPlayer2: the program.
class MprisRoot final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ canQuit CONSTANT)
    Q_PROPERTY(bool CanRaise READ canRaise CONSTANT)
    Q_PROPERTY(bool HasTrackList READ hasTrackList CONSTANT)
    Q_PROPERTY(QString Identity READ identity CONSTANT)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry CONSTANT)
    Q_PROPERTY(QStringList SupportedUriSchemes READ none CONSTANT)
    Q_PROPERTY(QStringList SupportedMimeTypes READ none CONSTANT)
public:
    explicit MprisRoot(MprisService *service);
    bool canQuit() const { return false; }
    bool canRaise() const { return true; }
    bool hasTrackList() const { return false; }
    QString identity() const;
    QString desktopEntry() const;
    QStringList none() const { return {}; }

public Q_SLOTS:
    void Raise();
    void Quit() { }

private:
    MprisService *service_;
};

// org.mpris.MediaPlayer2.Player: the session.
class MprisPlayer final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    // PlaybackStatus, Metadata and Position change: the bus hears of it by PropertiesChanged,
    // sent by hand, and a Qt notify signal would have no one to tell.
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus) // clazy:exclude=qproperty-without-notify
    Q_PROPERTY(double Rate READ one CONSTANT)
    Q_PROPERTY(double MinimumRate READ one CONSTANT)
    Q_PROPERTY(double MaximumRate READ one CONSTANT)
    Q_PROPERTY(double Volume READ one CONSTANT)
    Q_PROPERTY(QVariantMap Metadata READ metadata) // clazy:exclude=qproperty-without-notify
    Q_PROPERTY(qlonglong Position READ position) // clazy:exclude=qproperty-without-notify
    Q_PROPERTY(bool CanGoNext READ yes CONSTANT)
    Q_PROPERTY(bool CanGoPrevious READ no CONSTANT)
    Q_PROPERTY(bool CanPlay READ yes CONSTANT)
    Q_PROPERTY(bool CanPause READ yes CONSTANT)
    Q_PROPERTY(bool CanSeek READ no CONSTANT)
    Q_PROPERTY(bool CanControl READ yes CONSTANT)
public:
    explicit MprisPlayer(MprisService *service);
    QString playbackStatus() const;
    QVariantMap metadata() const { return service_->metadata(); }
    qlonglong position() const;
    double one() const { return 1.0; }
    bool yes() const { return true; }
    bool no() const { return false; }

public Q_SLOTS:
    void Next();
    void Previous() { }
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    void Seek(qlonglong) { }
    void SetPosition(const QDBusObjectPath &, qlonglong) { }
    void OpenUri(const QString &) { }

Q_SIGNALS:
    void Seeked(qlonglong position);

private:
    void command(RemoteCommand command);

    MprisService *service_;
};

} // namespace tb
