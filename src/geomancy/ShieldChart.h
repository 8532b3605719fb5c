#pragma once

#include "geomancy/GeomanticFigure.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

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

// Single dots of a figure, 0 to 4.
int singleDotCount(const GeomanticFigure& figure);

// How the Index is counted over the twelve figures of Mother 1 to Niece 4
// (houses 1-12 under every scheme), modulo 12 with 0 as 12.
enum class IndexMethod {
    Points,  // every dot: the chart's `index`
    Singles, // the single dots only
};

// How the Via Puncti is traced from the Judge.
enum class ViaPunctiMethod {
    Single,    // the single dot only: the chart's `viaPuncti`
    Branching, // every parent whose head line equals the Judge's, one dot or two
};

const char* indexMethodName(IndexMethod method); // "points", "singles"
std::optional<IndexMethod> findIndexMethod(const std::string& name);
const char* viaPunctiMethodName(ViaPunctiMethod method); // "single", "branching"
std::optional<ViaPunctiMethod> findViaPunctiMethod(const std::string& name);

int indexHouse(const ShieldChart& chart, IndexMethod method);

// Every path of the method, each from the Judge up to the last place whose
// head line equals the Judge's, in shield order (the right-hand parent's
// paths first). Single: the chart's one path, or none. Branching: at least
// the Judge alone, at most the eight Mothers and Daughters.
std::vector<std::vector<ShieldPlace>> viaPunctiPaths(const ShieldChart& chart,
                                                     ViaPunctiMethod method);

} // namespace geomancy
