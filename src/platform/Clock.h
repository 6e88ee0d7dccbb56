#pragma once

#include <cstdint>

namespace tb {

// Wall-clock time in whole seconds since the Unix epoch.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual std::int64_t now() const = 0;
};

class SystemClock final : public Clock
{
public:
    std::int64_t now() const override;
};

} // namespace tb
