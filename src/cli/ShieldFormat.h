#pragma once

#include "cli/CastReading.h"

#include "geomancy/ShieldChart.h"

#include <QStringList>

namespace cli {

// The shield chart of a reading's eight castings.
geomancy::ShieldChart shieldOf(const ReadingResult& reading);

// "house 3 (Gemini)": a house with its sign, as every text names one.
QString houseName(int number);

// The shield as a picture of dots in the usual layout (Mothers and
// Daughters on top, right to left, the Nieces, Witnesses and Judge below),
// a legend naming every figure, the Via Puncti and the Index by the methods.
QStringList shieldText(const geomancy::ShieldChart& shield, const ReadingMethods& methods);

} // namespace cli
