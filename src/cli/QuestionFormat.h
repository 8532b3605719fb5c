#pragma once

#include "cli/CastReading.h"

#include "geomancy/Judgement.h"
#include "geomancy/ShieldChart.h"

#include <QStringList>

namespace cli {

// The twelve houses of the scheme, each with its sign, shield place and figure.
QStringList houseChartText(const geomancy::ShieldChart& shield, const ReadingMethods& methods);

// The question of `methods.quesited` judged: every indication with its
// weight and reason, the total and verdict, and the company of the two pairs.
QStringList judgementText(const geomancy::ShieldChart& shield, const ReadingMethods& methods);

// The catalogue name of a figure of the shield.
QString figureName(const geomancy::GeomanticFigure& figure);

} // namespace cli
