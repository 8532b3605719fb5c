#pragma once

#include "cli/CastReading.h"

#include <QString>

namespace cli {

// The reading for a terminal: no line longer than TextWidth characters,
// lines ended by '\n'.
constexpr int TextWidth = 80;
QString formatText(const ReadingResult& reading);

} // namespace cli
