#pragma once

#include "geomancy/GeomanticFigure.h"
#include "geomancy/RandomSource.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace geomancy {

constexpr int CastingCount = 8;
constexpr int HouseCount = 12;

// One casting of a reading: casting k (1..8) is the k-th press of the casting
// button and owns line slots 4(k-1) .. 4(k-1)+3.
struct CastingStep {
    int castNumber;
    const char* casting;   // "Ascendant", "Sun", ...
    const char* chartName; // written into its house cell; nullptr for the Ascendant
    bool random;           // castings 1..4 are drawn, 5..8 transposed from them
};

const std::array<CastingStep, CastingCount>& castingSequence();

// Zodiac sign of house h at index h-1; fixed for every reading.
const std::array<const char*, HouseCount>& houseSigns();

// The old cell text, CR LF, then the planet's name.
std::string appendToHouseCell(const std::string& text, const std::string& name);

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
    bool empty() const;

private:
    std::array<LineValue, SlotCount> slots_{};
};

// What the main window registers to show an identified figure.
struct FigureDisplay {
    std::function<void()> clearCurrentFigure;
    std::function<void(int row, int tab)> showRow;
};

// What the report registers to record an identified figure.
using ReportAppender = std::function<void(int castCount, int row)>;

// The state of one reading and the operations that make it. Only the first
// four castings draw random numbers, four each.
class Reading {
public:
    explicit Reading(RandomSource& random);

    std::int16_t castCount() const { return castCount_; }
    void setCastCount(std::int16_t count) { castCount_ = count; }

    const LineValues& lineValues() const { return lines_; }

    // Writes the four slots of casting k (1..8), line 1 to 4 in order.
    void castLines(int k);

    // In place of castLines(k) for a random casting (1..4): lines cast by
    // hand, head line first, each 1 or 2. Draws nothing.
    void enterLines(int k, const GeomanticFigure& figure);

    // House 1..12 of the planet of casting k (2..8), from the sum of every
    // line value cast so far; called after castLines(k).
    int houseNumber(int k) const;

    // For casting k (2..8): computes its house, appends the planet's name to
    // that house's cell and returns the house. The Ascendant (k = 1) is
    // never written into a cell; std::nullopt then.
    std::optional<int> placePlanet(int k);

    // Cell text of house 1..12.
    const std::string& houseCell(int house) const;

    // Identifies the figure, clears the current figure, then shows and
    // reports the identified row. An exception from the display ends the
    // call before the report; one from the report is swallowed.
    void interpretFigure(LineValue& head, LineValue& second, LineValue& third, LineValue& foot);

    // InterpretFigure on the four slots of casting k.
    void interpretCasting(int k);

    // Upper-case name of the last figure identified; survives reset().
    const std::string& figureName() const { return figureName_; }

    void setFigureDisplay(FigureDisplay display) { display_ = std::move(display); }
    void setReportAppender(ReportAppender appender) { appender_ = std::move(appender); }

    // Back to the ready state: CastCount 0, no line values, empty cells.
    void reset();

private:
    RandomSource& random_;
    std::int16_t castCount_ = 0;
    LineValues lines_;
    std::array<std::string, HouseCount> houseCells_;
    std::string figureName_;
    FigureDisplay display_;
    ReportAppender appender_;
};

} // namespace geomancy
