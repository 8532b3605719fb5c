#pragma once

#include "cli/CastReading.h"

#include "geomancy/ShieldChart.h"

#include <QStringList>

namespace cli {

// The shield chart of a reading's eight castings.
geomancy::ShieldChart shieldOf(const ReadingResult& reading);

// Catalogue row of each of the sixteen figures (indexed by its four lines,
// head line first, as the bits of (line - 1) from the head down).
int catalogueRowOf(const geomancy::GeomanticFigure& figure);

// The shield as a picture of dots in the usual layout (Mothers and
// Daughters on top, right to left, the Nieces, Witnesses and Judge below),
// a legend naming every figure, the Via Puncti and the Index.
QStringList shieldText(const geomancy::ShieldChart& shield);

} // namespace cli
