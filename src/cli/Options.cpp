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
const QString HouseChartName = QStringLiteral("house-chart");
const QString QuestionName = QStringLiteral("question");
const QString IndexName = QStringLiteral("index");
const QString ViaPunctiName = QStringLiteral("via-puncti");
const QString CheckName = QStringLiteral("check");
const QString VerifyName = QStringLiteral("verify");

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

std::optional<int> parseQuestion(const QString& text, QString& error) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,2}$"));
    const int house = digits.match(text).hasMatch() ? text.toInt() : 0;
    if (house < 2 || house > geomancy::HouseCount) {
        error = QStringLiteral("--question %1 is not a house from 2 to 12 (the querent is house 1)")
                    .arg(quoted(text));
        return std::nullopt;
    }
    return house;
}

// The value of a method option, one of the names the model knows it by.
template <typename Method>
bool parseMethod(const QCommandLineParser& parser, const QString& option,
                 std::optional<Method> (*find)(const std::string&), const QString& names,
                 Method& method, QString& error) {
    if (!parser.isSet(option))
        return true;
    const QString value = parser.value(option);
    if (const std::optional<Method> found = find(value.toStdString())) {
        method = *found;
        return true;
    }
    error = QStringLiteral("unknown --%1 %2; use %3").arg(option, quoted(value), names);
    return false;
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
    parser.addOption({HouseChartName,
                      QStringLiteral("How the twelve shield figures are set in the houses: "
                                     "sequential (default), agrippa or golden-dawn."),
                      QStringLiteral("SCHEME")});
    parser.addOption({QuestionName,
                      QStringLiteral("Judge the quesited house H (2 to 12) against house 1, "
                                     "the querent, in the house chart."),
                      QStringLiteral("H")});
    parser.addOption({IndexName,
                      QStringLiteral("Count the Index from every dot of houses 1-12 (points, "
                                     "the default) or their single dots (singles)."),
                      QStringLiteral("points|singles")});
    parser.addOption({ViaPunctiName,
                      QStringLiteral("Trace the Via Puncti by the single dot (single, the "
                                     "default) or by every matching head (branching)."),
                      QStringLiteral("single|branching")});
    parser.addOption({CheckName,
                      QStringLiteral("Work again every reading of FILE (written by --format json; "
                                     "- is standard input) and report where it differs."),
                      QStringLiteral("FILE")});
    parser.addOption({VerifyName, QStringLiteral("Check the rules every chart keeps over all "
                                                 "65,536 sets of Mothers.")});
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
    const QStringList all{SeedName,      LinesName,      FiguresName,  CountName,
                          FormatName,    HouseChartName, QuestionName, IndexName,
                          ViaPunctiName, CheckName,      VerifyName};
    for (const QString& name : all) {
        if (parser.values(name).size() > 1) {
            error = QStringLiteral("--%1 is given more than once").arg(name);
            return parsed;
        }
    }
    for (const QString& alone : {CheckName, VerifyName}) {
        for (const QString& name : all) {
            if (name != alone && parser.isSet(alone) && parser.isSet(name)) {
                error =
                    QStringLiteral("--%1 takes no other option: %2")
                        .arg(alone, alone == CheckName
                                        ? QStringLiteral("each reading's file names its methods")
                                        : QStringLiteral("it checks every set of Mothers"));
                return parsed;
            }
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
    ReadingMethods& methods = parsed.options.methods;
    if (!parseMethod(parser, HouseChartName, &geomancy::findHouseScheme,
                     QStringLiteral("sequential, agrippa or golden-dawn"), methods.scheme, error) ||
        !parseMethod(parser, IndexName, &geomancy::findIndexMethod,
                     QStringLiteral("points or singles"), methods.index, error) ||
        !parseMethod(parser, ViaPunctiName, &geomancy::findViaPunctiMethod,
                     QStringLiteral("single or branching"), methods.viaPuncti, error))
        return parsed;
    if (parser.isSet(QuestionName)) {
        methods.quesited = parseQuestion(parser.value(QuestionName), error);
        if (!methods.quesited)
            return parsed;
    }
    if (parser.isSet(CheckName))
        parsed.options.check = parser.value(CheckName);
    parsed.options.verify = parser.isSet(VerifyName);

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
        "in its head has none (--via-puncti branching follows every figure whose\n"
        "head line equals the Judge's and lists every path). The Index is the\n"
        "house given by the dots of the Mothers, Daughters and Nieces modulo 12\n"
        "(0 is 12); --index singles counts their single dots only.\n"
        "\n"
        "The house chart sets those twelve figures in the houses: sequential\n"
        "(house n is place n), agrippa (M1 1, M2 10, M3 7, M4 4, D1 2, D2 11, D3 8,\n"
        "D4 5, N1 3, N2 12, N3 9, N4 6) or golden-dawn (M1 10, M2 1, M3 4, M4 7,\n"
        "D1 11, D2 2, D3 5, D4 8, N1 12, N2 3, N3 6, N4 9). --question H judges\n"
        "house H against house 1: occupation +5, conjunction, mutation and\n"
        "translation +4 (each once), trine and sextile +3, square -3, opposition\n"
        "-4 (each aspect), impedition -5; and the company of both pairs of houses.\n"
        "The manual page azivoder-reading(1) states every rule.\n"
        "\n"
        "--check FILE works again every reading --format json wrote and reports\n"
        "each place where the file differs (exit 1); --verify checks the rules\n"
        "every chart keeps over all 65,536 sets of Mothers.\n"
        "\n"
        "--format json writes one object (one per line with --count); the keys\n"
        "of every object are in alphabetical order:\n"
        "  castings  eight objects in casting order: casting (\"Ascendant\",\n"
        "            \"Sun\", ...), figure, house (1-12), lines (head first),\n"
        "            number (1-8); figure holds the figure's catalogue row:\n"
        "            bodyPart, day, direction, element, keyword, name, planet,\n"
        "            quality, sign, significance, title\n"
        "  houseChart  houses (twelve: figure, house, place) and scheme\n"
        "  houses    twelve objects: ascendant (true for house 1), house\n"
        "            (1-12), planets (in casting order), sign\n"
        "  judgement with --question: companies, indications (direction,\n"
        "            figures, houses, kind, weight), querent, quesited, total,\n"
        "            verdict\n"
        "  lines     the sixteen line values of castings 1-4\n"
        "  shield    daughters, mothers, nieces (four figures each), judge,\n"
        "            leftWitness, reconciler, rightWitness (each lines, name,\n"
        "            title), index (1-12), indexMethod, viaPuncti (\"Judge\", a\n"
        "            Witness, a Niece, a Mother or Daughter; empty without a\n"
        "            path), viaPunctiMethod and viaPunctiPaths (the method's)\n"
        "\n"
        "Exit status: 0 on success, 1 for a reading --check finds altered or a\n"
        "rule --verify finds broken, 2 for bad input (nothing is printed then\n"
        "but a one-line message on standard error).");
}

} // namespace cli
