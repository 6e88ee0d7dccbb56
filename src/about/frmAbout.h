#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

namespace tb {

class FormHost;

// The about box: title, version, legal and warranty notices, and two links whose tool tips
// hold the addresses they open. Not modal; OK, Escape or the title bar close it.
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
    void closeEvent(QCloseEvent *event) override;

private:
    std::unique_ptr<Ui::frmAbout> ui;
    FormHost &host_;
};

} // namespace tb
