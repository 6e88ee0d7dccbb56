#include "forms/qt/ControlBinding.h"

#include "forms/qt/LabelText.h"
#include "platform/qt/Text.h"
#include "text/Encoding.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QStringList>
#include <QStyle>
#include <QTextCursor>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace tb {
namespace {

// The text of `widget` in a colour that catches the eye, or back in the palette's own. The
// colour keeps the contrast readable text needs (4.5:1 and more) on the light and on the
// dark window colours alike. A style sheet of the widget's own can choose the colour for
// the property "emphasis".
void emphasise(QWidget *widget, bool on)
{
    widget->setProperty("emphasis", on);
    if (!on) {
        widget->setPalette(QPalette()); // every colour inherited again
    } else {
        QPalette palette = widget->palette();
        const bool dark = palette.color(QPalette::Window).lightness() < 128;
        palette.setColor(QPalette::WindowText,
                         dark ? QColor(0xff, 0xb3, 0x7a) : QColor(0xa3, 0x3a, 0x00));
        widget->setPalette(palette);
    }
    if (!widget->styleSheet().isEmpty()) {
        widget->style()->unpolish(widget);
        widget->style()->polish(widget);
    }
}

// Texts keep CR LF line breaks in the files (older ones CR alone).
QString shownText(const std::string &bytes)
{
    QString text = fromFileBytes(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    return text;
}

std::string typedText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\n'), QStringLiteral("\r\n"));
    return toFileBytes(text);
}

QStringList shownItems(const std::vector<std::string> &items)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const auto &item : items)
        list.append(fromFileBytes(item));
    return list;
}

const char *const kNameProperty = "tallybellControl";

// The logic counts the caret in bytes of the text it holds, a text box in characters of the
// decoded text: UTF-8, or one byte a character for Windows-1252.
int byteOffset(const std::string &bytes, const QString &shown, int index)
{
    if (!isUtf8(bytes))
        return index;
    return static_cast<int>(typedText(shown.left(index)).size());
}

int characterIndex(const std::string &bytes, int offset)
{
    const auto end
        = std::clamp<std::size_t>(static_cast<std::size_t>(std::max(offset, 0)), 0, bytes.size());
    if (!isUtf8(bytes))
        return static_cast<int>(end);
    return static_cast<int>(shownText(bytes.substr(0, end)).size());
}

// The caret and selection of a text box, in characters: start and length.
std::pair<int, int> selectionOf(const QWidget *box)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(box)) {
        if (edit->hasSelectedText())
            return {edit->selectionStart(), edit->selectionLength()};
        return {edit->cursorPosition(), 0};
    }
    const QTextCursor cursor = static_cast<const QPlainTextEdit *>(box)->textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
}

QString textOf(const QWidget *box)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(box))
        return edit->text();
    return static_cast<const QPlainTextEdit *>(box)->toPlainText();
}

void select(QWidget *box, int start, int length)
{
    if (auto *edit = qobject_cast<QLineEdit *>(box)) {
        if (length > 0)
            edit->setSelection(start, length);
        else
            edit->setCursorPosition(start);
        return;
    }
    auto *plain = static_cast<QPlainTextEdit *>(box);
    QTextCursor cursor = plain->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    plain->setTextCursor(cursor);
}

// The first time, an empty text or list leaves what the window was designed with.
template<typename T>
bool changedSince(const ControlState *before, T ControlState::*field, const T &now)
{
    return before ? before->*field != now : now != T {};
}

} // namespace

ControlBinding::ControlBinding(QWidget *window, FormSource form, Raise raise)
    : QObject(window), window_(window), windowName_(window->objectName().toStdString()),
      form_(std::move(form)), raise_(std::move(raise))
{
    connectEvents();
    apply();
}

ControlBinding::ControlBinding(QWidget *window, FormHost &host, FormId id)
    : ControlBinding(
        window, [&host, id] { return host.form(id); },
        [&host, id](const std::string &control, ControlEvent event, EventArgs &args) {
            host.dispatch(id, control, event, args);
        })
{
}

Key ControlBinding::keyName(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Space:
        return Key::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Delete:
        return Key::Delete;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_F1:
        return Key::F1;
    default:
        return Key::Other;
    }
}

bool ControlBinding::raiseWindowEvent(ControlEvent event, EventArgs &args)
{
    Form *form = form_();
    if (!form || !form->handles(windowName_, event))
        return false;
    storeCarets(*form);
    if (raise_)
        raise_(windowName_, event, args);
    return true;
}

bool ControlBinding::raiseKeyDown(const QKeyEvent &key, QWidget *receiver)
{
    // The same event at a parent of where it was sent is the same key on its way up. (A new
    // event may be made at the address of one gone; it starts where it is sent, not above.)
    if (&key == travelling_ && travelFrom_ && receiver != travelFrom_
        && receiver->isAncestorOf(travelFrom_))
        return false;
    travelling_ = &key;
    travelFrom_ = receiver;
    // Its travel ends before the event loop turns again.
    QTimer::singleShot(0, this, [this] { travelling_ = nullptr; });
    EventArgs args;
    args.key = keyName(key.key());
    args.control = key.modifiers().testFlag(Qt::ControlModifier);
    if (receiver != window_)
        args.focused = receiver->objectName().toStdString();
    return raiseWindowEvent(ControlEvent::KeyDown, args) && args.cancel;
}

void ControlBinding::storeCarets(Form &form)
{
    for (const QPointer<QWidget> &box : textBoxes_) {
        if (!box)
            continue;
        const std::string name = box->objectName().toStdString();
        if (!form.controls().contains(name))
            continue;
        ControlState &state = form.controls()[name];
        const QString shown = textOf(box);
        const auto [start, length] = selectionOf(box);
        state.selStart = byteOffset(state.text, shown, start);
        state.selLength = byteOffset(state.text, shown, start + length) - state.selStart;
        // What the box shows is what the logic holds: nothing to place back.
        if (const auto it = shown_.find(name); it != shown_.end()) {
            it->second.selStart = state.selStart;
            it->second.selLength = state.selLength;
        }
    }
}

void ControlBinding::connectEvents()
{
    const Form *form = form_();
    if (!form)
        return;
    connectObject(window_, windowName_, *form);
    const auto children = window_->findChildren<QObject *>();
    for (QObject *child : children) {
        const std::string name = child->objectName().toStdString();
        if (name.empty())
            continue;
        connectObject(child, name, *form);
        if (qobject_cast<QLineEdit *>(child) || qobject_cast<QPlainTextEdit *>(child))
            textBoxes_.emplace_back(static_cast<QWidget *>(child));
    }
}

void ControlBinding::connectObject(QObject *object, const std::string &name, const Form &form)
{
    const auto handles = [&](ControlEvent event) { return form.handles(name, event); };
    object->setProperty(kNameProperty, QString::fromStdString(name));

    if (auto *timer = qobject_cast<QTimer *>(object); timer && handles(ControlEvent::Timer)) {
        connect(timer, &QTimer::timeout, this,
                [this, name] { userChanged(name, ControlEvent::Timer, nullptr); });
        return;
    }
    if (auto *action = qobject_cast<QAction *>(object); action && handles(ControlEvent::Click)) {
        connect(action, &QAction::triggered, this, [this, name, action](bool checked) {
            userChanged(name, ControlEvent::Click, [&](ControlState &state) {
                if (action->isCheckable())
                    state.checked = checked;
            });
        });
        return;
    }
    if (auto *button = qobject_cast<QAbstractButton *>(object)) {
        if (handles(ControlEvent::Click)) {
            connect(button, &QAbstractButton::clicked, this, [this, name, button](bool checked) {
                userChanged(name, ControlEvent::Click, [&](ControlState &state) {
                    if (button->isCheckable())
                        state.checked = checked;
                });
            });
        }
    } else if (auto *edit = qobject_cast<QLineEdit *>(object)) {
        if (handles(ControlEvent::Change)) {
            connect(edit, &QLineEdit::textEdited, this, [this, name](const QString &text) {
                userChanged(name, ControlEvent::Change,
                            [&](ControlState &state) { state.text = typedText(text); });
            });
        }
    } else if (auto *box = qobject_cast<QPlainTextEdit *>(object)) {
        if (handles(ControlEvent::Change)) {
            connect(box, &QPlainTextEdit::textChanged, this, [this, name, box] {
                userChanged(name, ControlEvent::Change, [&](ControlState &state) {
                    state.text = typedText(box->toPlainText());
                });
            });
        }
    } else if (auto *list = qobject_cast<QListWidget *>(object)) {
        if (handles(ControlEvent::Click)) {
            connect(list, &QListWidget::currentRowChanged, this, [this, name](int row) {
                userChanged(name, ControlEvent::Click,
                            [&](ControlState &state) { state.listIndex = row; });
            });
        }
        if (handles(ControlEvent::DblClick)) {
            connect(list, &QListWidget::itemDoubleClicked, this, [this, name, list] {
                userChanged(name, ControlEvent::DblClick,
                            [&](ControlState &state) { state.listIndex = list->currentRow(); });
            });
        }
    } else if (auto *combo = qobject_cast<QComboBox *>(object)) {
        if (handles(ControlEvent::Click)) {
            connect(combo, &QComboBox::currentIndexChanged, this, [this, name](int index) {
                userChanged(name, ControlEvent::Click,
                            [&](ControlState &state) { state.listIndex = index; });
            });
        }
    } else if (auto *spin = qobject_cast<QSpinBox *>(object)) {
        if (handles(ControlEvent::Change)) {
            connect(spin, &QSpinBox::valueChanged, this, [this, name](int value) {
                userChanged(name, ControlEvent::Change,
                            [&](ControlState &state) { state.value = value; });
            });
        }
    } else if (qobject_cast<QWidget *>(object) && handles(ControlEvent::Click)) {
        watch(object); // a label that acts as a link
    }

    if (qobject_cast<QWidget *>(object)
        && (handles(ControlEvent::LostFocus) || handles(ControlEvent::RightClick)
            || handles(ControlEvent::DblClick)))
        watch(object);
}

void ControlBinding::watch(QObject *object)
{
    object->removeEventFilter(this);
    object->installEventFilter(this);
}

bool ControlBinding::eventFilter(QObject *watched, QEvent *event)
{
    const QString control = watched->property(kNameProperty).toString();
    if (control.isEmpty())
        return false;
    const std::string name = control.toStdString();
    const Form *form = form_();
    if (!form)
        return false;

    switch (event->type()) {
    case QEvent::FocusOut: {
        // Moving to another window or a pop-up is no moving on.
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
            && form->handles(name, ControlEvent::LostFocus))
            userChanged(name, ControlEvent::LostFocus, nullptr);
        return false;
    }
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton
            && form->handles(name, ControlEvent::RightClick)) {
            userChanged(name, ControlEvent::RightClick, nullptr);
            return true;
        }
        return false;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
            && !qobject_cast<QAbstractButton *>(watched) && !qobject_cast<QListWidget *>(watched)
            && form->handles(name, ControlEvent::Click)) {
            userChanged(name, ControlEvent::Click, nullptr);
            return true;
        }
        return false;
    case QEvent::MouseButtonDblClick:
        if (!qobject_cast<QListWidget *>(watched) && form->handles(name, ControlEvent::DblClick)) {
            userChanged(name, ControlEvent::DblClick, nullptr);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void ControlBinding::userChanged(const std::string &name, ControlEvent event,
                                 const std::function<void(ControlState &)> &store)
{
    if (applying_)
        return;
    Form *form = form_();
    if (!form)
        return;
    if (store) {
        // What the widget shows now is what the logic holds: nothing to apply back.
        ControlState &state = form->controls()[name];
        store(state);
        shown_[name] = state;
    }
    storeCarets(*form);
    EventArgs args;
    if (raise_)
        raise_(name, event, args);
}

QObject *ControlBinding::target(const std::string &name)
{
    auto it = targets_.find(name);
    if (it == targets_.end()) {
        QObject *object = window_->objectName().toStdString() == name
            ? window_
            : window_->findChild<QObject *>(QString::fromStdString(name));
        it = targets_.emplace(name, object).first;
    }
    return it->second.data();
}

void ControlBinding::apply()
{
    const Form *form = form_();
    if (!form)
        return;
    applying_ = true;
    bool changed = false;
    for (const auto &[name, state] : form->controls()) {
        auto it = shown_.find(name);
        if (it != shown_.end() && it->second == state)
            continue;
        changed = true;
        if (QObject *object = target(name))
            applyOne(object, state, it != shown_.end() ? &it->second : nullptr);
        else
            unknown_.insert(name);
        if (it != shown_.end())
            it->second = state;
        else
            shown_.emplace(name, state);
    }
    applying_ = false;
    if (changed)
        Q_EMIT applied();
}

void ControlBinding::applyOne(QObject *object, const ControlState &state,
                              const ControlState *before)
{
    auto *widget = qobject_cast<QWidget *>(object);
    auto *menu = qobject_cast<QMenu *>(object);
    auto *action = menu ? menu->menuAction() : qobject_cast<QAction *>(object);
    if (changedSince(before, &ControlState::caption, state.caption)) {
        if (object == window_)
            window_->setWindowTitle(fromFileBytes(state.caption));
        else if (auto *label = qobject_cast<QLabel *>(object))
            setLabelText(label, shownText(state.caption));
        else if (auto *button = qobject_cast<QAbstractButton *>(object))
            button->setText(fromFileBytes(state.caption));
        else if (auto *group = qobject_cast<QGroupBox *>(object))
            group->setTitle(fromFileBytes(state.caption));
        else if (menu)
            menu->setTitle(fromFileBytes(state.caption));
        else if (action)
            action->setText(fromFileBytes(state.caption));
    }

    if (changedSince(before, &ControlState::toolTip, state.toolTip)) {
        if (widget)
            widget->setToolTip(fromFileBytes(state.toolTip));
        else if (action)
            action->setToolTip(fromFileBytes(state.toolTip));
    }

    const bool textChanged = changedSince(before, &ControlState::text, state.text);
    if (textChanged) {
        if (auto *edit = qobject_cast<QLineEdit *>(object))
            edit->setText(shownText(state.text));
        else if (auto *box = qobject_cast<QPlainTextEdit *>(object))
            box->setPlainText(shownText(state.text));
    }
    if ((qobject_cast<QLineEdit *>(object) || qobject_cast<QPlainTextEdit *>(object)) && before
        && (textChanged || before->selStart != state.selStart
            || before->selLength != state.selLength)) {
        const int start = characterIndex(state.text, state.selStart);
        select(widget, start, characterIndex(state.text, state.selStart + state.selLength) - start);
    }
    if (widget && before && before->focusRequests != state.focusRequests)
        widget->setFocus();

    if (changedSince(before, &ControlState::items, state.items)) {
        if (auto *list = qobject_cast<QListWidget *>(object)) {
            list->clear();
            list->addItems(shownItems(state.items));
        } else if (auto *combo = qobject_cast<QComboBox *>(object)) {
            combo->clear();
            combo->addItems(shownItems(state.items));
        }
    }

    if (!before || before->listIndex != state.listIndex || before->items != state.items) {
        if (auto *list = qobject_cast<QListWidget *>(object))
            list->setCurrentRow(state.listIndex);
        else if (auto *combo = qobject_cast<QComboBox *>(object))
            combo->setCurrentIndex(state.listIndex);
    }

    if (!before || before->enabled != state.enabled) {
        if (auto *timer = qobject_cast<QTimer *>(object)) {
            if (state.enabled && !timer->isActive())
                timer->start();
            else if (!state.enabled)
                timer->stop();
        } else if (menu || !widget) {
            if (action)
                action->setEnabled(state.enabled);
        } else {
            widget->setEnabled(state.enabled);
        }
    }

    if ((!before || before->visible != state.visible) && object != window_) {
        if (menu || (!widget && action))
            action->setVisible(state.visible);
        else if (widget)
            widget->setVisible(state.visible);
    }

    if (action && !menu && action->isCheckable() && action->isChecked() != state.checked)
        action->setChecked(state.checked);
    if (auto *button = qobject_cast<QAbstractButton *>(object);
        button && button->isCheckable() && button->isChecked() != state.checked)
        button->setChecked(state.checked);

    if (widget && (before ? before->emphasis != state.emphasis : state.emphasis))
        emphasise(widget, state.emphasis);

    if (!before || before->value != state.value) {
        if (auto *bar = qobject_cast<QProgressBar *>(object))
            bar->setValue(std::clamp(state.value, bar->minimum(), bar->maximum()));
        else if (auto *spin = qobject_cast<QSpinBox *>(object))
            spin->setValue(state.value);
        else if (auto *slider = qobject_cast<QAbstractSlider *>(object))
            slider->setValue(state.value);
    }
}

} // namespace tb
