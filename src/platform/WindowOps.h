#pragma once

#include <string>

namespace tb {

enum class WindowState { Normal, Minimized, Maximized };

// What the main window's logic asks of its own window.
class WindowOps
{
public:
    virtual ~WindowOps() = default;
    virtual WindowState state() const = 0;
    virtual void setState(WindowState state) = 0;
    virtual void setCaption(const std::string &caption) = 0;
    // Brings the window in front of the others without keeping it on top.
    virtual void bringToFront() = 0;
    // Whether the window has the keyboard focus of the desktop, so the user sees it.
    virtual bool isActive() const = 0;
};

} // namespace tb
