#include "platform/Clock.h"

#include <chrono>

namespace tb {

std::int64_t SystemClock::now() const
{
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace tb
