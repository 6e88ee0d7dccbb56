#include "platform/Clock.h"

#include <chrono>
#include <time.h>

namespace tb {
namespace {

std::int64_t secondsOf(clockid_t clock)
{
    timespec reading {};
    ::clock_gettime(clock, &reading);
    return reading.tv_sec;
}

} // namespace

std::int64_t SystemClock::now() const
{
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

std::int64_t SystemClock::monotonic() const
{
    return secondsOf(CLOCK_MONOTONIC);
}

std::int64_t SystemClock::sinceBoot() const
{
    return secondsOf(CLOCK_BOOTTIME);
}

} // namespace tb
