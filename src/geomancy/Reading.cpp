#include "geomancy/Reading.h"

#include "geomancy/FigureCatalogue.h"

#include <cmath>
#include <stdexcept>

namespace geomancy {

namespace {

const std::array<CastingStep, CastingCount> Sequence{{
    {1, "Ascendant", nullptr, true},
    {2, "Sun", "Sun", true},
    {3, "Moon", "Moon", true},
    {4, "Venus", "Venus", true},
    {5, "Mercury", "Mercury", false},
    {6, "Saturn", "Saturn", false},
    {7, "Jupiter", "Jupiter", false},
    {8, "Mars", "Mars", false},
}};

const std::array<const char*, HouseCount> HouseSignNames{
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces",
};

int firstSlot(int k) {
    return 4 * (k - 1);
}

void requireCasting(int k, int lowest) {
    if (k < lowest || k > CastingCount)
        throw std::out_of_range("casting number out of range");
}

} // namespace

const std::array<CastingStep, CastingCount>& castingSequence() {
    return Sequence;
}

const std::array<const char*, HouseCount>& houseSigns() {
    return HouseSignNames;
}

std::string appendToHouseCell(const std::string& text, const std::string& name) {
    return text + "\r\n" + name;
}

LineValue drawLineValue(RandomSource& random) {
    // In double precision 2r + 1 is exact for every single-precision r; in
    // float, r just below 0.5 or 1 would round up to the next whole number.
    const double r = random.next();
    return static_cast<LineValue>(std::floor(2.0 * r + 1.0));
}

GeomanticFigure LineValues::casting(int k) const {
    GeomanticFigure figure;
    for (int j = 0; j < 4; ++j)
        figure.lines[static_cast<std::size_t>(j)] = (*this)[firstSlot(k) + j];
    return figure;
}

bool LineValues::empty() const {
    for (LineValue value : slots_) {
        if (value != 0)
            return false;
    }
    return true;
}

Reading::Reading(RandomSource& random) : random_(random) {}

void Reading::castLines(int k) {
    requireCasting(k, 1);
    const int base = firstSlot(k);
    if (k <= 4) {
        for (int j = 0; j < 4; ++j)
            lines_[base + j] = drawLineValue(random_);
        return;
    }
    // Castings 5..8 transpose castings 1..4: casting 4+r takes line r of
    // castings 1, 2, 3 and 4 as its lines 1, 2, 3 and 4.
    const int r = k - 4;
    for (int j = 1; j <= 4; ++j)
        lines_[base + j - 1] = lines_[4 * (j - 1) + (r - 1)];
}

void Reading::enterLines(int k, const GeomanticFigure& figure) {
    if (k < 1 || k > 4)
        throw std::out_of_range("only castings 1 to 4 are cast by hand");
    for (LineValue value : figure.lines) {
        if (value != 1 && value != 2)
            throw std::invalid_argument("a line value is 1 or 2");
    }
    for (int j = 0; j < 4; ++j)
        lines_[firstSlot(k) + j] = figure.lines[static_cast<std::size_t>(j)];
}

int Reading::houseNumber(int k) const {
    requireCasting(k, 2);
    int sum = 0;
    for (int slot = 0; slot < 4 * k; ++slot)
        sum += lines_[slot];
    const int h = sum % HouseCount;
    return h == 0 ? HouseCount : h;
}

std::optional<int> Reading::placePlanet(int k) {
    requireCasting(k, 1);
    const CastingStep& step = Sequence[static_cast<std::size_t>(k - 1)];
    if (step.chartName == nullptr)
        return std::nullopt;
    const int house = houseNumber(k);
    std::string& cell = houseCells_[static_cast<std::size_t>(house - 1)];
    cell = appendToHouseCell(cell, step.chartName);
    return house;
}

const std::string& Reading::houseCell(int house) const {
    return houseCells_.at(static_cast<std::size_t>(house - 1));
}

void Reading::interpretFigure(LineValue& head, LineValue& second, LineValue& third,
                              LineValue& foot) {
    const std::optional<int> match = identifyFigure(GeomanticFigure{{head, second, third, foot}});
    if (match)
        figureName_ = figureCatalogue()[static_cast<std::size_t>(*match)].name;

    if (display_.clearCurrentFigure)
        display_.clearCurrentFigure();

    // Lines that form no figure show and report nothing, rather than
    // repeating whatever figure happened to be identified before.
    if (!match)
        return;

    // The row shown is the one the name leads to, as the figure is known by
    // its name everywhere else.
    const std::optional<int> row = findCatalogueRow(figureName_);
    if (!row)
        return;
    if (display_.showRow)
        display_.showRow(*row, castCount_ - 1);
    if (appender_) {
        try {
            appender_(castCount_, *row);
        } catch (...) {
            // The report is a by-product of the casting; its failure
            // must not undo what the window already shows.
        }
    }
}

void Reading::interpretCasting(int k) {
    requireCasting(k, 1);
    const int base = firstSlot(k);
    interpretFigure(lines_[base], lines_[base + 1], lines_[base + 2], lines_[base + 3]);
}

void Reading::reset() {
    castCount_ = 0;
    lines_.clear();
    for (std::string& cell : houseCells_)
        cell.clear();
}

} // namespace geomancy
