#pragma once

#include "forms/Form.h"
#include "forms/FormHost.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

class QKeyEvent;
class QWidget;

namespace tb {

// Binds a window's widgets, menu entries and timers to the logic of the window, by
// objectName, both ways:
// - `apply` shows the logic's description of every control, touching only what changed
//   since the last call (the countdown's tick stays cheap), and then says `applied`;
// - what the user types, ticks or selects is stored into the logic's description and
//   then raised as the event the logic handles (Click, DblClick, Change, LostFocus,
//   RightClick, Timer). Only controls whose logic handles an event are connected. Before
//   any event the caret and selection of the window's text boxes are stored too, and the
//   logic places them, and the focus, through the same description.
// The window's own objectName names the window: its caption is the window title, and the
// window's own events (keys, close, resize) are raised on that name.
class ControlBinding final : public QObject
{
    Q_OBJECT
public:
    using FormSource = std::function<Form *()>;
    using Raise
        = std::function<void(const std::string &control, ControlEvent event, EventArgs &args)>;

    // `form` gives the logic (null once it is unloaded); `raise` delivers an event to it.
    ControlBinding(QWidget *window, FormSource form, Raise raise);
    // The window `id` of `host`: events are dispatched through it.
    ControlBinding(QWidget *window, FormHost &host, FormId id);

    void apply();

    // Raises one of the window's own events on its name; `args` carries the answer. False
    // when the logic is gone or does not handle it.
    bool raiseWindowEvent(ControlEvent event, EventArgs &args);
    // A key press sent to `receiver` (the focused control, or the window) as the window's
    // KeyDown; true when the key goes no further. A key travels from the widget it was sent
    // to up through its parents, and a window that watches them all sees it each time: it is
    // raised at its first sight only, even when a message it opened has taken the focus away
    // meanwhile.
    bool raiseKeyDown(const QKeyEvent &key, QWidget *receiver);
    // The program's name of a key.
    static Key keyName(int qtKey);

    // The names the logic described that name nothing in the window: each one a fault.
    const std::set<std::string> &unknownNames() const { return unknown_; }

Q_SIGNALS:
    // An apply changed what the window shows.
    void applied();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectEvents();
    void connectObject(QObject *object, const std::string &name, const Form &form);
    void watch(QObject *object);
    void userChanged(const std::string &name, ControlEvent event,
                     const std::function<void(ControlState &)> &store);
    void storeCarets(Form &form);
    QObject *target(const std::string &name);
    void applyOne(QObject *object, const ControlState &state, const ControlState *before);

    QWidget *window_;
    std::string windowName_;
    FormSource form_;
    Raise raise_;
    std::map<std::string, ControlState, std::less<>> shown_;
    std::map<std::string, QPointer<QObject>, std::less<>> targets_;
    std::vector<QPointer<QWidget>> textBoxes_;
    std::set<std::string> unknown_;
    bool applying_ = false;
    // The key press raised last and where it was sent, while it travels on to the parents.
    const QKeyEvent *travelling_ = nullptr;
    QPointer<QWidget> travelFrom_;
};

} // namespace tb
