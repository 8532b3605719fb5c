#include "geomancy/Reading.h"

#include "geomancy/FigureCatalogue.h"

#include <cmath>
#include <stdexcept>

namespace geomancy {

namespace {

const std::array<CastingStep, CastingCount> Sequence{{
    {1, "Ascendant", "Asc", nullptr, true},
    {2, "Sun", "Sun", "Sun", true},
    {3, "Moon", "Moon", "Moon", true},
    {4, "Venus", "Venus", "Venus", true},
    {5, "Mercury", "Mercury", "Mercury", false},
    {6, "Saturn", "Saturn", "Saturn", false},
    {7, "Jupiter", "Jupiter", "Jupiter", false},
    {8, "Mars", "Mars", "Mars", false},
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

std::optional<Casting> Reading::castNext() {
    castCount_ = static_cast<std::int16_t>(castCount_ + 1);
    if (castCount_ < 1 || castCount_ > CastingCount)
        return std::nullopt;
    return makeCasting(castCount_, nullptr);
}

std::optional<Casting> Reading::castNext(const GeomanticFigure& byHand) {
    const int k = castCount_ + 1;
    if (k < 1 || k > 4)
        throw std::out_of_range("only castings 1 to 4 are cast by hand");
    for (LineValue value : byHand.lines) {
        if (value != 1 && value != 2)
            throw std::invalid_argument("a line value is 1 or 2");
    }
    castCount_ = static_cast<std::int16_t>(k);
    return makeCasting(k, &byHand);
}

Casting Reading::makeCasting(int k, const GeomanticFigure* byHand) {
    Casting casting;
    casting.number = k;
    const int base = firstSlot(k);
    if (byHand) {
        for (int j = 0; j < 4; ++j)
            lines_[base + j] = byHand->lines[static_cast<std::size_t>(j)];
    } else {
        // One failing step never stops the rest of a press.
        try {
            castLines(k);
        } catch (const std::exception& error) {
            casting.failure = error.what();
        } catch (...) {
            casting.failure = "an exception of no standard type";
        }
    }
    casting.lines = lines_.casting(k);

    // The Ascendant always stands in house 1: its marker, no planet.
    const CastingStep& step = Sequence[static_cast<std::size_t>(k - 1)];
    if (step.chartName != nullptr) {
        const int house = houseNumber(k);
        houses_[static_cast<std::size_t>(house - 1)].emplace_back(step.chartName);
        casting.house = house;
    }

    // Lines that form no figure identify nothing, rather than repeating
    // whatever figure happened to be identified before.
    casting.catalogueRow = identifyFigure(casting.lines);
    return casting;
}

int Reading::houseNumber(int k) const {
    requireCasting(k, 2);
    int sum = 0;
    for (int slot = 0; slot < 4 * k; ++slot)
        sum += lines_[slot];
    const int h = sum % HouseCount;
    return h == 0 ? HouseCount : h;
}

const std::vector<std::string>& Reading::planetsIn(int house) const {
    return houses_.at(static_cast<std::size_t>(house - 1));
}

void Reading::reset() {
    castCount_ = 0;
    lines_.clear();
    for (std::vector<std::string>& planets : houses_)
        planets.clear();
}

} // namespace geomancy
