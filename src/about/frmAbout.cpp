#include "about/frmAbout.h"

#include "forms/FormHost.h"
#include "forms/qt/ControlBinding.h"
#include "ui_frmAbout.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>

namespace tb {
namespace {

// The title and the links at 4.5:1 or more against a light and a dark window.
struct Colours {
    const char *title;
    const char *link;
};
constexpr Colours kLight {"#7a4a08", "#0000ee"};
constexpr Colours kDark {"#e8b458", "#8ab4f8"};

} // namespace

frmAbout::frmAbout(FormHost &host, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmAbout>()), host_(host)
{
    ui->setupUi(this);
    setModal(false);
    ui->Image1->setPixmap(
        QIcon(QStringLiteral(":/icons/tallybell.svg")).pixmap(ui->Image1->maximumSize()));

    // A wide, heavy face for the title.
    QFont title = ui->lblTitle->font();
    title.setWeight(QFont::Black);
    title.setStretch(QFont::Expanded);
    title.setLetterSpacing(QFont::PercentageSpacing, 115);
    ui->lblTitle->setFont(title);
    applyColours();

    new ControlBinding(this, host_, FormId::About);
    // As high as the wrapped notices need: adjustSize() would cut it to two thirds of a
    // small screen's height.
    const int width = sizeHint().width();
    resize(width, heightForWidth(width));

    // The links answer the keyboard too.
    ui->lblgotowebsite->installEventFilter(this);
    ui->lblemail->installEventFilter(this);
    ui->cmdOK->setDefault(true);
    ui->cmdOK->setFocus();
}

frmAbout::~frmAbout() = default;

void frmAbout::applyColours()
{
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    if (static_cast<int>(dark) == darkColours_)
        return;
    darkColours_ = dark ? 1 : 0;
    const Colours &c = dark ? kDark : kLight;
    ui->lblTitle->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(c.title)));
    const QString link
        = QStringLiteral("color: %1; text-decoration: underline;").arg(QLatin1String(c.link));
    ui->lblgotowebsite->setStyleSheet(link);
    ui->lblemail->setStyleSheet(link);
}

void frmAbout::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyColours();
}

void frmAbout::reject()
{
    host_.dispatch(FormId::About, "cmdOK", ControlEvent::Click);
}

void frmAbout::closeEvent(QCloseEvent *event)
{
    event->accept();
    host_.unload(FormId::About);
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            host_.dispatch(FormId::About, watched->objectName().toStdString(), ControlEvent::Click);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tb
