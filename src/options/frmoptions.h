#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmoptions;
}

namespace tb {

class FormHost;

// The "General task options" window. Modeless; it stays above the main window, and OK,
// Enter, Escape or the title bar close it.
class frmoptions final : public QDialog
{
    Q_OBJECT
public:
    explicit frmoptions(FormHost &host, QWidget *parent = nullptr);
    ~frmoptions() override;

public Q_SLOTS:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::unique_ptr<Ui::frmoptions> ui;
    FormHost &host_;
};

} // namespace tb
