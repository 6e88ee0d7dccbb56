#include "journal/frmjournal.h"

#include "forms/FormHost.h"
#include "forms/qt/ControlBinding.h"
#include "journal/JournalTableModel.h"
#include "journal/JournalView.h"
#include "ui_frmjournal.h"

#include <QCloseEvent>
#include <QHeaderView>

namespace tb {

frmjournal::frmjournal(FormHost &host, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmjournal>()), host_(host),
      model_(new JournalTableModel([this] { return view(); }, this))
{
    ui->setupUi(this);
    setModal(false);

    QTableView *table = ui->tblrecords;
    table->setModel(model_);
    table->verticalHeader()->hide();
    // Tens of thousands of rows: every row one line high, the widths set once, never
    // measured over the rows.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView *header = table->horizontalHeader();
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    header->resizeSection(JournalTableModel::Started, digit * 21);
    header->resizeSection(JournalTableModel::Task, digit * 6);
    header->resizeSection(JournalTableModel::Text, digit * 36);
    header->resizeSection(JournalTableModel::Items, digit * 16);
    header->resizeSection(JournalTableModel::Planned, digit * 10);
    header->resizeSection(JournalTableModel::Practised, digit * 10);
    header->setStretchLastSection(true);

    auto *binding = new ControlBinding(this, host_, FormId::Journal);
    connect(binding, &ControlBinding::applied, this, &frmjournal::showRows);
    showRows();
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
