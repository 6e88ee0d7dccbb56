#include "app/qt/QtWindows.h"

#include "about/frmAbout.h"
#include "app/Program.h"
#include "forms/qt/ControlBinding.h"
#include "journal/frmjournal.h"
#include "lists/frmeditsonglist.h"
#include "options/frmoptions.h"
#include "session/frmmain.h"
#include "taskeditor/frmeditfile.h"

#include <QScreen>

#include <algorithm>

namespace tb {

QtWindows::QtWindows(Program &program, frmmain &main) : program_(program), main_(main)
{
    windows_[FormId::Main] = &main;
    program_.attach(this);
}

QtWindows::~QtWindows()
{
    program_.attach(nullptr);
}

QWidget *QtWindows::make(FormId form)
{
    switch (form) {
    case FormId::Main:
        return &main_;
    case FormId::Options:
        return new frmoptions(program_, &main_);
    case FormId::TaskEditor:
        return new frmeditfile(program_, &main_);
    case FormId::ListEditor:
        return new frmeditsonglist(program_, &main_);
    case FormId::About:
        return new frmAbout(program_, &main_);
    case FormId::Journal:
        return new frmjournal(program_, &main_);
    }
    return nullptr;
}

void QtWindows::open(FormId form)
{
    QPointer<QWidget> &window = windows_[form];
    if (!window)
        window = make(form);
    if (!window)
        return;
    window->show();
    keepOnScreen(window);
    window->raise();
    window->activateWindow();
}

// A window larger than its screen (a small screen, a large scale) is made as small as it
// may be and moved into the screen, so that none of it is out of reach.
void QtWindows::keepOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size() - window->size();
    const QSize fitting
        = window->size().boundedTo(room.size() - frame).expandedTo(window->minimumSizeHint());
    if (fitting != window->size())
        window->resize(fitting);
    QRect placed = window->frameGeometry();
    placed.moveRight(std::min(placed.right(), room.right()));
    placed.moveBottom(std::min(placed.bottom(), room.bottom()));
    placed.moveLeft(std::max(placed.left(), room.left()));
    placed.moveTop(std::max(placed.top(), room.top()));
    if (placed.topLeft() != window->frameGeometry().topLeft())
        window->move(placed.topLeft());
}

void QtWindows::close(FormId form)
{
    if (form == FormId::Main)
        return;
    const auto it = windows_.find(form);
    if (it == windows_.end())
        return;
    if (QWidget *window = it->second) {
        window->hide();
        window->deleteLater();
    }
    windows_.erase(it);
}

QWidget *QtWindows::window(FormId form) const
{
    const auto it = windows_.find(form);
    return it != windows_.end() ? it->second.data() : nullptr;
}

void QtWindows::update(bool now)
{
    for (const auto &[form, window] : windows_) {
        if (!window)
            continue;
        if (auto *binding
            = window->findChild<ControlBinding *>(QString(), Qt::FindDirectChildrenOnly))
            binding->apply();
        if (now)
            window->repaint();
    }
}

} // namespace tb
