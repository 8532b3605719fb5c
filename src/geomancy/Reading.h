#pragma once

#include "geomancy/GeomanticFigure.h"
#include "geomancy/RandomSource.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace geomancy {

constexpr int CastingCount = 8;
constexpr int HouseCount = 12;

// One casting of a reading: casting k (1..8) is the k-th press of the casting
// button and owns line slots 4(k-1) .. 4(k-1)+3.
struct CastingStep {
    int castNumber;
    const char* casting;   // "Ascendant", "Sun", ...: its tab, its dots, its JSON
    const char* shortName; // where room is short (a tab's frame, the chart's marker): "Asc"
    const char* chartName; // written into its house cell and heading the report's entry;
                           // nullptr for the Ascendant
    bool random;           // castings 1..4 are drawn, 5..8 transposed from them
};

// The one table of the castings: every window and format names them from it.
const std::array<CastingStep, CastingCount>& castingSequence();

// Zodiac sign of house h at index h-1; fixed for every reading.
const std::array<const char*, HouseCount>& houseSigns();

// floor(2r + 1) for the next r: 1 when r < 0.5, otherwise 2.
LineValue drawLineValue(RandomSource& random);

// The reading's 32 line values; casting k line j lives in slot 4(k-1)+(j-1).
class LineValues {
public:
    static constexpr int SlotCount = 32;

    LineValue& operator[](int slot) { return slots_.at(static_cast<std::size_t>(slot)); }
    LineValue operator[](int slot) const { return slots_.at(static_cast<std::size_t>(slot)); }

    // The four lines of casting k, head line first.
    GeomanticFigure casting(int k) const;

    // Every slot back to empty (0).
    void clear() { slots_.fill(0); }

private:
    std::array<LineValue, SlotCount> slots_{};
};

// What one press made of casting k.
struct Casting {
    int number = 0;                  // k, 1..8
    GeomanticFigure lines;           // head line first; 0 where a failed draw left a line unwritten
    std::optional<int> house;        // the planet's house 1..12; none for the Ascendant
    std::optional<int> catalogueRow; // the identified figure; none when the lines form none
    std::string failure;             // why a draw failed; empty when every line was cast
};

// The state of one reading and the presses that make it. Only the first
// four castings draw random numbers, four each.
class Reading {
public:
    explicit Reading(RandomSource& random);

    std::int16_t castCount() const { return castCount_; }
    const LineValues& lineValues() const { return lines_; }

    // A press of the casting button: advances the cast count and, while it
    // is 1..8, makes that casting (lines, the planet's house, the figure)
    // and returns it. Later presses make nothing until reset(). A draw that
    // fails leaves its line and the casting's later lines unwritten; the
    // house and the figure are still worked out from what was cast, and the
    // casting says why (for a developer's trace, not for the user).
    std::optional<Casting> castNext();

    // The same press with the lines of a random casting (1..4) cast by hand,
    // head line first, each 1 or 2; draws nothing. Throws, changing nothing,
    // for a derived casting or another value.
    std::optional<Casting> castNext(const GeomanticFigure& byHand);

    // The planets placed in house 1..12, in casting order.
    const std::vector<std::string>& planetsIn(int house) const;

    // Back to the ready state: CastCount 0, no line values, empty houses.
    void reset();

private:
    Casting makeCasting(int k, const GeomanticFigure* byHand);
    void castLines(int k);
    int houseNumber(int k) const;

    RandomSource& random_;
    std::int16_t castCount_ = 0;
    LineValues lines_;
    std::array<std::vector<std::string>, HouseCount> houses_;
};

} // namespace geomancy
