#include "about/frmSplash.h"

#include "about/SplashForm.h"
#include "forms/qt/ControlBinding.h"
#include "ui_frmSplash.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace tb {
namespace {

// A window system that shows nothing within this time is not waited for longer.
constexpr int kLongestWaitToBeDrawn = 1000;

} // namespace

frmSplash::frmSplash(std::chrono::milliseconds showFor, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      ui(std::make_unique<Ui::frmSplash>()), timer_(new QTimer(this))
{
    ui->setupUi(this);
    // The splash is the first window: its picture is drawn ahead, so that the SVG engine is
    // loaded after it is up (splash.png and splash@2x.png are picture2.svg at its size).
    ui->imgLogo->setPixmap(
        QIcon(QStringLiteral(":/icons/splash.png")).pixmap(ui->imgLogo->maximumSize()));
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

void frmSplash::showCentred()
{
    shown_ = true;
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    setFocus();
    timer_->start();
}

void frmSplash::showFirst()
{
    showCentred();
    watchForQuestions(true);
    // Drawn before the program goes on to make its other windows: never an empty frame.
    // Only the window system's events meanwhile; keys, clicks and other programs' calls wait
    // for the program's own event loop.
    if (drawn_)
        return;
    QEventLoop waiting;
    waiting_ = &waiting;
    QTimer givingUp;
    givingUp.setSingleShot(true);
    connect(&givingUp, &QTimer::timeout, &waiting, &QEventLoop::quit);
    givingUp.start(kLongestWaitToBeDrawn);
    waiting.exec(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
    waiting_ = nullptr;
}

void frmSplash::handOverTo(QWidget *next)
{
    watchForQuestions(false);
    next_ = next;
    if (!shown_)
        showCentred();
    else if (ended_)
        finish();
}

void frmSplash::watchForQuestions(bool watch)
{
    if (watch != watching_)
        watch ? qApp->installEventFilter(this) : qApp->removeEventFilter(this);
    watching_ = watch;
}

bool frmSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched != this && watched->isWidgetType()) {
        const auto *window = static_cast<QWidget *>(watched);
        if (window->isWindow() && window->isModal()) {
            watchForQuestions(false);
            ended_ = true;
            hide();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmSplash::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    drawn_ = true;
    if (waiting_)
        waiting_->quit();
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
    ended_ = true;
    if (finished_ || !next_)
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
