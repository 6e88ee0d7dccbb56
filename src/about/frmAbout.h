#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

namespace tb {

class FormHost;

// The about box: title, version, legal and warranty notices, and two links whose tool tips
// hold the addresses they open. Not modal; OK, Escape or the title bar close it. The title
// and the links take colours that read on the palette's window, light or dark.
class frmAbout final : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(FormHost &host, QWidget *parent = nullptr);
    ~frmAbout() override;

public Q_SLOTS:
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The title's and the links' colours for a light or a dark window.
    void applyColours();

    std::unique_ptr<Ui::frmAbout> ui;
    FormHost &host_;
    int darkColours_ = -1; // not chosen yet
};

} // namespace tb
