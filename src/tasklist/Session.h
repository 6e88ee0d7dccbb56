#pragma once

namespace tb {

// What the other windows see of the practice session, and the one thing they ask of it.
// The main window's logic is the session.
class Session
{
public:
    virtual ~Session() = default;

    // A session was started and has not ended; also while it is paused.
    virtual bool sessionRunning() const = 0;
    virtual bool sessionPaused() const = 0;
    // The task the session is at, or the one the next session starts from.
    virtual int sessionTask() const = 0;
    // The number of tasks of the list in use, as last counted.
    virtual int sessionTaskCount() const = 0;
    // There is a sound output device: a bell can be heard.
    virtual bool soundOutput() const = 0;

    // The tasks of the list in use were edited: they are counted again, and a stopped
    // session starts again from the first task. A running session goes on where it is.
    virtual void taskListEdited() = 0;
};

} // namespace tb
