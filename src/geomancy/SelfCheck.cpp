#include "geomancy/SelfCheck.h"

#include "geomancy/FigureCatalogue.h"
#include "geomancy/HouseChart.h"
#include "geomancy/Reading.h"

#include <set>
#include <stdexcept>

namespace geomancy {

namespace {

class NoDraws final : public RandomSource {
public:
    float next() override { throw std::logic_error("the Mothers are entered, not drawn"); }
    void seedFromClock() override {}
};

// The eight castings whose sixteen Mother lines are the bits of `set`, the
// Daughters made by the same presses as a reading's.
std::array<GeomanticFigure, 8> castingsOf(long set) {
    NoDraws none;
    Reading reading(none);
    std::array<GeomanticFigure, 8> castings;
    for (std::size_t k = 0; k < castings.size(); ++k) {
        if (k < 4) {
            GeomanticFigure mother;
            for (std::size_t j = 0; j < 4; ++j)
                mother.lines[j] = static_cast<LineValue>(1 + ((set >> (4 * k + j)) & 1));
            castings[k] = reading.castNext(mother)->lines;
        } else {
            castings[k] = reading.castNext()->lines;
        }
    }
    return castings;
}

bool even(int house) {
    return house % 2 == 0;
}

} // namespace

std::vector<RuleTally> tallyRules(ShieldDrawer draw) {
    std::array<long, FigureCount> judges{};
    std::array<long, ShieldPlaceCount> ends{};
    long reconcilers = 0, evenSingles = 0, evenIndexes = 0, noPath = 0, placedOnce = 0;
    for (long set = 0; set < MotherSets; ++set) {
        const ShieldChart chart = draw(castingsOf(set));
        if (const std::optional<int> row = identifyFigure(chart[ShieldPlace::Judge]))
            ++judges[static_cast<std::size_t>(*row)];
        if (chart[ShieldPlace::Reconciler] ==
            addFigures(chart[ShieldPlace::Judge], chart[ShieldPlace::Mother1]))
            ++reconcilers;
        int singles = 0;
        for (std::size_t place = 0; place < HousePlaceCount; ++place)
            singles += singleDotCount(chart.figures[place]);
        evenSingles += singles % 2 == 0 ? 1 : 0;
        evenIndexes += even(indexHouse(chart, IndexMethod::Points)) &&
                               even(indexHouse(chart, IndexMethod::Singles))
                           ? 1
                           : 0;
        const auto paths = viaPunctiPaths(chart, ViaPunctiMethod::Single);
        if (paths.empty())
            ++noPath;
        else
            ++ends[slotOf(paths.front().back())];
        for (int s = 0; s < HouseSchemeCount; ++s) {
            const HouseChart houses = setInHouses(chart, static_cast<HouseScheme>(s));
            std::set<ShieldPlace> places(houses.places.begin(), houses.places.end());
            bool once = places.size() == HouseCount &&
                        *places.rbegin() == static_cast<ShieldPlace>(HousePlaceCount - 1);
            for (int h = 1; h <= HouseCount; ++h)
                once = once && houses(h) == chart[houses.places[static_cast<std::size_t>(h - 1)]];
            placedOnce += once ? 1 : 0;
        }
    }

    bool judgesHold = true;
    long evenJudges = 0;
    for (std::size_t row = 0; row < judges.size(); ++row) {
        const bool evenFigure = dotCount(figureCatalogue()[row].pattern) % 2 == 0;
        judgesHold = judgesHold && judges[row] == (evenFigure ? MotherSets / 8 : 0);
        evenJudges += evenFigure ? judges[row] : 0;
    }
    bool endsHold = noPath == MotherSets / 2;
    long endings = 0;
    for (std::size_t place = 0; place < ends.size(); ++place) {
        endsHold = endsHold && ends[place] == (place < 8 ? MotherSets / 16 : 0);
        endings += place < 8 ? ends[place] : 0;
    }
    std::set<std::array<LineValue, 4>> patterns;
    bool lines = true;
    for (const CatalogueRow& row : figureCatalogue()) {
        patterns.insert(row.pattern.lines);
        for (LineValue value : row.pattern.lines)
            lines = lines && (value == 1 || value == 2);
    }
    const long schemes = static_cast<long>(HouseSchemeCount) * MotherSets;
    return {
        {"the Judge is one of the eight even figures, each 8192 times", evenJudges, judgesHold},
        {"the Reconciler is the Judge plus the first Mother", reconcilers,
         reconcilers == MotherSets},
        {"the single dots of houses 1-12 add up to an even number", evenSingles,
         evenSingles == MotherSets},
        {"the Index falls in an even house, by points and by single dots", evenIndexes,
         evenIndexes == MotherSets},
        {"the single-dot Via Puncti ends at each Mother and Daughter 4096 times "
         "and is absent 32768 times",
         endings + noPath, endsHold},
        {"each house-chart scheme places each shield figure once", placedOnce,
         placedOnce == schemes},
        {"the catalogue holds sixteen distinct patterns of 1s and 2s",
         static_cast<long>(patterns.size()), lines && patterns.size() == FigureCount},
    };
}

} // namespace geomancy
