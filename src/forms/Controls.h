#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tb {

// What one control of a window shows. The window layer applies it to the widget, menu
// entry or timer whose objectName is the control's name (the window itself for the
// window's own name, whose caption is the title); fields a kind of control lacks are
// ignored (a timer uses only `enabled`, a progress bar `value`).
//
// A text field or list that the logic leaves empty keeps what the window was designed
// with: a caption lives either in the window's design or in the logic, never in both.
struct ControlState {
    std::string caption; // file bytes: UTF-8, or Windows-1252 carried over from older files
    std::string toolTip;
    std::string text; // the contents of a text box
    std::vector<std::string> items; // the entries of a list or a drop-down list
    int listIndex = -1; // the selected entry of a list; -1 for none
    bool enabled = true;
    bool visible = true;
    bool checked = false; // check boxes, option buttons and checkable menu entries
    int value = 0; // progress bars and number boxes
    // The caret and the selection of a text box, in bytes of `text`: the window stores them
    // before it raises an event of the window, and places them when the logic moves them.
    int selStart = 0;
    int selLength = 0;
    // Raised by one each time the logic wants the control to take the focus.
    int focusRequests = 0;
    // Drawn to catch the eye, as the last stretch of a countdown.
    bool emphasis = false;

    bool operator==(const ControlState &) const = default;
};

// The controls of one window by name. Every name is a control of the window (or the
// window's own name): a name that names nothing is a fault the window tests find.
class Controls
{
public:
    ControlState &operator[](std::string_view name)
    {
        auto it = states_.find(name);
        if (it == states_.end())
            it = states_.emplace(std::string(name), ControlState {}).first;
        return it->second;
    }
    const ControlState &at(std::string_view name) const
    {
        const auto it = states_.find(name);
        return it != states_.end() ? it->second : empty_;
    }
    bool contains(std::string_view name) const { return states_.find(name) != states_.end(); }
    auto begin() const { return states_.begin(); }
    auto end() const { return states_.end(); }

private:
    std::map<std::string, ControlState, std::less<>> states_;
    ControlState empty_ {};
};

} // namespace tb
