#pragma once

#include "geomancy/GeomanticFigure.h"
#include "geomancy/Reading.h"
#include "geomancy/ShieldChart.h"

#include <array>
#include <optional>
#include <string>

namespace geomancy {

// The ways of setting the twelve figures of the shield (Mothers, Daughters,
// Nieces) in the twelve houses. Sources name them inconsistently, so each is
// known here by its map.
enum class HouseScheme {
    Sequential, // house n is shield place n
    Agrippa,    // the Mothers in the angles 1, 10, 7, 4, each followed by its Daughter and Niece
    GoldenDawn, // the Mothers in the angles 10, 1, 4, 7, each followed by its Daughter and Niece
};

constexpr int HouseSchemeCount = 3;
constexpr int HousePlaceCount = 12; // Mother 1 to Niece 4

// "sequential", "agrippa", "golden-dawn".
const char* houseSchemeName(HouseScheme scheme);
std::optional<HouseScheme> findHouseScheme(const std::string& name);

// The shield place the scheme sets in house 1-12.
ShieldPlace placeInHouse(HouseScheme scheme, int house);

// The twelve houses, each with its figure.
struct HouseChart {
    HouseScheme scheme = HouseScheme::Sequential;
    std::array<ShieldPlace, HouseCount> places{};      // house h at h - 1
    std::array<GeomanticFigure, HouseCount> figures{}; // house h at h - 1

    const GeomanticFigure& operator()(int house) const {
        return figures[static_cast<std::size_t>(house - 1)];
    }
};

HouseChart setInHouses(const ShieldChart& shield, HouseScheme scheme);

// Houses 1-12 in a ring: their numbers differ by one, 12 and 1 included.
bool nextTo(int house, int other);

} // namespace geomancy
