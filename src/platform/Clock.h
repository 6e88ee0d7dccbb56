#pragma once

#include <cstdint>

namespace tb {

// The three clocks the program reads, each in whole seconds: the countdown ticks once a
// second and every length it shows or records is in seconds, so a finer unit would only be
// rounded away again.
class Clock
{
public:
    virtual ~Clock() = default;
    // Wall-clock time since the Unix epoch: for dates and times that files show. It can be
    // stepped either way at any moment (time synchronisation, the user, a resumed machine).
    virtual std::int64_t now() const = 0;
    // Time that only ever runs forward, and not while the machine sleeps: for lengths.
    virtual std::int64_t monotonic() const = 0;
    // Like monotonic(), but it runs on while the machine sleeps: how far it moved ahead of
    // monotonic() is how long the machine slept.
    virtual std::int64_t sinceBoot() const = 0;
};

class SystemClock final : public Clock
{
public:
    std::int64_t now() const override;
    std::int64_t monotonic() const override;
    std::int64_t sinceBoot() const override;
};

} // namespace tb
