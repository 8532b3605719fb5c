#include "cli/CastReading.h"

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

// The eight presses of the casting button, as the main window makes them.
ReadingResult run(geomancy::RandomSource& random, const CastLineValues* entered,
                  const ReadingMethods& methods) {
    geomancy::Reading reading(random);
    ReadingResult result;
    result.methods = methods;
    for (int k = 1; k <= geomancy::CastingCount; ++k) {
        const auto index = static_cast<std::size_t>(k - 1);
        CastingResult& casting = result.castings[index];
        casting.step = &geomancy::castingSequence()[index];

        std::optional<geomancy::Casting> made;
        if (entered && casting.step->random) {
            geomancy::GeomanticFigure figure;
            for (std::size_t j = 0; j < 4; ++j)
                figure.lines[j] = (*entered)[4 * index + j];
            made = reading.castNext(figure);
        } else {
            made = reading.castNext();
        }
        casting.figure = made->lines;
        casting.house = made->house.value_or(1);
        casting.catalogueRow = made->catalogueRow.value_or(-1);
    }

    for (int slot = 0; slot < 16; ++slot)
        result.input[static_cast<std::size_t>(slot)] = reading.lineValues()[slot];
    for (int h = 1; h <= geomancy::HouseCount; ++h) {
        HouseResult& house = result.houses[static_cast<std::size_t>(h - 1)];
        house.number = h;
        house.sign = geomancy::houseSigns()[static_cast<std::size_t>(h - 1)];
        house.ascendant = h == 1;
        house.planets = reading.planetsIn(h);
    }
    return result;
}

} // namespace

ReadingResult castReading(geomancy::RandomSource& random, const ReadingMethods& methods) {
    return run(random, nullptr, methods);
}

ReadingResult castReading(const CastLineValues& lines, const ReadingMethods& methods) {
    NoDraws none;
    return run(none, &lines, methods);
}

} // namespace cli
