#include "session/frmmain.h"

#include "app/Program.h"
#include "forms/qt/ControlBinding.h"
#include "platform/qt/LocalSingleInstance.h"
#include "session/MainForm.h"
#include "ui_frmmain.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <string_view>

namespace tb {
namespace {

bool isModifierOnly(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        return true;
    default:
        return false;
    }
}

// Aligns `widget` in whichever layout below `layout` holds it.
bool alignInLayout(QLayout *layout, QWidget *widget, Qt::Alignment alignment)
{
    if (!layout)
        return false;
    if (layout->setAlignment(widget, alignment))
        return true;
    for (int i = 0; i < layout->count(); ++i) {
        if (alignInLayout(layout->itemAt(i)->layout(), widget, alignment))
            return true;
    }
    return false;
}

void retainSpaceWhenHidden(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

frmmain::frmmain(Program &program, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmmain>()), program_(program),
      timemaintime_(new QTimer(this)), timeMenuGroup_(new QActionGroup(this))
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/icons/tallybell.svg")));
    ui->Picture2->setPixmap(
        QIcon(QStringLiteral(":/icons/picture2.svg")).pixmap(ui->Picture2->maximumSize()));
    ui->Imagemoveon->setIcon(QIcon(QStringLiteral(":/icons/moveon.svg")));
    ui->txtmessage->setTextFormat(Qt::PlainText);

    // The countdown repaints every second: keep that repaint small. A timer label of fixed
    // size never makes the window lay itself out again, and a flat bar chunk is drawn
    // without the style's gradient work.
    const QSize timerSize = ui->lblTimer->fontMetrics().size(0, QStringLiteral("000:00"));
    ui->lblTimer->setFixedSize(timerSize.width() + 8, timerSize.height());
    alignInLayout(centralWidget()->layout(), ui->lblTimer, Qt::AlignCenter);
    ui->practiceprogress->setStyleSheet(
        QStringLiteral("QProgressBar { border: 1px solid #9aa4b0; border-radius: 2px;"
                       " background: #ffffff; }"
                       "QProgressBar::chunk { background: #3a8fd6; }"));

    // The running and stopped layouts differ only in what is shown: keep the rest still.
    retainSpaceWhenHidden(ui->linepaused);
    retainSpaceWhenHidden(ui->practiceprogress);
    retainSpaceWhenHidden(ui->Imagemoveon);

    ui->startfromspinUp->setAutoRepeat(true);
    ui->startfromspinDown->setAutoRepeat(true);

    timemaintime_->setObjectName(QStringLiteral("timemaintime"));
    timemaintime_->setInterval(1000);

    timeMenuGroup_->setExclusive(true);
    for (int i = 0; i < MainForm::kTimeMenuEntries; ++i) {
        auto *entry = findChild<QAction *>(QString::fromStdString(MainForm::timeMenuName(i)));
        if (entry)
            timeMenuGroup_->addAction(entry);
    }

    connect(ui->cmdexit, &QPushButton::clicked, this, &frmmain::quitProgram);
    connect(ui->filequit, &QAction::triggered, this, &frmmain::quitProgram);
    binding_ = new ControlBinding(this, program_, FormId::Main);
    qApp->installEventFilter(this);
}

frmmain::~frmmain() = default;

void frmmain::applyControls()
{
    binding_->apply();
}

bool frmmain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        return keyPressed(watched, static_cast<QKeyEvent *>(event));
    return false;
}

bool frmmain::keyPressed(QObject *watched, QKeyEvent *event)
{
    // A key travels from the focused widget up to its parents, passing here each time:
    // take it once, at its first receiver.
    QWidget *first = QApplication::focusWidget();
    if (!first || first->window() != this)
        first = this;
    if (watched != first || !isVisible())
        return false;
    if (event->isAutoRepeat() || isModifierOnly(event->key()))
        return false;

    MainForm &logic = program_.main();
    const bool swallow = logic.Form_KeyDown(event->key());
    program_.afterEvent();
    if (event->key() == Qt::Key_F1 && (first == ui->cmdstartstop || first == ui->cmdpause)) {
        logic.ShowControlHelp(first->objectName().toStdString());
        program_.afterEvent();
        return true;
    }
    return swallow;
}

void frmmain::restoreAndRaise()
{
    tb::restoreAndRaise(this);
}

void frmmain::unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    timemaintime_->stop();
    program_.main().Form_Unload();
}

void frmmain::quitProgram()
{
    unload();
    close();
    QCoreApplication::quit();
}

void frmmain::closeEvent(QCloseEvent *event)
{
    unload();
    event->accept();
    // The main window is the program: windows it opened do not keep it running.
    QCoreApplication::quit();
}

void frmmain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (!unloaded_) {
        program_.main().Form_Resize();
        program_.afterEvent();
    }
}

void frmmain::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !unloaded_) {
        program_.main().Form_Resize();
        program_.afterEvent();
    }
}

} // namespace tb
