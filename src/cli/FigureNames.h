#pragma once

#include "cli/CastReading.h"

#include <QString>

#include <optional>

namespace cli {

// The catalogue row of a figure name as people write it: any case, with
// blanks, hyphens and underscores where they like or none at all:
// "fortuna-major", "Fortuna_Major", "FORTUNAMAJOR" all name FORTUNA MAJOR.
std::optional<int> figureRowByName(const QString& name);

// The four Mothers by name, separated by commas, as the sixteen line values
// of castings 1-4; std::nullopt and a one-line reason when a name is wrong.
std::optional<CastLineValues> parseFigureNames(const QString& text, QString& error);

} // namespace cli
