#pragma once

#include "platform/Notifier.h"

#include <string>
#include <vector>

namespace tb::test {

// Records every notification in order.
class FakeNotifier : public Notifier
{
public:
    struct Note {
        std::string summary;
        std::string body;
        bool operator==(const Note &) const = default;
    };
    void notify(const std::string &summary, const std::string &body) override
    {
        sent.push_back({summary, body});
    }
    std::vector<Note> sent;
};

} // namespace tb::test
