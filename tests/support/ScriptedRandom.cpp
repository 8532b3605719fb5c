#include "support/ScriptedRandom.h"

#include <stdexcept>
#include <utility>

ScriptedRandom::ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}

void ScriptedRandom::append(const std::vector<float>& values) {
    values_.insert(values_.end(), values.begin(), values.end());
}

void ScriptedRandom::appendLines(const std::vector<int>& lines) {
    for (int line : lines)
        values_.push_back(line == 1 ? 0.25f : 0.75f);
}

float ScriptedRandom::next() {
    if (draws_ >= values_.size())
        throw std::out_of_range("scripted random source exhausted");
    return values_[draws_++];
}
