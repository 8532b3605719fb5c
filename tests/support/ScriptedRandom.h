#pragma once

#include "geomancy/RandomSource.h"

#include <cstddef>
#include <vector>

// A random source that hands out a fixed list of numbers and counts the
// draws, so a test knows every value a reading will get.
class ScriptedRandom final : public geomancy::RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<float> values);

    void append(const std::vector<float>& values);

    // Scripts draws that yield the given line values (1 -> 0.25, 2 -> 0.75).
    void appendLines(const std::vector<int>& lines);

    // Throws std::out_of_range once the script is used up.
    float next() override;
    void seedFromClock() override { ++seeds_; }

    std::size_t draws() const { return draws_; }
    std::size_t seeds() const { return seeds_; }
    std::size_t remaining() const { return values_.size() - draws_; }

private:
    std::vector<float> values_;
    std::size_t draws_ = 0;
    std::size_t seeds_ = 0;
};
