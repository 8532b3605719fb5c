#pragma once

#include "geomancy/GeomanticFigure.h"
#include "geomancy/HouseChart.h"
#include "geomancy/RandomSource.h"
#include "geomancy/Reading.h"

#include <array>
#include <optional>
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

// How the shield is read: the house chart, the Index and the Via Puncti,
// and the question judged, if any.
struct ReadingMethods {
    geomancy::HouseScheme scheme = geomancy::HouseScheme::Sequential;
    geomancy::IndexMethod index = geomancy::IndexMethod::Points;
    geomancy::ViaPunctiMethod viaPuncti = geomancy::ViaPunctiMethod::Single;
    std::optional<int> quesited; // 2 to 12
};

// A whole reading of eight castings, ready to be printed.
struct ReadingResult {
    ReadingMethods methods;
    CastLineValues input{};
    std::array<CastingResult, geomancy::CastingCount> castings;
    std::array<HouseResult, geomancy::HouseCount> houses;
};

// The eight presses of the casting button, drawing castings 1 to 4 from `random`.
ReadingResult castReading(geomancy::RandomSource& random, const ReadingMethods& methods = {});

// The same eight presses, with castings 1 to 4 cast by hand (each value 1 or 2).
ReadingResult castReading(const CastLineValues& lines, const ReadingMethods& methods = {});

} // namespace cli
