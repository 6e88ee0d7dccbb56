#include "platform/qt/QtWindowOps.h"

#include "platform/qt/Text.h"

#include <QMainWindow>

namespace tb {

void QtWindowOps::attach(QMainWindow *window)
{
    window_ = window;
}

WindowState QtWindowOps::state() const
{
    if (!window_)
        return WindowState::Normal;
    if (window_->isMinimized())
        return WindowState::Minimized;
    if (window_->isMaximized())
        return WindowState::Maximized;
    return WindowState::Normal;
}

void QtWindowOps::setState(WindowState state)
{
    if (!window_)
        return;
    Qt::WindowStates states = window_->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == WindowState::Minimized)
        states |= Qt::WindowMinimized;
    else if (state == WindowState::Maximized)
        states |= Qt::WindowMaximized;
    window_->setWindowState(states);
}

void QtWindowOps::setCaption(const std::string &caption)
{
    if (window_)
        window_->setWindowTitle(fromFileBytes(caption));
}

bool QtWindowOps::isActive() const
{
    return window_ && window_->isActiveWindow();
}

void QtWindowOps::bringToFront()
{
    if (!window_ || !window_->isVisible())
        return;
    window_->raise();
    window_->activateWindow();
}

} // namespace tb
