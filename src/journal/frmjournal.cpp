#include "journal/frmjournal.h"

#include "app/Program.h"
#include "forms/qt/ControlBinding.h"
#include "journal/JournalForm.h"
#include "journal/JournalTableModel.h"
#include "ui_frmjournal.h"

#include <QCloseEvent>
#include <QHeaderView>

namespace tb {

frmjournal::frmjournal(Program &program, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmjournal>()), program_(program),
      model_(new JournalTableModel(program, this))
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

    new ControlBinding(this, program_, FormId::Journal);
    // Connected after the binding: the logic has chosen the rows when this runs.
    connect(ui->txtsearch, &QLineEdit::textEdited, this, &frmjournal::showRecords);
    showChart();
    ui->txtsearch->setFocus();
}

frmjournal::~frmjournal() = default;

void frmjournal::showRecords()
{
    model_->showAfresh([] {});
}

void frmjournal::showChart()
{
    if (const JournalForm *logic = program_.loadedJournal())
        ui->chartdays->setDays(logic->chartDays());
}

void frmjournal::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    JournalForm *logic = program_.loadedJournal();
    if (!logic || !logic->stale())
        return;
    model_->showAfresh([logic] { logic->reload(); });
    showChart();
    program_.afterEvent();
}

void frmjournal::reject()
{
    program_.dispatch(FormId::Journal, "cmdclose", ControlEvent::Click);
}

void frmjournal::closeEvent(QCloseEvent *event)
{
    event->accept();
    program_.unload(FormId::Journal);
}

} // namespace tb
