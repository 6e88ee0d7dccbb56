#include "app/qt/QtWindows.h"

#include "about/frmAbout.h"
#include "app/Program.h"
#include "forms/qt/ControlBinding.h"
#include "journal/frmjournal.h"
#include "lists/frmeditsonglist.h"
#include "options/frmoptions.h"
#include "session/frmmain.h"
#include "taskeditor/frmeditfile.h"

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
    window->raise();
    window->activateWindow();
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
