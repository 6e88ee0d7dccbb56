#include "platform/Random.h"

#include <chrono>
#include <cstdint>

namespace tb {

StdRandom::StdRandom()
{
    std::random_device device;
    const auto time = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed {device(),
                        device(),
                        device(),
                        device(),
                        static_cast<unsigned>(time),
                        static_cast<unsigned>(time >> 32)};
    engine_.seed(seed);
}

int StdRandom::below(int n)
{
    if (n <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

} // namespace tb
