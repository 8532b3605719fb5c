#include "geomancy/ShieldChart.h"

#include <cassert>

namespace geomancy {

namespace {

constexpr std::array<const char*, ShieldPlaceCount> PlaceNames{
    "Mother 1",      "Mother 2",     "Mother 3", "Mother 4",   "Daughter 1", "Daughter 2",
    "Daughter 3",    "Daughter 4",   "Niece 1",  "Niece 2",    "Niece 3",    "Niece 4",
    "Right Witness", "Left Witness", "Judge",    "Reconciler",
};

// Every place from Niece 1 to the Judge is the sum of two earlier places,
// written right to left on the shield: place 8 + i adds places 2i and 2i + 1.
constexpr std::size_t firstParent(std::size_t child) {
    return 2 * (child - slotOf(ShieldPlace::Niece1));
}

} // namespace

const char* shieldPlaceName(ShieldPlace place) {
    return PlaceNames[slotOf(place)];
}

GeomanticFigure addFigures(const GeomanticFigure& first, const GeomanticFigure& second) {
    GeomanticFigure sum;
    for (std::size_t j = 0; j < sum.lines.size(); ++j)
        sum.lines[j] = (first.lines[j] + second.lines[j]) % 2 == 1 ? 1 : 2;
    return sum;
}

int dotCount(const GeomanticFigure& figure) {
    int dots = 0;
    for (LineValue value : figure.lines)
        dots += value;
    return dots;
}

ShieldChart drawShieldChart(const std::array<GeomanticFigure, 8>& castings) {
    ShieldChart chart;
    auto& figures = chart.figures;
    for (std::size_t k = 0; k < castings.size(); ++k)
        figures[k] = castings[k];
    for (std::size_t child = slotOf(ShieldPlace::Niece1); child <= slotOf(ShieldPlace::Judge);
         ++child)
        figures[child] = addFigures(figures[firstParent(child)], figures[firstParent(child) + 1]);
    figures[slotOf(ShieldPlace::Reconciler)] =
        addFigures(figures[slotOf(ShieldPlace::Judge)], figures[slotOf(ShieldPlace::Mother1)]);

    // The Daughters hold the Mothers' lines transposed, so every line of the
    // Judge adds each single dot of the eight an even number of times.
    assert(dotCount(figures[slotOf(ShieldPlace::Judge)]) % 2 == 0 &&
           "the Daughters are not the transposition of the Mothers");

    // A single dot is the sum of one single and one pair, so exactly one
    // parent of a single-headed figure has a single head: the path is one
    // chain from the Judge to a Mother or Daughter. A pair in the Judge's
    // head comes from two singles or two pairs and starts no path.
    if (figures[slotOf(ShieldPlace::Judge)].lines[0] == 1) {
        std::size_t place = slotOf(ShieldPlace::Judge);
        for (;;) {
            chart.viaPuncti[static_cast<std::size_t>(chart.viaPunctiLength++)] =
                static_cast<ShieldPlace>(place);
            if (place < slotOf(ShieldPlace::Niece1))
                break;
            const std::size_t right = firstParent(place);
            place = figures[right].lines[0] == 1 ? right : right + 1;
        }
    }

    int dots = 0;
    for (std::size_t place = 0; place <= slotOf(ShieldPlace::Niece4); ++place)
        dots += dotCount(figures[place]);
    chart.index = dots % 12 == 0 ? 12 : dots % 12;
    return chart;
}

} // namespace geomancy
