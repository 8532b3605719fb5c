#pragma once

#include <array>
#include <cstdint>

namespace geomancy {

// One line of a figure: 1 is a single dot, 2 is a pair of dots.
using LineValue = std::int16_t;

// Four line values, head (top) line first.
struct GeomanticFigure {
    std::array<LineValue, 4> lines{};

    bool operator==(const GeomanticFigure& other) const { return lines == other.lines; }
    bool operator!=(const GeomanticFigure& other) const { return !(*this == other); }
};

} // namespace geomancy
