#pragma once

#include "session/MainForm.h"

#include <string>

namespace tb {

// What the program's status icon in the panel shows. A redraw of the icon wakes the panel,
// so the look changes only with the sixteenth of the task left and with the minute: the
// icon is drawn again only when the look differs from the one shown.
struct PanelLook {
    enum class State { Stopped, Counting, Paused };
    static constexpr int kShares = 16;

    State state = State::Stopped;
    int shareLeft = 0; // sixteenths of the task left, rounded up: 0 to 16
    int minutesLeft = 0; // rounded up, so 1 until the task's last second has gone

    bool operator==(const PanelLook &) const = default;

    static PanelLook of(const MainForm::Countdown &countdown);
    // The icon's tool tip: the task text, "Task N of M" and the minutes left, a line each;
    // the program's name while stopped.
    static std::string toolTip(const MainForm::Countdown &countdown);
};

// A task text on one line: every line break becomes a space.
std::string oneLine(const std::string &text);

} // namespace tb
