#pragma once

#include "cli/CastReading.h"

#include <QString>
#include <QStringList>

namespace cli {

// The reading for a terminal: no line longer than TextWidth characters,
// lines ended by '\n'.
constexpr int TextWidth = 80;
QString formatText(const ReadingResult& reading);

// Greedy word wrap of `text` into lines of at most `width` characters.
QStringList wrapped(const QString& text, int width);

} // namespace cli
