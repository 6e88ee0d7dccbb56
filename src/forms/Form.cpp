#include "forms/Form.h"

namespace tb {

void Form::on(std::string_view control, ControlEvent event, std::function<void()> handler)
{
    on(control, event, [handler = std::move(handler)](EventArgs &) { handler(); });
}

void Form::on(std::string_view control, ControlEvent event,
              std::function<void(EventArgs &)> handler)
{
    auto it = handlers_.find(control);
    if (it == handlers_.end())
        it = handlers_.emplace(std::string(control), decltype(it->second) {}).first;
    it->second[event] = std::move(handler);
}

bool Form::handles(std::string_view control, ControlEvent event) const
{
    const auto it = handlers_.find(control);
    return it != handlers_.end() && it->second.count(event) != 0;
}

bool Form::raise(std::string_view control, ControlEvent event)
{
    EventArgs args;
    return raise(control, event, args);
}

bool Form::raise(std::string_view control, ControlEvent event, EventArgs &args)
{
    const auto it = handlers_.find(control);
    if (it == handlers_.end())
        return false;
    const auto handler = it->second.find(event);
    if (handler == it->second.end())
        return false;
    // A handler may register or drop handlers of its own window: run a copy.
    const auto run = handler->second;
    run(args);
    return true;
}

} // namespace tb
