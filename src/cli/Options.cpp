#include "cli/Options.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace cli {

namespace {

const QString SeedName = QStringLiteral("seed");
const QString LinesName = QStringLiteral("lines");
const QString FormatName = QStringLiteral("format");

QString quoted(const QString& text) {
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

std::optional<std::uint64_t> parseSeed(const QString& text, QString& error) {
    // Digits only: no sign, no blanks, no hexadecimal, nothing the reader
    // might take for a different number.
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    bool ok = digits.match(text).hasMatch();
    const qulonglong seed = ok ? text.toULongLong(&ok) : 0;
    if (!ok) {
        error = QStringLiteral("--seed %1 is not a whole number from 0 to 18446744073709551615")
                    .arg(quoted(text));
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(seed);
}

std::optional<CastLineValues> parseLines(const QString& text, QString& error) {
    const QStringList values = text.split(QLatin1Char(','));
    CastLineValues lines{};
    if (values.size() != static_cast<qsizetype>(lines.size())) {
        error = QStringLiteral("--lines needs %1 values separated by commas, found %2")
                    .arg(lines.size())
                    .arg(values.size());
        return std::nullopt;
    }
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QString value = values[i].trimmed();
        if (value != QLatin1String("1") && value != QLatin1String("2")) {
            error = QStringLiteral("--lines value %1 is %2; each value must be 1 or 2")
                        .arg(i + 1)
                        .arg(quoted(values[i]));
            return std::nullopt;
        }
        lines[static_cast<std::size_t>(i)] = static_cast<geomancy::LineValue>(value.toShort());
    }
    return lines;
}

} // namespace

void addReadingOptions(QCommandLineParser& parser) {
    parser.addOption({SeedName,
                      QStringLiteral("Cast a reproducible reading from seed N "
                                     "(0 to 18446744073709551615)."),
                      QStringLiteral("N")});
    parser.addOption({LinesName,
                      QStringLiteral("Castings 1-4 cast by hand: sixteen values, each 1 or 2, "
                                     "casting 1 first, head line first."),
                      QStringLiteral("V1,...,V16")});
    parser.addOption({FormatName, QStringLiteral("Output format: text (default) or json."),
                      QStringLiteral("text|json"), QStringLiteral("text")});
}

ParsedOptions readReadingOptions(const QCommandLineParser& parser) {
    ParsedOptions parsed;
    QString& error = parsed.error;

    if (!parser.positionalArguments().isEmpty()) {
        // Worded as Qt words an unknown option, and as the window program
        // refuses a stray argument.
        error = QStringLiteral("Unexpected argument %1.")
                    .arg(quoted(parser.positionalArguments().first()));
        return parsed;
    }
    for (const QString& name : {SeedName, LinesName, FormatName}) {
        if (parser.values(name).size() > 1) {
            error = QStringLiteral("--%1 is given more than once").arg(name);
            return parsed;
        }
    }
    if (parser.isSet(SeedName) && parser.isSet(LinesName)) {
        error =
            QStringLiteral("--seed and --lines exclude each other: hand-cast lines draw nothing");
        return parsed;
    }

    const QString format = parser.value(FormatName);
    if (format == QLatin1String("text")) {
        parsed.options.format = OutputFormat::Text;
    } else if (format == QLatin1String("json")) {
        parsed.options.format = OutputFormat::Json;
    } else {
        error = QStringLiteral("unknown format %1; use text or json").arg(quoted(format));
        return parsed;
    }

    if (parser.isSet(SeedName)) {
        parsed.options.seed = parseSeed(parser.value(SeedName), error);
        if (!parsed.options.seed)
            return parsed;
    }
    if (parser.isSet(LinesName))
        parsed.options.lines = parseLines(parser.value(LinesName), error);
    return parsed;
}

QString readingDescription() {
    return QStringLiteral(
        "Casts a geomancy reading as the program's window does and prints it:\n"
        "eight castings (Ascendant, Sun, Moon, Venus drawn; Mercury, Saturn,\n"
        "Jupiter, Mars formed from their lines), each named as a figure, and the\n"
        "Ascendant and seven planets placed in the twelve houses.\n"
        "\n"
        "Random lines come from the std::mt19937 engine. Without --seed it is\n"
        "seeded from the clock, as in the program. --seed N seeds it with\n"
        "std::seed_seq{N mod 2^32, N div 2^32}. Each line value takes the next\n"
        "32-bit output x: r = floor(x / 256) / 2^24, and the value is 1 if\n"
        "r < 0.5, else 2. The C++ standard fixes the engine and the seed\n"
        "sequence, so a seed gives the same reading on every run and platform.\n"
        "The line values atop the text output, given to --lines, repeat a reading.\n"
        "\n"
        "--format json writes one object; the keys of every object are in\n"
        "alphabetical order:\n"
        "  castings  eight objects in casting order: casting (\"Ascendant\",\n"
        "            \"Sun\", ...), figure, house (1-12), lines (head first),\n"
        "            number (1-8); figure holds the figure's catalogue row:\n"
        "            bodyPart, day, direction, element, keyword, name, planet,\n"
        "            quality, sign, significance, title\n"
        "  houses    twelve objects: ascendant (true for house 1), house\n"
        "            (1-12), planets (in casting order), sign\n"
        "  lines     the sixteen line values of castings 1-4\n"
        "\n"
        "Exit status: 0 on success, 2 for bad input (nothing is printed then\n"
        "but a one-line message on standard error).");
}

} // namespace cli
