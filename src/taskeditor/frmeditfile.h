#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmeditfile;
}

namespace tb {

class FormHost;

// The task list editor window. Modeless; it stays above the main window. Escape and the
// title bar act as Cancel, so unsaved changes are asked about.
class frmeditfile final : public QDialog
{
    Q_OBJECT
public:
    explicit frmeditfile(FormHost &host, QWidget *parent = nullptr);
    ~frmeditfile() override;

public Q_SLOTS:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::unique_ptr<Ui::frmeditfile> ui;
    FormHost &host_;
};

} // namespace tb
