#include "journal/frmjournal.h"

#include "forms/FormHost.h"
#include "forms/qt/ControlBinding.h"
#include "journal/JournalTableModel.h"
#include "journal/JournalView.h"
#include "journal/LocalDates.h"
#include "ui_frmjournal.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QScreen>

#include <algorithm>

namespace tb {
namespace {

// Rows a column's width is measured over: those in view, else the first so many.
constexpr int kMeasuredRows = 200;

} // namespace

frmjournal::frmjournal(FormHost &host, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmjournal>()), host_(host),
      model_(new JournalTableModel([this] { return view(); }, this))
{
    ui->setupUi(this);
    setModal(false);

    QTableView *table = ui->tblrecords;
    table->setModel(model_);
    table->verticalHeader()->hide();
    // Tens of thousands of rows: every row one line high, and a column's width measured
    // over a few of them only.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView *header = table->horizontalHeader();
    header->setResizeContentsPrecision(kMeasuredRows);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(static_cast<int>(JournalColumn::Text), QHeaderView::Stretch);

    auto *binding = new ControlBinding(this, host_, FormId::Journal);
    connect(binding, &ControlBinding::applied, this, &frmjournal::showRows);
    if (auto *logic = dynamic_cast<JournalView *>(host_.form(FormId::Journal))) {
        auto dates = std::make_shared<LocalDates>(locale());
        logic->showDatesAs([dates](const std::string &text) { return dates->dateTime(text); });
    }
    showRows();
    fitScreen();
    ui->txtsearch->setFocus();
}

frmjournal::~frmjournal() = default;

const JournalView *frmjournal::view() const
{
    return dynamic_cast<const JournalView *>(host_.form(FormId::Journal));
}

void frmjournal::showRows()
{
    const JournalView *logic = view();
    if (!logic || logic->shownVersion() == shownVersion_)
        return;
    shownVersion_ = logic->shownVersion();
    model_->showAfresh([] {});
    ui->chartdays->setDays(logic->chartDays());
    if (!columnsSized_)
        sizeColumns();
}

void frmjournal::sizeColumns()
{
    const QAbstractItemView *table = ui->tblrecords; // its size hints are public there
    QHeaderView *header = ui->tblrecords->horizontalHeader();
    for (int column = 0; column < model_->columnCount(); ++column) {
        if (column == static_cast<int>(JournalColumn::Text))
            continue;
        int width = std::max(header->sectionSizeHint(column), table->sizeHintForColumn(column));
        // Long lists of items leave room for the text; the tool tip holds them whole.
        if (column == static_cast<int>(JournalColumn::Items))
            width = std::min(width, fontMetrics().averageCharWidth() * 24);
        header->resizeSection(column, width);
    }
    // Sized by their content once there is some; later the user's widths stay.
    columnsSized_ = model_->rowCount() > 0;
}

void frmjournal::fitScreen()
{
    // Within the screen the main window is on, with a frame like the main window's, and the
    // buttons in reach. Too low a screen gets a low chart, for the table to keep some rows.
    const QWidget *anchor = parentWidget() ? parentWidget() : this;
    QSize room = anchor->screen()->availableGeometry().size();
    if (parentWidget())
        room -= anchor->frameGeometry().size() - anchor->size();
    if (room.height() < height())
        ui->chartdays->setMaximumHeight(ui->chartdays->minimumSizeHint().height());
    resize(size().boundedTo(room).expandedTo(minimumSizeHint()));
}

void frmjournal::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        host_.dispatch(FormId::Journal, "frmjournal", ControlEvent::Activate);
}

void frmjournal::reject()
{
    host_.dispatch(FormId::Journal, "cmdclose", ControlEvent::Click);
}

void frmjournal::closeEvent(QCloseEvent *event)
{
    event->accept();
    host_.unload(FormId::Journal);
}

} // namespace tb
