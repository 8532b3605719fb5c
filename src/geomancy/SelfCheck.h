#pragma once

#include "geomancy/ShieldChart.h"

#include <array>
#include <string>
#include <vector>

namespace geomancy {

// One rule every chart keeps, counted over all 65,536 sets of Mothers.
struct RuleTally {
    std::string rule; // what holds, in words
    long count = 0;   // how many times it was seen to hold
    bool holds = false;
};

constexpr long MotherSets = 1L << 16; // sixteen lines, each 1 or 2

using ShieldDrawer = ShieldChart (*)(const std::array<GeomanticFigure, 8>& castings);

// Casts every set of Mothers through the reading's presses, draws each chart
// with `draw` and tallies the rules: the Judge is one of the eight even
// figures, each 8,192 times; the Reconciler is the Judge plus Mother 1; the
// single dots of houses 1-12 add up to an even number; both Index methods
// fall in an even house; the single-dot Via Puncti ends at each Mother and
// Daughter 4,096 times and is absent 32,768 times; each house-chart scheme
// places each shield figure once; the catalogue holds sixteen distinct
// patterns.
std::vector<RuleTally> tallyRules(ShieldDrawer draw = drawShieldChart);

} // namespace geomancy
