#include "cli/ReadingStream.h"

#include "cli/CastReading.h"
#include "cli/ReadingJsonWriter.h"
#include "cli/TextFormat.h"

#include <string>

namespace cli {

namespace {

constexpr std::size_t BufferSize = 1 << 16;

bool flush(std::string& buffer, std::FILE* out) {
    const bool written = std::fwrite(buffer.data(), 1, buffer.size(), out) == buffer.size();
    buffer.clear();
    return written;
}

} // namespace

bool writeReadings(int count, OutputFormat format, const ReadingMethods& methods,
                   geomancy::RandomSource& random, std::FILE* out) {
    const ReadingJsonWriter writer;
    std::string buffer;
    buffer.reserve(2 * BufferSize);
    for (int i = 0; i < count; ++i) {
        const ReadingResult reading = castReading(random, methods);
        if (format == OutputFormat::Json) {
            writer.append(reading, buffer);
        } else {
            if (i > 0)
                buffer += '\n';
            buffer += formatText(reading).toStdString();
        }
        if (buffer.size() >= BufferSize && !flush(buffer, out))
            return false;
    }
    return flush(buffer, out) && std::fflush(out) == 0;
}

} // namespace cli
