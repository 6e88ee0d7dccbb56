#include "options/frmoptions.h"

#include "forms/FormHost.h"
#include "forms/qt/ControlBinding.h"
#include "ui_frmoptions.h"

#include <QCloseEvent>
#include <QIcon>

namespace tb {

frmoptions::frmoptions(FormHost &host, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmoptions>()), host_(host)
{
    ui->setupUi(this);
    setModal(false);
    const QIcon open(QStringLiteral(":/icons/open.svg"));
    ui->cmdselectsndfile->setIcon(open);
    ui->cmdselecttaskfile->setIcon(open);
    ui->cmdPlaySoundFile->setIcon(QIcon(QStringLiteral(":/icons/play.svg")));
    ui->cmdnewtaskfile->setIcon(QIcon(QStringLiteral(":/icons/new.svg")));
    // The play button may be hidden: its room stays, so the row keeps its shape.
    QSizePolicy policy = ui->cmdPlaySoundFile->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    ui->cmdPlaySoundFile->setSizePolicy(policy);

    new ControlBinding(this, host_, FormId::Options);
    resize(width(), sizeHint().height());
    ui->cmdOK->setFocus();
}

frmoptions::~frmoptions() = default;

// Escape presses OK: there is nothing to cancel.
void frmoptions::reject()
{
    ui->cmdOK->click();
}

void frmoptions::closeEvent(QCloseEvent *event)
{
    event->accept();
    host_.unload(FormId::Options);
}

} // namespace tb
