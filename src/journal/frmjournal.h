#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmjournal;
}

namespace tb {

class JournalTableModel;
class Program;

// The practice journal. Modeless; it stays above the main window. Escape and the close box
// close it. Tasks recorded while it is open are read when it is next brought to the front.
class frmjournal final : public QDialog
{
    Q_OBJECT
public:
    explicit frmjournal(Program &program, QWidget *parent = nullptr);
    ~frmjournal() override;

public Q_SLOTS:
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showRecords();
    void showChart();

    std::unique_ptr<Ui::frmjournal> ui;
    Program &program_;
    JournalTableModel *model_;
};

} // namespace tb
