#include "cli/Options.h"

#include "cli/FigureNames.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace cli {

namespace {

const QString SeedName = QStringLiteral("seed");
const QString LinesName = QStringLiteral("lines");
const QString FormatName = QStringLiteral("format");
const QString FiguresName = QStringLiteral("figures");
const QString CountName = QStringLiteral("count");

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

std::optional<int> parseCount(const QString& text, QString& error) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,7}$"));
    const int count = digits.match(text).hasMatch() ? text.toInt() : 0;
    if (count < 1 || count > MaxCount) {
        error = QStringLiteral("--count %1 is not a whole number from 1 to %2")
                    .arg(quoted(text))
                    .arg(MaxCount);
        return std::nullopt;
    }
    return count;
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
    parser.addOption({FiguresName,
                      QStringLiteral("Castings 1-4 by figure name, e.g. "
                                     "via,fortuna-major,PUER,caput draconis (any case; blanks, "
                                     "hyphens and underscores optional)."),
                      QStringLiteral("NAME,NAME,NAME,NAME")});
    parser.addOption({CountName,
                      QStringLiteral("Cast N readings (1 to 1000000) from one generator: "
                                     "JSON Lines with --format json, else texts separated "
                                     "by a blank line."),
                      QStringLiteral("N")});
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
    for (const QString& name : {SeedName, LinesName, FiguresName, CountName, FormatName}) {
        if (parser.values(name).size() > 1) {
            error = QStringLiteral("--%1 is given more than once").arg(name);
            return parsed;
        }
    }
    if (parser.isSet(LinesName) && parser.isSet(FiguresName)) {
        error = QStringLiteral("--lines and --figures exclude each other: both give castings 1-4");
        return parsed;
    }
    for (const QString& name : {LinesName, FiguresName}) {
        if (parser.isSet(SeedName) && parser.isSet(name)) {
            error = QStringLiteral("--seed and --%1 exclude each other: hand-cast lines draw "
                                   "nothing")
                        .arg(name);
            return parsed;
        }
        if (parser.isSet(CountName) && parser.isSet(name)) {
            error = QStringLiteral("--count and --%1 exclude each other: hand-cast lines make "
                                   "one reading")
                        .arg(name);
            return parsed;
        }
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
    if (parser.isSet(CountName)) {
        parsed.options.count = parseCount(parser.value(CountName), error);
        if (!parsed.options.count)
            return parsed;
    }
    if (parser.isSet(LinesName))
        parsed.options.lines = parseLines(parser.value(LinesName), error);
    if (parser.isSet(FiguresName))
        parsed.options.lines = parseFigureNames(parser.value(FiguresName), error);
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
        "--figures names the four Mothers instead of their lines; --count N casts\n"
        "N readings from one generator (with --seed S the first is the reading of\n"
        "--seed S alone). Hand-cast readings (--lines, --figures) are one reading:\n"
        "they take neither --seed nor --count.\n"
        "\n"
        "The shield chart: castings 1-4 are the Mothers, 5-8 the Daughters; the\n"
        "Nieces add Mothers 1+2, 3+4 and Daughters 1+2, 3+4 line by line (an odd\n"
        "total of dots gives one dot, an even total two), the Right and Left\n"
        "Witness add Nieces 1+2 and 3+4, the Judge adds the Witnesses and the\n"
        "Reconciler the Judge and Mother 1. The Via Puncti follows the single dot\n"
        "of the Judge's head up to one Mother or Daughter; a Judge with two dots\n"
        "in its head has none. The Index is the house given by the dots of the\n"
        "Mothers, Daughters and Nieces modulo 12 (0 is 12).\n"
        "\n"
        "--format json writes one object (one per line with --count); the keys\n"
        "of every object are in alphabetical order:\n"
        "  castings  eight objects in casting order: casting (\"Ascendant\",\n"
        "            \"Sun\", ...), figure, house (1-12), lines (head first),\n"
        "            number (1-8); figure holds the figure's catalogue row:\n"
        "            bodyPart, day, direction, element, keyword, name, planet,\n"
        "            quality, sign, significance, title\n"
        "  houses    twelve objects: ascendant (true for house 1), house\n"
        "            (1-12), planets (in casting order), sign\n"
        "  lines     the sixteen line values of castings 1-4\n"
        "  shield    daughters, mothers, nieces (four figures each), judge,\n"
        "            leftWitness, reconciler, rightWitness (each lines, name,\n"
        "            title), index (1-12) and viaPuncti (\"Judge\", a Witness, a\n"
        "            Niece, a Mother or Daughter; empty without a path)\n"
        "\n"
        "Exit status: 0 on success, 2 for bad input (nothing is printed then\n"
        "but a one-line message on standard error).");
}

} // namespace cli
