#pragma once

#include "geomancy/GeomanticFigure.h"

#include <array>

namespace geomancy {

// The sixteen places of the shield chart, in the order they are formed.
enum class ShieldPlace {
    Mother1,
    Mother2,
    Mother3,
    Mother4,
    Daughter1,
    Daughter2,
    Daughter3,
    Daughter4,
    Niece1,
    Niece2,
    Niece3,
    Niece4,
    RightWitness,
    LeftWitness,
    Judge,
    Reconciler,
};

constexpr int ShieldPlaceCount = 16;

// The place's position in arrays indexed by ShieldPlace.
constexpr std::size_t slotOf(ShieldPlace place) {
    return static_cast<std::size_t>(place);
}

// "Mother 1", ..., "Right Witness", "Left Witness", "Judge", "Reconciler".
const char* shieldPlaceName(ShieldPlace place);

// Two figures added line by line: an odd total of dots gives one dot, an
// even total two.
GeomanticFigure addFigures(const GeomanticFigure& first, const GeomanticFigure& second);

// Dots of a figure, 4 to 8.
int dotCount(const GeomanticFigure& figure);

// The shield chart drawn from the eight castings of a reading.
struct ShieldChart {
    std::array<GeomanticFigure, ShieldPlaceCount> figures{}; // indexed by ShieldPlace

    // The single dot of the Judge's head traced back up the shield: the
    // Judge, the Witness, the Niece and the Mother or Daughter it came from.
    // Empty (length 0) when the Judge has two dots in its head.
    std::array<ShieldPlace, 4> viaPuncti{};
    int viaPunctiLength = 0;

    // House 1-12 from the dots of the Mothers, Daughters and Nieces.
    int index = 0;

    const GeomanticFigure& operator[](ShieldPlace place) const { return figures[slotOf(place)]; }
};

// The chart of castings 1 to 8: castings 1-4 are the Mothers, 5-8 the
// Daughters (their transposition, so that the Judge comes out even). Every
// line value must be 1 or 2.
ShieldChart drawShieldChart(const std::array<GeomanticFigure, 8>& castings);

} // namespace geomancy
