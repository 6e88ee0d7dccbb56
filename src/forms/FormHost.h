#pragma once

#include "forms/Form.h"
#include "forms/FormCalls.h"

#include <string_view>

namespace tb {

// What a window sees of the program: its logic by id, the way to raise its events, and its
// unloading. The windows layer depends on this and nothing else of the core object.
class FormHost
{
public:
    virtual ~FormHost() = default;

    // The logic of `form`, or null when it is not loaded.
    virtual Form *form(FormId form) = 0;
    // Raises `event` of `control` on the window `form`, then has every window show what
    // changed. False when the window is not loaded or has no such handler.
    virtual bool dispatch(FormId form, std::string_view control, ControlEvent event,
                          EventArgs &args)
        = 0;
    bool dispatch(FormId form, std::string_view control, ControlEvent event)
    {
        EventArgs args;
        return dispatch(form, control, event, args);
    }
    // Closes the window and drops its logic. Safe to call from the window's own handlers.
    virtual void unload(FormId form) = 0;
};

} // namespace tb
