#include "about/frmSplash.h"

#include "about/SplashForm.h"
#include "forms/qt/ControlBinding.h"
#include "ui_frmSplash.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QResource>
#include <QScreen>
#include <QTimer>

#include <png.h>

namespace tb {
namespace {

// A window system that shows nothing within this time is not waited for longer.
constexpr int kLongestWaitToBeDrawn = 1000;

// A PNG picture of the program's own resources, read with libpng, which Qt reads PNG with
// too, but without the search of the image format plugins that comes first in Qt: the first
// window is up sooner. A null image where it cannot be read.
QImage readResourcePng(const QString &name)
{
    const QByteArray data = QResource(name).uncompressedData();
    png_image png {};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, data.constData(), size_t(data.size())))
        return {};
    // 0xAARRGGBB words, in the order of their bytes in memory.
    png.format = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage image;
    if (png.width <= 4096 && png.height <= 4096)
        image = QImage(int(png.width), int(png.height), QImage::Format_ARGB32);
    if (image.isNull()
        || !png_image_finish_read(&png, nullptr, image.bits(), png_int_32(image.bytesPerLine()),
                                  nullptr)) {
        png_image_free(&png);
        return {};
    }
    return image;
}

// The splash's picture at the screen's scale: the picture drawn at twice its size on a
// screen that has more than one pixel to a point.
QPixmap splashPicture(QSize size)
{
    const qreal scale = qApp->devicePixelRatio();
    QImage image = readResourcePng(scale > 1 ? QStringLiteral(":/icons/splash@2x.png")
                                             : QStringLiteral(":/icons/splash.png"));
    if (image.isNull())
        return {};
    if (image.size() != size * scale)
        image = image.scaled(size * scale, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(scale);
    return QPixmap::fromImage(std::move(image));
}

} // namespace

frmSplash::frmSplash(std::chrono::milliseconds showFor, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      ui(std::make_unique<Ui::frmSplash>()), timer_(new QTimer(this))
{
    ui->setupUi(this);
    // The splash is the first window: its picture is drawn ahead, so that the SVG engine is
    // loaded after it is up (splash.png and splash@2x.png are picture2.svg at its size).
    ui->imgLogo->setPixmap(splashPicture(ui->imgLogo->maximumSize()));
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
