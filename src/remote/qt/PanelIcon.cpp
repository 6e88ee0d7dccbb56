#include "remote/qt/PanelIcon.h"

#include "platform/qt/LocalSingleInstance.h"
#include "platform/qt/Text.h"
#include "remote/RemoteControl.h"
#include "session/MainForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QMenu>
#include <QPainter>
#include <QPalette>
#include <QSystemTrayIcon>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace tb {
namespace {

// The sizes panels ask for; each is drawn for itself, so that the ring stays crisp.
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64};
// The minutes are written over the bell from this size on.
constexpr int kSmallestWithMinutes = 22;

QPixmap bell(int size)
{
    return QIcon(QStringLiteral(":/icons/tallybell.svg")).pixmap(size, size);
}

} // namespace

PanelIcon::PanelIcon(RemoteControl &remote, const MainForm &main, QWidget *window, QObject *parent)
    : QObject(parent), remote_(remote), main_(main), window_(window),
      tray_(new QSystemTrayIcon(this)), menu_(new QMenu(window))
{
    startStop_ = menu_->addAction(QString());
    pause_ = menu_->addAction(QString());
    next_ = menu_->addAction(tr("&Next task"));
    menu_->addSeparator();
    showHide_ = menu_->addAction(QString());
    quit_ = menu_->addAction(QString());
    if (auto *quit = window_->findChild<QAbstractButton *>(QStringLiteral("cmdexit")))
        quit_->setText(quit->text());
    connect(startStop_, &QAction::triggered, this,
            [this] { remote_.run(RemoteCommand::StartStop); });
    connect(pause_, &QAction::triggered, this, [this] { remote_.run(RemoteCommand::TogglePause); });
    connect(next_, &QAction::triggered, this, [this] { remote_.run(RemoteCommand::Next); });
    connect(showHide_, &QAction::triggered, this, &PanelIcon::toggleWindow);
    // The window's own Quit button, with its own refusal during a session.
    connect(quit_, &QAction::triggered, this, [this] {
        if (auto *quit = window_->findChild<QAbstractButton *>(QStringLiteral("cmdexit")))
            quit->click();
    });
    connect(tray_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger)
                    toggleWindow();
            });
    tray_->setContextMenu(menu_);
    // The window is shown and hidden by the splash, the panel and the window manager too.
    window_->installEventFilter(this);
    update();
    tray_->show();
}

PanelIcon::~PanelIcon()
{
    delete menu_;
}

bool PanelIcon::available()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool PanelIcon::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        nameShowHide();
    return false;
}

void PanelIcon::nameShowHide()
{
    showHide_->setText(window_->isVisible() ? tr("&Hide window") : tr("&Show window"));
}

void PanelIcon::toggleWindow()
{
    // In front: it has the keyboard focus. Qt may not count a window shown again as active
    // until the window manager says so, and without one it never does; its focus tells.
    const bool inFront = window_->isActiveWindow()
        || (window_->windowHandle() && QGuiApplication::focusWindow() == window_->windowHandle());
    if (window_->isVisible() && !window_->isMinimized() && inFront)
        window_->hide();
    else
        restoreAndRaise(window_);
    update();
}

void PanelIcon::update()
{
    // The window's own captions, so each entry reads as its button does.
    const Controls &controls = main_.controls();
    const auto follow = [&controls](QAction *entry, const char *button) {
        const ControlState &state = controls.at(button);
        if (!state.caption.empty())
            entry->setText(fromFileBytes(state.caption));
        entry->setEnabled(state.enabled && state.visible);
    };
    follow(startStop_, "cmdstartstop");
    follow(pause_, "cmdpause");
    follow(next_, "Imagemoveon");
    quit_->setEnabled(controls.at("cmdexit").enabled);
    nameShowHide();

    const MainForm::Countdown now = main_.countdown();
    const PanelLook look = PanelLook::of(now);
    if (drawn_ && look == shown_)
        return;
    shown_ = look;
    drawn_ = true;
    QIcon icon;
    for (const int size : kSizes)
        icon.addPixmap(draw(look, size, QApplication::palette()));
    tray_->setIcon(icon);
    tray_->setToolTip(fromFileBytes(PanelLook::toolTip(now)));
}

QPixmap PanelIcon::draw(const PanelLook &look, int size, const QPalette &palette)
{
    if (look.state == PanelLook::State::Stopped)
        return bell(size);
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    // The ring: the task left in the palette's highlight, from twelve o'clock clockwise, over
    // a faint track of the whole.
    const qreal thickness = std::max<qreal>(2.0, size / 7.0);
    const QRectF ring = QRectF(0, 0, size, size)
                            .adjusted(thickness / 2, thickness / 2, -thickness / 2, -thickness / 2);
    const bool paused = look.state == PanelLook::State::Paused;
    QColor track = palette.color(QPalette::Mid);
    track.setAlpha(110);
    painter.setPen(QPen(track, thickness));
    painter.drawEllipse(ring);
    const QColor share = palette.color(paused ? QPalette::Disabled : QPalette::Active,
                                       paused ? QPalette::WindowText : QPalette::Highlight);
    painter.setPen(QPen(share, thickness, Qt::SolidLine, Qt::FlatCap));
    painter.drawArc(ring, 90 * 16, -look.shareLeft * 360 * 16 / PanelLook::kShares);

    // Inside it the bell, faint under a number or a pause mark.
    const int inner = std::max(1, static_cast<int>(size - 2 * thickness - 2));
    const QRect middle((size - inner) / 2, (size - inner) / 2, inner, inner);
    const bool minutes = !paused && size >= kSmallestWithMinutes && look.minutesLeft < 100;
    painter.setOpacity(paused || minutes ? 0.35 : 1.0);
    painter.drawPixmap(middle, bell(inner));
    painter.setOpacity(1.0);
    const QColor ink = palette.color(QPalette::WindowText);
    if (paused) {
        const qreal bar = std::max<qreal>(1.5, inner / 7.0);
        const qreal height = inner * 0.55;
        const QPointF centre = QRectF(middle).center();
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawRect(QRectF(centre.x() - 1.5 * bar, centre.y() - height / 2, bar, height));
        painter.drawRect(QRectF(centre.x() + 0.5 * bar, centre.y() - height / 2, bar, height));
    } else if (minutes) {
        QFont font = QApplication::font();
        font.setBold(true);
        font.setPixelSize(std::max(8, inner * (look.minutesLeft < 10 ? 3 : 2) / 4));
        painter.setFont(font);
        painter.setPen(ink);
        painter.drawText(middle, Qt::AlignCenter, QString::number(look.minutesLeft));
    }
    return pixmap;
}

} // namespace tb
