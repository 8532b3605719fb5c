#include "geomancy/HouseChart.h"

namespace geomancy {

namespace {

using P = ShieldPlace;

const std::array<const char*, HouseSchemeCount> SchemeNames{"sequential", "agrippa", "golden-dawn"};

// The place in each house, house 1 first. Agrippa's map from the shield:
// M1 -> 1, M2 -> 10, M3 -> 7, M4 -> 4; D1 -> 2, D2 -> 11, D3 -> 8, D4 -> 5;
// N1 -> 3, N2 -> 12, N3 -> 9, N4 -> 6. The Golden Dawn's: M1 -> 10, M2 -> 1,
// M3 -> 4, M4 -> 7; D1 -> 11, D2 -> 2, D3 -> 5, D4 -> 8; N1 -> 12, N2 -> 3,
// N3 -> 6, N4 -> 9.
const std::array<std::array<ShieldPlace, HouseCount>, HouseSchemeCount> Places{{
    {P::Mother1, P::Mother2, P::Mother3, P::Mother4, P::Daughter1, P::Daughter2, P::Daughter3,
     P::Daughter4, P::Niece1, P::Niece2, P::Niece3, P::Niece4},
    {P::Mother1, P::Daughter1, P::Niece1, P::Mother4, P::Daughter4, P::Niece4, P::Mother3,
     P::Daughter3, P::Niece3, P::Mother2, P::Daughter2, P::Niece2},
    {P::Mother2, P::Daughter2, P::Niece2, P::Mother3, P::Daughter3, P::Niece3, P::Mother4,
     P::Daughter4, P::Niece4, P::Mother1, P::Daughter1, P::Niece1},
}};

} // namespace

const char* houseSchemeName(HouseScheme scheme) {
    return SchemeNames[static_cast<std::size_t>(scheme)];
}

std::optional<HouseScheme> findHouseScheme(const std::string& name) {
    for (std::size_t s = 0; s < SchemeNames.size(); ++s) {
        if (name == SchemeNames[s])
            return static_cast<HouseScheme>(s);
    }
    return std::nullopt;
}

ShieldPlace placeInHouse(HouseScheme scheme, int house) {
    return Places[static_cast<std::size_t>(scheme)].at(static_cast<std::size_t>(house - 1));
}

HouseChart setInHouses(const ShieldChart& shield, HouseScheme scheme) {
    HouseChart chart;
    chart.scheme = scheme;
    chart.places = Places[static_cast<std::size_t>(scheme)];
    for (std::size_t h = 0; h < chart.places.size(); ++h)
        chart.figures[h] = shield[chart.places[h]];
    return chart;
}

bool nextTo(int house, int other) {
    const int d = ((house - other) % HouseCount + HouseCount) % HouseCount;
    return d == 1 || d == HouseCount - 1;
}

} // namespace geomancy
