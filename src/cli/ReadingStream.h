#pragma once

#include "cli/Options.h"

#include "geomancy/RandomSource.h"

#include <cstdio>

namespace cli {

// Casts `count` readings one after another from `random` and writes each as
// soon as it is made: JSON Lines, or texts separated by a blank line. Only
// a fixed-size buffer is held, however many readings there are. False when
// writing failed.
bool writeReadings(int count, OutputFormat format, const ReadingMethods& methods,
                   geomancy::RandomSource& random, std::FILE* out);

} // namespace cli
