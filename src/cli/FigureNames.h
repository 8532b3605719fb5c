#pragma once

#include "cli/CastReading.h"

#include <QString>

#include <optional>

namespace cli {

// The four Mothers by name, separated by commas, as the sixteen line values
// of castings 1-4; std::nullopt and a one-line reason when a name is wrong.
// A name is written as people like: any case, with blanks, hyphens and
// underscores where they like or none at all: "fortuna-major",
// "Fortuna_Major", "FORTUNAMAJOR" all name FORTUNA MAJOR.
std::optional<CastLineValues> parseFigureNames(const QString& text, QString& error);

} // namespace cli
