#pragma once

#include "about/AboutForm.h"

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

namespace tb {

class Shell;

// The about box: title, version, legal and warranty notices, and two links whose tool tips
// hold the addresses they open. Not modal; OK, Escape or the title bar close it.
class frmAbout final : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(Shell &shell, QWidget *parent = nullptr);
    ~frmAbout() override;

    // Shows the about box of `owner`: its open one brought to the front, or a new one.
    static frmAbout *showFor(Shell &shell, QWidget *owner);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void linkActivated(QObject *link);

    std::unique_ptr<Ui::frmAbout> ui;
    AboutForm logic_;
};

} // namespace tb
