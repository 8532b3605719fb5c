#pragma once

#include "cli/CastReading.h"

#include <QByteArray>

namespace cli {

// The reading as one indented JSON object, keys in alphabetical order (as
// QJsonObject keeps them), ending in a newline.
QByteArray formatJson(const ReadingResult& reading);

} // namespace cli
