#pragma once

#include <cstdint>

class QWidget;

namespace geomancy {
class RandomSource;
}

// The two promotional labels lie on top of each other; one draw decides
// which of them is seen (and clicked). Returns the number drawn, 1..7:
// odd 1..5 raise the co-branding label, even 2..6 the full-branding label,
// 7 leaves the stacking order alone.
std::int16_t coBrandRandomize(geomancy::RandomSource& random, QWidget* cobrand, QWidget* fullBrand);

// r * 6 + 1 rounded to the nearest whole number, ties to even.
std::int16_t coBrandNumber(float r);
