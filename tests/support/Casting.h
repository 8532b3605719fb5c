#pragma once

#include "geomancy/GeomanticFigure.h"
#include "geomancy/Reading.h"

#include <QStringList>

#include <array>
#include <vector>

// A reading worked by hand, cast by the window's and the command line's
// tests alike. Rows are castings 1..4 (Ascendant, Sun, Moon, Venus);
// castings 5..8 are the columns. Running sums 5, 12, 16, 24, 30, 37, 42, 48
// put the Sun in 12, the Moon in 4, Venus in 12, Mercury in 6, Saturn in 1,
// Jupiter in 6 and Mars in 12. The figures: Puella, Albus, Via, Populus,
// Amissio, Albus, Cauda Draconis, Amissio.
inline const std::vector<int> WorkedReadingLines{
    1, 2, 1, 1, // Ascendant
    2, 2, 1, 2, // Sun
    1, 1, 1, 1, // Moon
    2, 2, 2, 2, // Venus
};

// The eight presses of a whole reading, through the model, and what each
// made. The first castings take `entered` lines by hand, in order, instead
// of drawing.
std::vector<geomancy::Casting>
castWholeReading(geomancy::Reading& reading,
                 const std::vector<geomancy::GeomanticFigure>& entered = {});

// The catalogue's figure of that name ("PUER"), as the model looks it up.
geomancy::GeomanticFigure figureNamed(const QString& name);

// The eight castings of a reading whose first four are `mothers` (names),
// castings 5..8 transposed from them as a reading's presses do.
std::array<geomancy::GeomanticFigure, 8> castingsOf(const QStringList& mothers);
