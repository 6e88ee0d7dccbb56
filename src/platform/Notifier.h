#pragma once

#include <string>

namespace tb {

// Shows a short message in the desktop's notification area, without waiting for it and
// without a window of its own. Texts are UTF-8. Where the desktop shows no notifications
// nothing happens.
class Notifier
{
public:
    virtual ~Notifier() = default;
    virtual void notify(const std::string &summary, const std::string &body) = 0;
};

} // namespace tb
