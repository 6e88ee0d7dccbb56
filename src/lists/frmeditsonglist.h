#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmeditsonglist;
}

namespace tb {

class ControlBinding;
class FormHost;

// The list file editor. Modeless; it stays above the main window. Enter and Delete are
// handed to the logic wherever the focus is; Escape is the close box.
class frmeditsonglist final : public QDialog
{
    Q_OBJECT
public:
    explicit frmeditsonglist(FormHost &host, QWidget *parent = nullptr);
    ~frmeditsonglist() override;

public Q_SLOTS:
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The list shown now, by its number label.
    int shownList();

    std::unique_ptr<Ui::frmeditsonglist> ui;
    FormHost &host_;
    ControlBinding *binding_ = nullptr;
    // The first row in view before the items were shown afresh, and the list they were of.
    int topRow_ = -1;
    int rowsOfList_ = 0;
};

} // namespace tb
