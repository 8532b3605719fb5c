#pragma once

#include <cstdint>
#include <random>

namespace geomancy {

// The program's one source of uniform numbers in [0, 1). Castings, the
// promotional-label pick and the exit window's message pick all draw from it;
// tests substitute a scripted sequence.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Next number r with 0 <= r < 1, single precision.
    virtual float next() = 0;

    // Starts a fresh sequence from the system clock.
    virtual void seedFromClock() = 0;
};

class ClockSeededRandom final : public RandomSource {
public:
    ClockSeededRandom(); // seeded from the clock at construction
    explicit ClockSeededRandom(std::uint64_t seed);

    float next() override;
    void seedFromClock() override;

private:
    std::mt19937 engine_;
};

} // namespace geomancy
