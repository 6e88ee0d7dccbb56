#include "about/frmAbout.h"

#include "about/ControlTexts.h"
#include "platform/qt/Text.h"
#include "ui_frmAbout.h"

#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tb {

frmAbout::frmAbout(Shell &shell, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmAbout>()), logic_(shell)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    ui->Image1->setPixmap(
        QIcon(QStringLiteral(":/icons/tallybell.svg")).pixmap(ui->Image1->maximumSize()));

    // A wide, heavy face for the title.
    QFont title = ui->lblTitle->font();
    title.setWeight(QFont::Black);
    title.setStretch(QFont::Expanded);
    title.setLetterSpacing(QFont::PercentageSpacing, 115);
    ui->lblTitle->setFont(title);

    logic_.Form_Load();
    setWindowTitle(fromFileBytes(logic_.caption()));
    showControlTexts(this, logic_.controls());
    adjustSize();

    ui->lblgotowebsite->installEventFilter(this);
    ui->lblemail->installEventFilter(this);
    ui->cmdOK->setDefault(true);
    ui->cmdOK->setFocus();
    connect(ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

frmAbout::~frmAbout() = default;

frmAbout *frmAbout::showFor(Shell &shell, QWidget *owner)
{
    auto *about
        = owner ? owner->findChild<frmAbout *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!about)
        about = new frmAbout(shell, owner);
    about->show();
    about->raise();
    about->activateWindow();
    return about;
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        linkActivated(watched);
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            linkActivated(watched);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::linkActivated(QObject *link)
{
    if (link == ui->lblgotowebsite)
        logic_.lblgotowebsite_Click();
    else if (link == ui->lblemail)
        logic_.lblemail_Click();
}

} // namespace tb
