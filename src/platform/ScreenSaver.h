#pragma once

namespace tb {

// Holds the desktop's screen saver off (blank) and lets it run again (restore).
// Implementations keep at most one hold; restore without a hold does nothing. Neither call
// waits for the desktop: they are made at every Start, Pause and Resume.
class ScreenSaver
{
public:
    virtual ~ScreenSaver() = default;
    virtual void blank() = 0;
    virtual void restore() = 0;
};

} // namespace tb
