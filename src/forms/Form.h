#pragma once

#include "forms/Controls.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace tb {

// What the user does to a control. A window's handlers are named after the control and
// the event: `cmdOK_Click`, `chkmaxmin_LostFocus`, `txtdescription_Change`.
enum class ControlEvent { Click, DblClick, Change, LostFocus, RightClick, Timer };

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

    // Something this window shows may have been changed by another window.
    virtual void refresh() { }

protected:
    void on(std::string_view control, ControlEvent event, std::function<void()> handler);

    Controls controls_;

private:
    std::map<std::string, std::map<ControlEvent, std::function<void()>>, std::less<>> handlers_;
};

} // namespace tb
