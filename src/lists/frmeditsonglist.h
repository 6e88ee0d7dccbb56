#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmeditsonglist;
}

namespace tb {

class Program;

// The list file editor. Modeless; it stays above the main window. Enter and Delete are
// handed to the logic wherever the focus is; Escape is the close box.
class frmeditsonglist final : public QDialog
{
    Q_OBJECT
public:
    explicit frmeditsonglist(Program &program, QWidget *parent = nullptr);
    ~frmeditsonglist() override;

public Q_SLOTS:
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void applyFocusRequest();

    std::unique_ptr<Ui::frmeditsonglist> ui;
    Program &program_;
    // The first row in view before the items were shown afresh, and the list they were of.
    int topRow_ = -1;
    int rowsOfList_ = 0;
};

} // namespace tb
