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

const std::array<const char*, 2> IndexMethodNames{"points", "singles"};
const std::array<const char*, 2> ViaPunctiMethodNames{"single", "branching"};

template <typename Method>
std::optional<Method> findMethod(const std::array<const char*, 2>& names, const std::string& name) {
    for (std::size_t m = 0; m < names.size(); ++m) {
        if (name == names[m])
            return static_cast<Method>(m);
    }
    return std::nullopt;
}

// Extends `path` (ending at a place whose head matches) up the shield.
void branch(const ShieldChart& chart, LineValue head, std::vector<ShieldPlace>& path,
            std::vector<std::vector<ShieldPlace>>& paths) {
    const std::size_t place = slotOf(path.back());
    bool extended = false;
    if (place >= slotOf(ShieldPlace::Niece1)) {
        for (std::size_t parent = firstParent(place); parent <= firstParent(place) + 1; ++parent) {
            if (chart.figures[parent].lines[0] != head)
                continue;
            extended = true;
            path.push_back(static_cast<ShieldPlace>(parent));
            branch(chart, head, path, paths);
            path.pop_back();
        }
    }
    if (!extended)
        paths.push_back(path);
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

int singleDotCount(const GeomanticFigure& figure) {
    int singles = 0;
    for (LineValue value : figure.lines)
        singles += value == 1 ? 1 : 0;
    return singles;
}

const char* indexMethodName(IndexMethod method) {
    return IndexMethodNames[static_cast<std::size_t>(method)];
}

std::optional<IndexMethod> findIndexMethod(const std::string& name) {
    return findMethod<IndexMethod>(IndexMethodNames, name);
}

const char* viaPunctiMethodName(ViaPunctiMethod method) {
    return ViaPunctiMethodNames[static_cast<std::size_t>(method)];
}

std::optional<ViaPunctiMethod> findViaPunctiMethod(const std::string& name) {
    return findMethod<ViaPunctiMethod>(ViaPunctiMethodNames, name);
}

int indexHouse(const ShieldChart& chart, IndexMethod method) {
    if (method == IndexMethod::Points)
        return chart.index;
    int singles = 0;
    for (std::size_t place = 0; place <= slotOf(ShieldPlace::Niece4); ++place)
        singles += singleDotCount(chart.figures[place]);
    return singles % 12 == 0 ? 12 : singles % 12;
}

std::vector<std::vector<ShieldPlace>> viaPunctiPaths(const ShieldChart& chart,
                                                     ViaPunctiMethod method) {
    std::vector<std::vector<ShieldPlace>> paths;
    if (method == ViaPunctiMethod::Single) {
        if (chart.viaPunctiLength > 0)
            paths.emplace_back(chart.viaPuncti.begin(),
                               chart.viaPuncti.begin() + chart.viaPunctiLength);
        return paths;
    }
    std::vector<ShieldPlace> path{ShieldPlace::Judge};
    branch(chart, chart[ShieldPlace::Judge].lines[0], path, paths);
    return paths;
}

} // namespace geomancy
