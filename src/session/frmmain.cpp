#include "session/frmmain.h"

#include "forms/qt/ControlBinding.h"
#include "forms/qt/LabelText.h"
#include "platform/qt/LocalSingleInstance.h"
#include "session/MainForm.h"
#include "ui_frmmain.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <cmath>
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

// The widest text the timer shows; its size is fixed to it so that a tick never lays out
// the window.
constexpr auto kWidestTime = QLatin1StringView("000:00");
constexpr int kTimerSlack = 8;

void setTimerFont(QLabel *timer, const QFont &font)
{
    timer->setFont(font);
    const QSize size = QFontMetrics(font).size(0, kWidestTime);
    timer->setFixedSize(size.width() + kTimerSlack, size.height());
}

struct Colours {
    const char *title;
    const char *timer;
    const char *timerEnding; // the last stretch, after the warning
    const char *text;
    const char *upcoming; // the text Start will begin with, not yet begun
    const char *textBack;
    const char *textBorder;
    const char *bar;
    const char *barBack;
    const char *barBorder;
};

// Both sets keep the timer, the task text and the bar at 4.5:1 or more against what lies
// behind them.
constexpr Colours kLight {"#7a4a08", "#1f3f74", "#a33a00", "#202020", "#66615a",
                          "#fffdf5", "#d8cfb8", "#2a6cb8", "#ffffff", "#9aa4b0"};
constexpr Colours kDark {"#e8b458", "#8ab4f8", "#ffb37a", "#ece6d6", "#aaa292",
                         "#2a2620", "#5c5240", "#5aa9f0", "#1e1e1e", "#5c6670"};

// A word longer than this many characters gets a line break opportunity (an invisible
// zero-width space) after every so many of its characters, so that it wraps instead of
// widening the window.
constexpr int kLongestUnbrokenWord = 24;

QString breakLongWords(const QString &text)
{
    QString broken;
    broken.reserve(text.size() + text.size() / kLongestUnbrokenWord);
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestUnbrokenWord) {
            broken.append(QChar(0x200B));
            run = 1;
        }
        broken.append(c);
    }
    return broken;
}

// The task text never shrinks below this many points to fit its box.
constexpr double kSmallestTextPoints = 8.0;

void retainSpaceWhenHidden(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

frmmain::frmmain(FormHost &host, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmmain>()), host_(host),
      timemaintime_(new QTimer(this)), timeMenuGroup_(new QActionGroup(this))
{
    ui->setupUi(this);
    ui->Picture2->setPixmap(
        QIcon(QStringLiteral(":/icons/picture2.svg")).pixmap(ui->Picture2->maximumSize()));
    ui->Imagemoveon->setIcon(QIcon(QStringLiteral(":/icons/moveon.svg")));
    ui->txtmessage->setTextFormat(Qt::PlainText);
    // An entry's tool tip says what a switch does before it is tried.
    for (QMenu *menu : menuBar()->findChildren<QMenu *>())
        menu->setToolTipsVisible(true);
    // The text fits itself into the room it is given (fitTaskText): however long it is, it
    // never asks the window for more.
    QSizePolicy textPolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    textPolicy.setVerticalStretch(ui->txtmessage->sizePolicy().verticalStretch());
    ui->txtmessage->setSizePolicy(textPolicy);

    // The countdown repaints every second: keep that repaint small. A timer label of fixed
    // size never makes the window lay itself out again (its size changes only with the
    // window's), and a flat bar chunk is drawn without the style's gradient work.
    designSize_ = size();
    timerFont_ = ui->lblTimer->font();
    textFont_ = ui->txtmessage->font();
    setTimerFont(ui->lblTimer, timerFont_);
    alignInLayout(centralWidget()->layout(), ui->lblTimer, Qt::AlignCenter);
    // A tick changes a digit or two of the timer: only those are drawn and sent.
    repaintChangedCharactersOnly(ui->lblTimer);
    applyColours();

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
    binding_ = new ControlBinding(this, host_, FormId::Main);
    connect(binding_, &ControlBinding::applied, this, &frmmain::fitNewTaskText);
    fitNewTaskText();
    qApp->installEventFilter(this);
}

frmmain::~frmmain() = default;

void frmmain::applyControls()
{
    binding_->apply();
}

void frmmain::fitNewTaskText()
{
    // Only a new task text is measured, not every tick.
    if (ui->txtmessage->text() != fittedText_) {
        ui->txtmessage->setText(breakLongWords(ui->txtmessage->text()));
        fitTaskText();
    }
}

void frmmain::applyColours()
{
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    if (static_cast<int>(dark) == darkColours_)
        return;
    darkColours_ = dark ? 1 : 0;
    const Colours &c = dark ? kDark : kLight;
    const auto q = [](const char *colour) { return QLatin1String(colour); };
    ui->LabelAppTitle->setStyleSheet(QStringLiteral("color: %1;").arg(q(c.title)));
    ui->lblTimer->setStyleSheet(
        QStringLiteral("#lblTimer { color: %1; } #lblTimer[emphasis=\"true\"] { color: %2; }")
            .arg(q(c.timer), q(c.timerEnding)));
    ui->txtmessage->setStyleSheet(
        QStringLiteral("#txtmessage { background: %1; color: %2; border: 1px solid %3;"
                       " border-radius: 6px; padding: 10px; }"
                       "#txtmessage:disabled { color: %4; }")
            .arg(q(c.textBack), q(c.text), q(c.textBorder), q(c.upcoming)));
    ui->practiceprogress->setStyleSheet(
        QStringLiteral("QProgressBar { border: 1px solid %1; border-radius: 2px;"
                       " background: %2; }"
                       "QProgressBar::chunk { background: %3; }")
            .arg(q(c.barBorder), q(c.barBack), q(c.bar)));
}

double frmmain::growth() const
{
    if (designSize_.isEmpty())
        return 1.0;
    return std::min(static_cast<double>(width()) / designSize_.width(),
                    static_cast<double>(height()) / designSize_.height());
}

void frmmain::fitToSize()
{
    QFont timer = timerFont_;
    const double grown = growth();
    if (grown > 1.0) {
        // The timer grows faster than the window, to about a third of a full screen's
        // height, and never wider than most of the window.
        const QSize base = QFontMetrics(timerFont_).size(0, kWidestTime);
        const double scale = std::min({1.0 + 3.0 * (grown - 1.0), 0.3 * height() / base.height(),
                                       0.6 * width() / base.width()});
        if (scale > 1.0)
            timer.setPointSizeF(timerFont_.pointSizeF() * scale);
    }
    if (timer != ui->lblTimer->font()) {
        // A grown timer must not keep the window from getting small again: hold the
        // window's smallest size at what it is with the designed timer.
        const bool grownTimer = timer != timerFont_;
        if (grownTimer && !minimumHeld_) {
            setMinimumSize(minimumSizeHint());
            layout()->setSizeConstraint(QLayout::SetNoConstraint);
            minimumHeld_ = true;
        }
        setTimerFont(ui->lblTimer, timer);
        if (!grownTimer && minimumHeld_) {
            layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
            setMinimumSize(0, 0);
            minimumHeld_ = false;
        }
        centralWidget()->layout()->activate();
    }
    fitTaskText();
}

void frmmain::fitTaskText()
{
    QLabel *text = ui->txtmessage;
    fittedText_ = text->text();
    QFont font = textFont_;
    // As large as the window has grown, smaller when a long text would not fit: the
    // designed size in the designed window, below it only for a text too long for it.
    const double designed = textFont_.pointSizeF();
    const double largest = designed * std::max(1.0, growth());
    // Measured as the label lays the text out; its size does not follow its font.
    const auto fitsAt = [&](double points) {
        font.setPointSizeF(points);
        text->setFont(font);
        return text->heightForWidth(text->width()) <= text->height();
    };
    // Each step 8 % smaller than the one before, until the text fits; the designed size is
    // always one of the steps. Below the smallest size a text is cut at the bottom.
    double points = largest;
    while (!fitsAt(points)) {
        const double next = points * 0.92;
        if (points > designed && next < designed) {
            points = designed;
            continue;
        }
        if (next < kSmallestTextPoints) {
            font.setPointSizeF(std::max(next, kSmallestTextPoints));
            break;
        }
        points = next;
    }
    if (textFont_.pointSizeF() == font.pointSizeF())
        font = textFont_;
    if (font != text->font())
        text->setFont(font);
}

bool frmmain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        return keyPressed(watched, static_cast<QKeyEvent *>(event));
    return false;
}

bool frmmain::keyPressed(QObject *watched, QKeyEvent *event)
{
    // Every widget's keys pass here; those of this window go to the logic.
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this || !isVisible())
        return false;
    if (event->isAutoRepeat() || isModifierOnly(event->key()))
        return false;
    return binding_->raiseKeyDown(*event, widget);
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
    EventArgs args;
    binding_->raiseWindowEvent(ControlEvent::Unload, args);
}

void frmmain::quitProgram()
{
    unload();
    close();
    QCoreApplication::quit();
}

void frmmain::closeEvent(QCloseEvent *event)
{
    if (!unloaded_ && hideOnClose_ && hideOnClose_()) {
        event->ignore();
        hide();
        return;
    }
    unload();
    event->accept();
    // The main window is the program: windows it opened do not keep it running.
    QCoreApplication::quit();
}

void frmmain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // A text fitted while the window was hidden was measured in a box not yet laid out.
    fitTaskText();
}

void frmmain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitToSize();
    if (!unloaded_ && binding_) {
        EventArgs args;
        binding_->raiseWindowEvent(ControlEvent::Resize, args);
    }
}

void frmmain::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyColours();
    if (event->type() == QEvent::WindowStateChange && !unloaded_ && binding_) {
        EventArgs args;
        binding_->raiseWindowEvent(ControlEvent::Resize, args);
    }
}

} // namespace tb
