#include "remote/PanelLook.h"

#include "platform/Translator.h"
#include "tallybell/Version.h"

#include <algorithm>

namespace tb {
namespace {

int roundedUp(long long part, long long whole)
{
    return whole > 0 ? static_cast<int>((part + whole - 1) / whole) : 0;
}

} // namespace

PanelLook PanelLook::of(const MainForm::Countdown &countdown)
{
    PanelLook look;
    if (!countdown.running)
        return look;
    look.state = countdown.paused ? State::Paused : State::Counting;
    const int left = std::max(countdown.left, 0);
    look.shareLeft = countdown.length > 0
        ? std::min(roundedUp(static_cast<long long>(left) * kShares, countdown.length), kShares)
        : 0;
    look.minutesLeft = roundedUp(left, 60);
    return look;
}

std::string PanelLook::toolTip(const MainForm::Countdown &countdown)
{
    if (!countdown.running)
        return version::kProductName;
    const PanelLook look = of(countdown);
    std::string tip = oneLine(countdown.text) + "\n"
        + fillIn(trText("MainForm", "Task %1 of %2"),
                 {std::to_string(countdown.task), std::to_string(countdown.tasks)})
        + "\n" + trText("PanelLook", "%n minute(s) left", nullptr, look.minutesLeft);
    if (countdown.paused)
        tip += "\n" + trText("PanelLook", "Paused");
    return tip;
}

std::string oneLine(const std::string &text)
{
    std::string line;
    line.reserve(text.size());
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            if (!line.empty() && line.back() != ' ')
                line += ' ';
        } else {
            line += c;
        }
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

} // namespace tb
