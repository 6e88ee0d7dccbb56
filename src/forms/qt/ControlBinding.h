#pragma once

#include "forms/Form.h"
#include "forms/FormCalls.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <string>

class QWidget;

namespace tb {

class Program;

// Binds a window's widgets, menu entries and timers to the logic of the window, by
// objectName, both ways:
// - `apply` shows the logic's description of every control, touching only what changed
//   since the last call (the countdown's tick stays cheap);
// - what the user types, ticks or selects is stored into the logic's description and
//   then raised as the event the logic handles (Click, DblClick, Change, LostFocus,
//   RightClick, Timer). Only controls whose logic handles an event are connected.
// The window's own objectName names the window: its caption is the window title.
class ControlBinding final : public QObject
{
    Q_OBJECT
public:
    using FormSource = std::function<Form *()>;
    using Raise = std::function<void(const std::string &control, ControlEvent event)>;

    // `form` gives the logic (null once it is unloaded); `raise` delivers an event to it.
    ControlBinding(QWidget *window, FormSource form, Raise raise);
    // The window `id` of `program`: events are dispatched through the program.
    ControlBinding(QWidget *window, Program &program, FormId id);

    void apply();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectEvents();
    void connectObject(QObject *object, const std::string &name, const Form &form);
    void watch(QObject *object);
    void userChanged(const std::string &name, ControlEvent event,
                     const std::function<void(ControlState &)> &store);
    QObject *target(const std::string &name);
    void applyOne(QObject *object, const ControlState &state, const ControlState *before);

    QWidget *window_;
    FormSource form_;
    Raise raise_;
    std::map<std::string, ControlState, std::less<>> shown_;
    std::map<std::string, QPointer<QObject>, std::less<>> targets_;
    bool applying_ = false;
};

} // namespace tb
