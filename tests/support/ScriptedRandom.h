#pragma once

#include "geomancy/RandomSource.h"

#include <cstddef>
#include <stdexcept>
#include <vector>

// A random source that hands out a fixed list of numbers and counts the
// draws, so a test knows every value a reading will get.
class ScriptedRandom final : public geomancy::RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}

    void append(std::vector<float> values) { values_.insert(values_.end(), values.begin(), values.end()); }

    // Scripts draws that yield the given line values (1 -> 0.25, 2 -> 0.75).
    void appendLines(const std::vector<int>& lines) {
        for (int line : lines)
            values_.push_back(line == 1 ? 0.25f : 0.75f);
    }

    float next() override {
        if (draws_ >= values_.size())
            throw std::out_of_range("scripted random source exhausted");
        return values_[draws_++];
    }

    void seedFromClock() override { ++seeds_; }

    std::size_t draws() const { return draws_; }
    std::size_t seeds() const { return seeds_; }
    std::size_t remaining() const { return values_.size() - draws_; }

private:
    std::vector<float> values_;
    std::size_t draws_ = 0;
    std::size_t seeds_ = 0;
};
