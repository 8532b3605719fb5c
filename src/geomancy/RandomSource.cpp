#include "geomancy/RandomSource.h"

#include <atomic>
#include <chrono>

namespace geomancy {

namespace {

std::uint64_t clockSeed() {
    // The high-resolution clock alone can repeat when two generators are
    // seeded within one tick; a per-process counter keeps them apart.
    static std::atomic<std::uint64_t> counter{0};
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    return ticks ^ (++counter * 0x9E3779B97F4A7C15ull);
}

// Both halves of the 64-bit seed go into the engine, so seeds that differ
// only in the high half give different readings.
void seedEngine(std::mt19937& engine, std::uint64_t seed) {
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32)};
    engine.seed(sequence);
}

} // namespace

ClockSeededRandom::ClockSeededRandom() {
    seedFromClock();
}

ClockSeededRandom::ClockSeededRandom(std::uint64_t seed) {
    seedEngine(engine_, seed);
}

float ClockSeededRandom::next() {
    // 24 random bits fill a float's mantissa exactly, so the result is
    // uniform on a 2^-24 grid and can never round up to 1.0.
    const std::uint32_t bits = engine_() >> 8;
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}

void ClockSeededRandom::seedFromClock() {
    seedEngine(engine_, clockSeed());
}

} // namespace geomancy
