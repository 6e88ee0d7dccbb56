#pragma once

#include "forms/Controls.h"

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace tb {

// What the user does to a control. A window's handlers are named after the control and
// the event: `cmdOK_Click`, `chkmaxmin_LostFocus`, `txtdescription_Change`. The window's
// own events are raised on the window's name: a key pressed anywhere in it (`KeyDown`, seen
// before its controls see it), its close box (`QueryUnload`), its going away (`Unload`), a
// change of its size or state (`Resize`), and its becoming the active window (`Activate`).
enum class ControlEvent {
    Click,
    DblClick,
    Change,
    LostFocus,
    RightClick,
    Timer,
    KeyDown,
    QueryUnload,
    Unload,
    Resize,
    Activate
};

// The keys the program acts on, by its own names; every other key is `Other`.
enum class Key { Other, Space, Enter, Delete, Escape, F1 };

// What a window's own event carries, and what its handler answers.
struct EventArgs {
    Key key = Key::Other; // KeyDown: the key pressed
    bool control = false; // KeyDown: with the Control key held
    std::string focused; // KeyDown: the control that has the focus; empty for none
    // KeyDown: the key goes no further (the focused control does not get it).
    // QueryUnload: the window stays open.
    bool cancel = false;
};

// The behaviour of one window: the description of its controls and the handlers of the
// events they raise. The window layer first stores what the user typed, ticked or
// selected into `controls()`, then raises the event.
class Form
{
public:
    Form() = default;
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;
    virtual ~Form() = default;

    Controls &controls() { return controls_; }
    const Controls &controls() const { return controls_; }

    bool handles(std::string_view control, ControlEvent event) const;
    // Runs the control's handler of `event`; false when it has none.
    bool raise(std::string_view control, ControlEvent event);
    bool raise(std::string_view control, ControlEvent event, EventArgs &args);

    // Something this window shows may have been changed by another window.
    virtual void refresh() { }

    // A control with a short help topic of its own, shown on a right click.
    struct HelpTopic {
        const char *control;
        int topic;
    };

protected:
    void on(std::string_view control, ControlEvent event, std::function<void()> handler);
    void on(std::string_view control, ControlEvent event, std::function<void(EventArgs &)> handler);
    // Each control's right click shows its topic through `show`.
    template<std::size_t N>
    void onRightClick(const HelpTopic (&topics)[N], const std::function<void(int)> &show)
    {
        for (const HelpTopic &help : topics)
            on(help.control, ControlEvent::RightClick, [show, topic = help.topic] { show(topic); });
    }

    Controls controls_;

private:
    std::map<std::string, std::map<ControlEvent, std::function<void(EventArgs &)>>, std::less<>>
        handlers_;
};

} // namespace tb
