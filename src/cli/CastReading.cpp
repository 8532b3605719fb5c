#include "cli/CastReading.h"

#include "geomancy/FigureCatalogue.h"

#include <stdexcept>

namespace cli {

namespace {

// Used in place of a generator when every random casting is entered by hand:
// the model must never ask it for a number.
class NoDraws final : public geomancy::RandomSource {
public:
    float next() override { throw std::logic_error("a hand-cast reading draws nothing"); }
    void seedFromClock() override {}
};

std::vector<std::string> cellLines(const std::string& cell) {
    // A cell is CR LF before each planet's name.
    std::vector<std::string> names;
    std::size_t start = 0;
    while ((start = cell.find("\r\n", start)) != std::string::npos) {
        start += 2;
        const std::size_t end = cell.find("\r\n", start);
        names.push_back(cell.substr(start, end == std::string::npos ? end : end - start));
    }
    return names;
}

// Runs the presses as the main window does: lines, placement, interpretation.
ReadingResult run(geomancy::RandomSource& random, const CastLineValues* entered) {
    geomancy::Reading reading(random);
    ReadingResult result;
    int shownRow = -1;
    reading.setFigureDisplay(
        {[&shownRow] { shownRow = -1; }, [&shownRow](int row, int /*tab*/) { shownRow = row; }});

    for (int k = 1; k <= geomancy::CastingCount; ++k) {
        const auto index = static_cast<std::size_t>(k - 1);
        CastingResult& casting = result.castings[index];
        casting.step = &geomancy::castingSequence()[index];

        reading.setCastCount(static_cast<std::int16_t>(k));
        if (entered && casting.step->random) {
            geomancy::GeomanticFigure figure;
            for (std::size_t j = 0; j < 4; ++j)
                figure.lines[j] = (*entered)[4 * index + j];
            reading.enterLines(k, figure);
        } else {
            reading.castLines(k);
        }
        casting.house = reading.placePlanet(k).value_or(1);
        reading.interpretCasting(k);
        casting.figure = reading.lineValues().casting(k);
        casting.catalogueRow = shownRow;
    }

    for (int slot = 0; slot < 16; ++slot)
        result.input[static_cast<std::size_t>(slot)] = reading.lineValues()[slot];
    for (int h = 1; h <= geomancy::HouseCount; ++h) {
        HouseResult& house = result.houses[static_cast<std::size_t>(h - 1)];
        house.number = h;
        house.sign = geomancy::houseSigns()[static_cast<std::size_t>(h - 1)];
        house.ascendant = h == 1;
        house.planets = cellLines(reading.houseCell(h));
    }
    return result;
}

} // namespace

ReadingResult castReading(geomancy::RandomSource& random) {
    return run(random, nullptr);
}

ReadingResult castReading(const CastLineValues& lines) {
    NoDraws none;
    return run(none, &lines);
}

} // namespace cli
