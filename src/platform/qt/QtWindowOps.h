#pragma once

#include "platform/WindowOps.h"

#include <QPointer>

class QMainWindow;

namespace tb {

// The main window's logic needs its window operations before the window exists: the
// window is attached once it has been made. Until then (or after it is gone) the window
// counts as normal and the operations do nothing.
class QtWindowOps final : public WindowOps
{
public:
    void attach(QMainWindow *window);

    WindowState state() const override;
    void setState(WindowState state) override;
    void setCaption(const std::string &caption) override;
    void bringToFront() override;
    bool isActive() const override;

private:
    QPointer<QMainWindow> window_;
};

} // namespace tb
