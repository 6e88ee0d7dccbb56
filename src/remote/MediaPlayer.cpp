#include "remote/MediaPlayer.h"

#include "remote/PanelLook.h"
#include "session/MainForm.h"
#include "tasklist/TaskList.h"

namespace tb {
namespace {

constexpr std::int64_t kMicroseconds = 1'000'000;

} // namespace

MediaPlayer::MediaPlayer(const MainForm &main, const TaskList &list) : main_(main), list_(list)
{
}

bool MediaPlayer::wanted() const
{
    return list_.mediaKeys() && main_.sessionRunning();
}

std::string MediaPlayer::playbackStatus() const
{
    if (!main_.sessionRunning())
        return "Stopped";
    return main_.sessionPaused() ? "Paused" : "Playing";
}

MediaPlayer::Track MediaPlayer::track() const
{
    const MainForm::Countdown now = main_.countdown();
    Track track;
    track.id = "/org/example/orvane/Tallybell/Track" + std::to_string(begun_);
    track.title = oneLine(now.text);
    track.album = list_.name();
    track.lengthUs = static_cast<std::int64_t>(now.length) * kMicroseconds;
    return track;
}

std::int64_t MediaPlayer::positionUs() const
{
    const MainForm::Countdown now = main_.countdown();
    return static_cast<std::int64_t>(now.length - now.left) * kMicroseconds;
}

MediaPlayer::Changes MediaPlayer::look()
{
    const bool running = main_.sessionRunning();
    const int task = main_.sessionTask();
    const bool begunNow = running && (!seenRunning_ || task != seenTask_);
    if (begunNow)
        ++begun_;
    seenRunning_ = running;
    seenTask_ = task;

    Changes changes;
    const bool want = wanted();
    changes.wanted = want != seenWanted_;
    changes.seeked = begunNow && want && !changes.wanted;
    seenWanted_ = want;
    const std::string status = playbackStatus();
    changes.status = status != seenStatus_;
    seenStatus_ = status;
    const Track now = track();
    changes.metadata = !(now == seenTrack_);
    seenTrack_ = now;
    return changes;
}

} // namespace tb
