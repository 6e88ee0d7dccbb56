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
    Q_PROPERTY(bool CanQuit READ canQuit)
    Q_PROPERTY(bool CanRaise READ canRaise)
    Q_PROPERTY(bool HasTrackList READ hasTrackList)
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ none)
    Q_PROPERTY(QStringList SupportedMimeTypes READ none)
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
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ one)
    Q_PROPERTY(double MinimumRate READ one)
    Q_PROPERTY(double MaximumRate READ one)
    Q_PROPERTY(double Volume READ one)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(bool CanGoNext READ yes)
    Q_PROPERTY(bool CanGoPrevious READ no)
    Q_PROPERTY(bool CanPlay READ yes)
    Q_PROPERTY(bool CanPause READ yes)
    Q_PROPERTY(bool CanSeek READ no)
    Q_PROPERTY(bool CanControl READ yes)
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
