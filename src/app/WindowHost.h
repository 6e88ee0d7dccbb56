#pragma once

#include "forms/FormCalls.h"

namespace tb {

// What the program's core object asks of the windows layer.
class WindowHost
{
public:
    virtual ~WindowHost() = default;
    // Makes the window of `form` when it has none, shows it and brings it to the front.
    virtual void open(FormId form) = 0;
    // Closes and destroys the window of `form`, if it has one.
    virtual void close(FormId form) = 0;
    // Every open window shows what its logic describes; `now` repaints at once rather than
    // at the next turn of the event loop.
    virtual void update(bool now) = 0;
};

} // namespace tb
