#pragma once

#include <QDialog>

#include <cstdint>
#include <memory>

namespace Ui {
class frmjournal;
}

namespace tb {

class JournalTableModel;
class JournalView;
class FormHost;

// The practice journal. Modeless; it stays above the main window. Escape and the close box
// close it. Tasks recorded while it is open are read when it is next brought to the front.
// Dates are written as the window's locale writes them, and it opens within the screen.
class frmjournal final : public QDialog
{
    Q_OBJECT
public:
    explicit frmjournal(FormHost &host, QWidget *parent = nullptr);
    ~frmjournal() override;

public Q_SLOTS:
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    const JournalView *view() const;
    // After the binding showed the logic's controls: other rows or days are shown afresh.
    void showRows();
    // Each column as wide as its header and its first rows; the text takes the rest.
    void sizeColumns();
    void fitScreen();

    std::unique_ptr<Ui::frmjournal> ui;
    FormHost &host_;
    JournalTableModel *model_;
    std::uint64_t shownVersion_ = 0;
    bool columnsSized_ = false;
};

} // namespace tb
