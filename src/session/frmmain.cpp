#include "session/frmmain.h"

#include "platform/qt/LocalSingleInstance.h"
#include "platform/qt/Text.h"
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

// Their windows come with later work: until then these entries stay greyed out, whatever
// the logic reports.
constexpr std::array<std::string_view, 4> kNotYetAvailable {"fileopen", "fileedit", "editfilesong",
                                                            "optionsalm"};

bool notYetAvailable(std::string_view name)
{
    return std::find(kNotYetAvailable.begin(), kNotYetAvailable.end(), name)
        != kNotYetAvailable.end();
}

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

// Task texts break lines with CR LF (older files with CR alone).
QString shownText(const std::string &bytes)
{
    QString text = fromFileBytes(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    return text;
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

frmmain::frmmain(MainForm &logic, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmmain>()), logic_(logic),
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

    connectEvents();
    qApp->installEventFilter(this);
    applyControls();
}

frmmain::~frmmain() = default;

template<typename Handler> void frmmain::forward(Handler &&handler)
{
    handler();
    applyControls();
}

void frmmain::connectEvents()
{
    connect(ui->cmdstartstop, &QPushButton::clicked, this,
            [this] { forward([this] { logic_.cmdstartstop_Click(); }); });
    connect(ui->cmdpause, &QPushButton::clicked, this,
            [this] { forward([this] { logic_.cmdpause_Click(); }); });
    connect(ui->cmdexit, &QPushButton::clicked, this, &frmmain::quitProgram);
    connect(ui->startfromspinUp, &QToolButton::clicked, this,
            [this] { forward([this] { logic_.startfromspin_UpClick(); }); });
    connect(ui->startfromspinDown, &QToolButton::clicked, this,
            [this] { forward([this] { logic_.startfromspin_DownClick(); }); });
    connect(ui->Imagemoveon, &QToolButton::clicked, this,
            [this] { forward([this] { logic_.Imagemoveon_Click(); }); });
    connect(timemaintime_, &QTimer::timeout, this,
            [this] { forward([this] { logic_.timemaintime_Timer(); }); });

    for (int i = 0; i < MainForm::kTimeMenuEntries; ++i) {
        const std::string name = MainForm::timeMenuName(i);
        if (auto *entry = findChild<QAction *>(QString::fromStdString(name))) {
            connect(entry, &QAction::triggered, this, [this, i, entry, name] {
                forward([this, i] { logic_.Timemenu_Click(i); });
                // Qt checked the entry on its own: the logic has the last word.
                entry->setChecked(logic_.controls().at(name).checked);
            });
        }
    }
    connect(ui->optionScreenSave, &QAction::triggered, this, [this] {
        forward([this] { logic_.optionScreenSave_Click(); });
        ui->optionScreenSave->setChecked(logic_.controls().at("optionScreenSave").checked);
    });
    connect(ui->helpcontents, &QAction::triggered, this,
            [this] { forward([this] { logic_.helpcontents_Click(); }); });
    connect(ui->helpabouthelp, &QAction::triggered, this,
            [this] { forward([this] { logic_.helpabouthelp_Click(); }); });
    connect(ui->helpabout, &QAction::triggered, this, &frmmain::aboutRequested);
    connect(ui->filequit, &QAction::triggered, this, &frmmain::quitProgram);

    logic_.onRepaint = [this] {
        applyControls();
        repaint();
    };
}

QObject *frmmain::target(const std::string &name)
{
    auto it = targets_.find(name);
    if (it == targets_.end())
        it = targets_.emplace(name, findChild<QObject *>(QString::fromStdString(name))).first;
    return it->second;
}

void frmmain::applyControls()
{
    for (const auto &[name, state] : logic_.controls()) {
        auto it = shown_.find(name);
        if (it != shown_.end() && it->second == state)
            continue;
        if (QObject *object = target(name))
            apply(object, name, state, it != shown_.end() ? &it->second : nullptr);
        if (it != shown_.end())
            it->second = state;
        else
            shown_.emplace(name, state);
    }
}

void frmmain::apply(QObject *object, const std::string &name, const ControlState &state,
                    const ControlState *before)
{
    auto *widget = qobject_cast<QWidget *>(object);
    auto *menu = qobject_cast<QMenu *>(object);
    auto *action = menu ? menu->menuAction() : qobject_cast<QAction *>(object);

    // An empty caption from the logic clears only what the logic itself put there, never
    // the window's own texts.
    const bool captionChanged = before ? before->caption != state.caption : !state.caption.empty();
    if (captionChanged) {
        if (auto *label = qobject_cast<QLabel *>(object))
            label->setText(shownText(state.caption));
        else if (auto *button = qobject_cast<QAbstractButton *>(object))
            button->setText(fromFileBytes(state.caption));
        else if (auto *group = qobject_cast<QGroupBox *>(object))
            group->setTitle(fromFileBytes(state.caption));
        else if (menu)
            menu->setTitle(fromFileBytes(state.caption));
        else if (action)
            action->setText(fromFileBytes(state.caption));
    }

    if (!state.toolTip.empty() && (!before || before->toolTip != state.toolTip)) {
        if (widget)
            widget->setToolTip(fromFileBytes(state.toolTip));
        else if (action)
            action->setToolTip(fromFileBytes(state.toolTip));
    }

    const bool enabled = state.enabled && !notYetAvailable(name);
    if (!before || before->enabled != state.enabled) {
        if (auto *timer = qobject_cast<QTimer *>(object)) {
            if (enabled && !timer->isActive())
                timer->start();
            else if (!enabled)
                timer->stop();
        } else if (menu || !widget) {
            if (action)
                action->setEnabled(enabled);
        } else {
            widget->setEnabled(enabled);
        }
    }

    if (!before || before->visible != state.visible) {
        if (menu || (!widget && action))
            action->setVisible(state.visible);
        else if (widget)
            widget->setVisible(state.visible);
    }

    if (action && !menu && action->isCheckable() && action->isChecked() != state.checked)
        action->setChecked(state.checked);

    if (auto *bar = qobject_cast<QProgressBar *>(object);
        bar && (!before || before->value != state.value))
        bar->setValue(std::clamp(state.value, bar->minimum(), bar->maximum()));
}

bool frmmain::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPressed(watched, static_cast<QKeyEvent *>(event));
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton
            && (watched == ui->cmdstartstop || watched == ui->cmdpause || watched == ui->cmdexit
                || watched == ui->txtmessage)) {
            const std::string name = watched->objectName().toStdString();
            forward([this, &name] { logic_.ShowControlWhatsThis(name); });
            return true;
        }
        return false;
    default:
        return false;
    }
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

    bool swallow = false;
    forward([&] { swallow = logic_.Form_KeyDown(event->key()); });
    if (event->key() == Qt::Key_F1 && (first == ui->cmdstartstop || first == ui->cmdpause)) {
        const std::string name = first->objectName().toStdString();
        forward([this, &name] { logic_.ShowControlHelp(name); });
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
    logic_.Form_Unload();
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
    if (!unloaded_)
        forward([this] { logic_.Form_Resize(); });
}

void frmmain::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !unloaded_)
        forward([this] { logic_.Form_Resize(); });
}

} // namespace tb
