#include "taskeditor/frmeditfile.h"

#include "forms/FormHost.h"
#include "forms/qt/ControlBinding.h"
#include "ui_frmeditfile.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenu>

namespace tb {

frmeditfile::frmeditfile(FormHost &host, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmeditfile>()), host_(host)
{
    ui->setupUi(this);
    setModal(false);
    layout()->setMenuBar(ui->menubar);
    // A greyed File entry says why in its tool tip.
    ui->File->setToolTipsVisible(true);
    // The binding hands the caret to the logic before an Insert entry runs, and puts it
    // back after the new text is shown.
    new ControlBinding(this, host_, FormId::TaskEditor);
    resize(width(), sizeHint().height());
    ui->txtdescription->setFocus();
}

frmeditfile::~frmeditfile() = default;

void frmeditfile::reject()
{
    ui->cmdcancel->click();
}

void frmeditfile::closeEvent(QCloseEvent *event)
{
    if (!host_.form(FormId::TaskEditor)) {
        event->accept();
        return;
    }
    // Closed only through Cancel's own unloading, after its question.
    event->ignore();
    ui->cmdcancel->click();
}

} // namespace tb
