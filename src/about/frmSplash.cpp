#include "about/frmSplash.h"

#include "about/SplashForm.h"
#include "forms/qt/ControlBinding.h"
#include "ui_frmSplash.h"

#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace tb {

frmSplash::frmSplash(std::chrono::milliseconds showFor, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      ui(std::make_unique<Ui::frmSplash>()), timer_(new QTimer(this))
{
    ui->setupUi(this);
    ui->imgLogo->setPixmap(
        QIcon(QStringLiteral(":/icons/picture2.svg")).pixmap(ui->imgLogo->maximumSize()));
    logic_.Form_Load();
    new ControlBinding(
        this, [this] { return &logic_; }, nullptr);

    setFocusPolicy(Qt::StrongFocus);
    timer_->setObjectName(QStringLiteral("splashTimer"));
    timer_->setSingleShot(true);
    timer_->setInterval(showFor);
    connect(timer_, &QTimer::timeout, this, &frmSplash::finish);
}

frmSplash::~frmSplash() = default;

void frmSplash::handOverTo(QWidget *next)
{
    next_ = next;
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    setFocus();
    timer_->start();
}

void frmSplash::bringToFront()
{
    raise();
    activateWindow();
}

void frmSplash::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    finish();
}

void frmSplash::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    finish();
}

void frmSplash::finish()
{
    if (finished_)
        return;
    finished_ = true;
    timer_->stop();
    hide();
    if (next_) {
        next_->show();
        next_->raise();
        next_->activateWindow();
    }
    Q_EMIT finished();
}

} // namespace tb
