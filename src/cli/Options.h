#pragma once

#include "cli/CastReading.h"

#include <QString>

#include <cstdint>
#include <optional>

class QCommandLineParser;

namespace cli {

enum class OutputFormat { Text, Json };

// What the command line asks for, once every value has been checked.
struct Options {
    OutputFormat format = OutputFormat::Text;
    std::optional<std::uint64_t> seed;
    std::optional<CastLineValues> lines; // from --lines or --figures
    std::optional<int> count;            // --count: readings in bulk, 1 to MaxCount
    ReadingMethods methods;              // --house-chart, --index, --via-puncti, --question
    std::optional<QString> check;        // --check: a file of readings, "-" for standard input
    bool verify = false;                 // --verify: the self-check over every set of Mothers
};

constexpr int MaxCount = 1000000;

// Options, or the one-line reason why the command line was refused.
struct ParsedOptions {
    Options options;
    QString error; // empty when the command line is good
};

// Declares --seed, --lines, --figures, --count, --format, --house-chart,
// --question, --index, --via-puncti, --check and --verify (not --help and
// --version).
void addReadingOptions(QCommandLineParser& parser);

// Checks the values of a parser that has already parsed the arguments.
ParsedOptions readReadingOptions(const QCommandLineParser& parser);

// The help text above the list of options: generator, seeding and JSON keys.
QString readingDescription();

} // namespace cli
