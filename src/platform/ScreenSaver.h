#pragma once

namespace tb {

// Holds the desktop's screen saver off (blank) and lets it run again (restore).
// Implementations keep at most one hold; restore without a hold does nothing.
class ScreenSaver
{
public:
    virtual ~ScreenSaver() = default;
    virtual void blank() = 0;
    virtual void restore() = 0;
};

} // namespace tb
