#pragma once

#include <cstdint>
#include <string>

namespace tb {

class MainForm;
class TaskList;

// The session as a media player for the media keys and headset buttons (MPRIS 2): a task
// is a track as long as the task, its text the title and the task list's name the album.
// The player's name is held only while the option is on and a session runs. Nothing is
// said every second: clients read the position when they want it, and `look` after each
// event tells what changed since the last look.
class MediaPlayer
{
public:
    MediaPlayer(const MainForm &main, const TaskList &list);

    bool wanted() const;
    // "Playing", "Paused" or "Stopped".
    std::string playbackStatus() const;
    struct Track {
        std::string id; // an object path, new for every task begun
        std::string title;
        std::string album;
        std::int64_t lengthUs = 0;
        bool operator==(const Track &) const = default;
    };
    Track track() const;
    // How far into the task the countdown is.
    std::int64_t positionUs() const;

    struct Changes {
        bool wanted = false; // the name is to be taken or let go
        bool status = false;
        bool metadata = false;
        // A new task began: the position went back to 0 within the same playing.
        bool seeked = false;
    };
    Changes look();

private:
    const MainForm &main_;
    const TaskList &list_;
    // Counts the tasks begun; a track's id carries it.
    std::uint64_t begun_ = 0;
    bool seenRunning_ = false;
    int seenTask_ = 0;
    bool seenWanted_ = false;
    std::string seenStatus_ = "Stopped";
    Track seenTrack_;
};

} // namespace tb
