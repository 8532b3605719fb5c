#pragma once

#include "geomancy/GeomanticFigure.h"

#include <vector>

namespace geomancy {
class Reading;
}

// A reading worked by hand. Rows are castings 1..4 (Ascendant, Sun, Moon,
// Venus); castings 5..8 are the columns. Running sums 5, 12, 16, 24, 30, 37,
// 42, 48 put the Sun in 12, the Moon in 4, Venus in 12, Mercury in 6,
// Saturn in 1, Jupiter in 6 and Mars in 12.
inline const std::vector<int> WorkedReadingLines{
    1, 2, 1, 1, // Ascendant
    2, 2, 1, 2, // Sun
    1, 1, 1, 1, // Moon
    2, 2, 2, 2, // Venus
};

// One press of the casting button as far as the model goes: casting k's
// lines, its planet's house and its figure.
void castOne(geomancy::Reading& reading, int k);

// A whole reading, castings 1..8 in order as eight presses make it. The
// first castings take `entered` lines by hand, in order, instead of drawing.
void castWholeReading(geomancy::Reading& reading,
                      const std::vector<geomancy::GeomanticFigure>& entered = {});
