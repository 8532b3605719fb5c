#pragma once

#include "geomancy/GeomanticFigure.h"
#include "geomancy/RandomSource.h"
#include "geomancy/Reading.h"

#include <array>
#include <string>
#include <vector>

namespace cli {

// The sixteen line values of castings 1 to 4, casting 1 first, head line first.
using CastLineValues = std::array<geomancy::LineValue, 16>;

// One casting as the model made it.
struct CastingResult {
    const geomancy::CastingStep* step = nullptr;
    geomancy::GeomanticFigure figure;
    int catalogueRow = -1; // the row the model showed for this casting
    int house = 0;         // 1 for the Ascendant
};

// One house of the chart.
struct HouseResult {
    int number = 0;
    const char* sign = nullptr;
    bool ascendant = false;           // the "Asc" marker, house 1 only
    std::vector<std::string> planets; // the lines of the house cell, in casting order
};

// A whole reading of eight castings, ready to be printed.
struct ReadingResult {
    CastLineValues input{};
    std::array<CastingResult, geomancy::CastingCount> castings;
    std::array<HouseResult, geomancy::HouseCount> houses;
};

// The eight presses of the casting button, drawing castings 1 to 4 from `random`.
ReadingResult castReading(geomancy::RandomSource& random);

// The same eight presses, with castings 1 to 4 cast by hand (each value 1 or 2).
ReadingResult castReading(const CastLineValues& lines);

} // namespace cli
