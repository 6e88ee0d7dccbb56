#pragma once

#include <random>

namespace tb {

// Uniform whole numbers.
class Random
{
public:
    virtual ~Random() = default;
    // A whole number from 0 to n - 1, each equally likely; n must be at least 1.
    virtual int below(int n) = 0;
};

class StdRandom final : public Random
{
public:
    StdRandom();
    int below(int n) override;

private:
    std::mt19937 engine_;
};

} // namespace tb
