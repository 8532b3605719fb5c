// azivoder-reading as a user or a script meets it: a separate process with
// no display, its exit status and its two output streams.
#include "geomancy/FigureCatalogue.h"
#include "support/Casting.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

#ifndef READING_TOOL
#error "READING_TOOL must name the azivoder-reading executable"
#endif

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // No display and a platform plugin that does not exist: a tool that
    // reached for the GUI would fail here.
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    process.setProcessEnvironment(environment);
    // Text mode: on Windows the tool ends its lines with \r\n, as consoles there expect.
    process.start(QStringLiteral(READING_TOOL), arguments, QIODevice::ReadWrite | QIODevice::Text);
    Run result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QStringList textLines(const QByteArray& output) {
    QStringList lines = QString::fromUtf8(output).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// A reading in plain lines, so that the text and the JSON output can be
// compared line by line with a readable failure message:
//   "input 1,2,...", "casting 1 Ascendant house 1 lines 1211 PUELLA",
//   "casting 1 keyword: Peace" (one line per attribute),
//   "house 11 Aquarius: Venus, Saturn".
// Texts are compared without surrounding blanks, which a terminal does not show.
QStringList describeText(const QByteArray& output) {
    static const QRegularExpression header(
        QStringLiteral(R"(^Casting (\d): (\w+), house (\d+) \(\w+\)$)"));
    static const QRegularExpression nameAndTitle(QStringLiteral(R"(^(.+?) \((.+)\)$)"));
    static const QRegularExpression fieldBreak(
        QStringLiteral(R"(\s{3,}(?=[A-Z][a-z]+( [a-z]+)?: ))"));
    static const QRegularExpression house(QStringLiteral(R"(^ *(\d+)  (\w+) *(.*)$)"));
    const QStringList lines = textLines(output);
    const qsizetype houses = lines.indexOf(QStringLiteral("Houses"));
    QStringList description{QStringLiteral("input ") +
                            lines.value(0).section(QStringLiteral(": "), 1)};
    for (qsizetype i = 1; i < houses; ++i) {
        const auto block = header.match(lines[i]);
        if (!block.hasMatch())
            continue;
        const QString k = block.captured(1);
        QString dots;
        for (int j = 1; j <= 4; ++j)
            dots += lines.value(i + j).left(11).trimmed() == QLatin1String("*") ? '1' : '2';
        const auto figure = nameAndTitle.match(lines.value(i + 1).mid(11));
        description << QStringLiteral("casting %1 %2 house %3 lines %4 %5")
                           .arg(k, block.captured(2), block.captured(3), dots, figure.captured(1))
                    << QStringLiteral("casting %1 title: %2").arg(k, figure.captured(2).trimmed());
        for (int j = 2; j <= 4; ++j) {
            for (const QString& field : lines.value(i + j).mid(11).split(fieldBreak))
                description << QStringLiteral("casting %1 %2: %3")
                                   .arg(k, field.section(QStringLiteral(": "), 0, 0).toLower(),
                                        field.section(QStringLiteral(": "), 1).trimmed());
        }
        QStringList significance;
        for (qsizetype j = i + 5; j < houses && !lines[j].isEmpty(); ++j)
            significance << lines[j].trimmed();
        description << QStringLiteral("casting %1 significance: %2").arg(k, significance.join(' '));
    }
    qsizetype i = houses + 1;
    for (; houses > 0 && i < lines.size() && !lines[i].isEmpty(); ++i) {
        const auto cell = house.match(lines[i]);
        description << QStringLiteral("house %1 %2: %3")
                           .arg(cell.captured(1), cell.captured(2), cell.captured(3));
    }
    // The shield's legend: "  M1  Mother 1       PUELLA (Puella - Girl)".
    static const QRegularExpression legend(
        QStringLiteral(R"(^  \w+ +([A-Z][a-z]+(?: [A-Z0-9][a-z]*)?) +([A-Z ]+) \((.+)\)$)"));
    for (; i < lines.size(); ++i) {
        const auto entry = legend.match(lines[i]);
        if (entry.hasMatch())
            description << QStringLiteral("shield %1: %2 (%3)")
                               .arg(entry.captured(1), entry.captured(2), entry.captured(3));
        else if (lines[i].startsWith(QLatin1String("Via Puncti: ")))
            description << QStringLiteral("shield ") + lines[i];
        else if (lines[i].startsWith(QLatin1String("Index: "))) // without the house's sign
            description << QStringLiteral("shield ") + lines[i].section(QStringLiteral(" ("), 0, 0);
    }
    return description;
}

QStringList describeJson(const QByteArray& output) {
    const QJsonObject root = QJsonDocument::fromJson(output).object();
    QStringList input;
    for (const QJsonValue& value : root[QStringLiteral("lines")].toArray())
        input << QString::number(value.toInt());
    QStringList description{QStringLiteral("input ") + input.join(',')};
    // The text names the attributes as the window's labels do.
    const QList<QPair<QString, QString>> attributes{{"title", "title"},
                                                    {"keyword", "keyword"},
                                                    {"day", "day"},
                                                    {"element", "element"},
                                                    {"quality", "quality"},
                                                    {"planet", "planet"},
                                                    {"sign", "sign"},
                                                    {"bodyPart", "body part"},
                                                    {"direction", "direction"},
                                                    {"significance", "significance"}};
    for (const QJsonValue& value : root[QStringLiteral("castings")].toArray()) {
        const QJsonObject casting = value.toObject();
        const QJsonObject figure = casting[QStringLiteral("figure")].toObject();
        const QString k = QString::number(casting[QStringLiteral("number")].toInt());
        QString dots;
        for (const QJsonValue& line : casting[QStringLiteral("lines")].toArray())
            dots += QString::number(line.toInt());
        description << QStringLiteral("casting %1 %2 house %3 lines %4 %5")
                           .arg(k, casting[QStringLiteral("casting")].toString(),
                                QString::number(casting[QStringLiteral("house")].toInt()), dots,
                                figure[QStringLiteral("name")].toString());
        for (const auto& [key, label] : attributes)
            description << QStringLiteral("casting %1 %2: %3")
                               .arg(k, label, figure[key].toString().trimmed());
    }
    for (const QJsonValue& value : root[QStringLiteral("houses")].toArray()) {
        const QJsonObject house = value.toObject();
        QStringList names;
        if (house[QStringLiteral("ascendant")].toBool())
            names << QStringLiteral("Asc");
        for (const QJsonValue& planet : house[QStringLiteral("planets")].toArray())
            names << planet.toString();
        description << QStringLiteral("house %1 %2: %3")
                           .arg(QString::number(house[QStringLiteral("house")].toInt()),
                                house[QStringLiteral("sign")].toString(), names.join(", "));
    }
    // The shield in the order and words of the text's legend.
    const QJsonObject shield = root[QStringLiteral("shield")].toObject();
    for (const QString place :
         {"mothers/Mother", "daughters/Daughter", "nieces/Niece", "rightWitness/Right Witness",
          "leftWitness/Left Witness", "judge/Judge", "reconciler/Reconciler"}) {
        const QJsonValue value = shield[place.section('/', 0, 0)];
        const QJsonArray figures = value.isArray() ? value.toArray() : QJsonArray{value};
        for (qsizetype i = 0; i < figures.size(); ++i)
            description << QStringLiteral("shield %1%2: %3 (%4)")
                               .arg(place.section('/', 1),
                                    value.isArray() ? ' ' + QString::number(i + 1) : QString(),
                                    figures[i]["name"].toString(), figures[i]["title"].toString());
    }
    QStringList path;
    for (const QJsonValue& place : shield["viaPuncti"].toArray())
        path << place.toString();
    description << QStringLiteral("shield Via Puncti: ") +
                       (path.isEmpty() ? QStringLiteral("none (two dots in the Judge's head)")
                                       : path.join(", "))
                << QStringLiteral("shield Index: house %1").arg(shield["index"].toInt());
    return description;
}

QStringList withPrefix(const QStringList& lines, const QString& pattern) {
    return lines.filter(QRegularExpression(pattern));
}

// The sixteen values that the help says --seed N yields, computed here from
// the standard library alone.
QString documentedLines(quint64 n) {
    std::seed_seq sequence{static_cast<std::uint32_t>(n), static_cast<std::uint32_t>(n >> 32)};
    std::mt19937 engine(sequence);
    QStringList values;
    for (int i = 0; i < 16; ++i) {
        const double r = static_cast<double>(engine() / 256) / 16777216.0;
        values << (r < 0.5 ? QStringLiteral("1") : QStringLiteral("2"));
    }
    return values.join(',');
}

// The worked reading the window's tests cast too, as --lines takes it.
QString workedLines() {
    QStringList values;
    for (int value : WorkedReadingLines)
        values << QString::number(value);
    return values.join(',');
}

const QString WorkedLines = workedLines();

// The judgement's indications as "weight kind houses figures direction", from
// the text's table (direction blank but for aspects) or from the JSON.
QStringList judgementOfText(const QByteArray& output) {
    const QStringList lines = textLines(output);
    static const QRegularExpression row(
        QStringLiteral(R"(^ +([+-]?\d+)  ([a-z]+) +(\d+, \d+) *(.*?) *(sinister|dexter)?$)"));
    QStringList found;
    for (qsizetype i = lines.indexOf(QRegularExpression(QStringLiteral("  weight  kind.*"))) + 1;
         i > 0 && i < lines.size() && !lines[i].startsWith(QLatin1String("  Total")); ++i) {
        const auto match = row.match(lines[i]);
        if (match.hasMatch())
            found << QStringList{match.captured(1), match.captured(2), match.captured(3),
                                 match.captured(4), match.captured(5)}
                         .join('/');
    }
    found << lines.filter(QRegularExpression(QStringLiteral("^  Total: |^Company of")));
    return found;
}

QStringList judgementOfJson(const QByteArray& output) {
    const QJsonObject judgement = QJsonDocument::fromJson(output)["judgement"].toObject();
    QStringList found;
    const auto joined = [](const QJsonArray& values) {
        QStringList texts;
        for (const QJsonValue& value : values)
            texts << (value.isString() ? value.toString() : QString::number(value.toInt()));
        return texts.join(", ");
    };
    for (const QJsonValue& value : judgement["indications"].toArray()) {
        const int weight = value["weight"].toInt();
        const QString direction = value["direction"].toString();
        found << QStringList{(weight > 0 ? "+" : "") + QString::number(weight),
                             value["kind"].toString(), joined(value["houses"].toArray()),
                             joined(value["figures"].toArray()),
                             direction == "none" ? QString() : direction}
                     .join('/');
    }
    const int total = judgement["total"].toInt();
    found << QStringLiteral("  Total: %1%2, %3")
                 .arg(total > 0 ? "+" : "")
                 .arg(total)
                 .arg(judgement["verdict"].toString());
    for (const QJsonValue& value : judgement["companies"].toArray()) {
        QStringList kinds;
        for (const QJsonValue& kind : value["kinds"].toArray())
            kinds << kind.toString();
        const QString first = kinds.isEmpty() ? QStringLiteral("none") : kinds.takeFirst();
        found << QStringLiteral("Company of houses %1: %2%3")
                     .arg(joined(value["houses"].toArray()).replace(", ", " and "), first,
                          kinds.isEmpty() ? QString() : " (also " + kinds.join(", ") + ")");
    }
    return found;
}

} // namespace

class TestReadingCli : public QObject {
    Q_OBJECT
private slots:
    void handCastReadingGivesTheWorkedChart_data();
    void handCastReadingGivesTheWorkedChart();
    void jsonAndTextTellTheSameReading();
    void jsonHoldsTheDocumentedKeys();
    void sameSeedGivesTheSameBytes();
    void differentSeedsGiveDifferentReadings();
    void seedDrawsAsTheHelpDescribes();
    void seededReadingIsTheReadingOfItsLines();
    void clockSeededReadingsDiffer();
    void textFitsEightyColumnsForEveryFigure();
    void countAgreesWithSingleReadings_data();
    void countAgreesWithSingleReadings();
    void figuresAreTheReadingOfTheirLines_data();
    void figuresAreTheReadingOfTheirLines();
    void textOfTheSixteenFiguresMatchesTheGoldenFile();
    void badInputIsRefused_data();
    void badInputIsRefused();
    void helpAndVersionSucceed();
    void judgementIsTheSameInTextAndJson_data();
    void judgementIsTheSameInTextAndJson();
    void verifyCountsEveryRule();
    void checkFindsWhatWasAltered_data();
    void checkFindsWhatWasAltered();

private:
    QTemporaryDir files_;
};

void TestReadingCli::handCastReadingGivesTheWorkedChart_data() {
    QTest::addColumn<QString>("format");
    QTest::newRow("as text") << QStringLiteral("text");
    QTest::newRow("as json") << QStringLiteral("json");
}

void TestReadingCli::handCastReadingGivesTheWorkedChart() {
    QFETCH(QString, format);
    const Run r = run({QStringLiteral("--lines"), WorkedLines, QStringLiteral("--format"), format});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.err.isEmpty());
    const QStringList chart =
        format == QLatin1String("json") ? describeJson(r.out) : describeText(r.out);

    QCOMPARE(chart.first(), QStringLiteral("input ") + WorkedLines);
    // Castings 5-8 are the columns of castings 1-4.
    QCOMPARE(withPrefix(chart, QStringLiteral("^casting \\d \\w+ house")),
             (QStringList{"casting 1 Ascendant house 1 lines 1211 PUELLA",
                          "casting 2 Sun house 12 lines 2212 ALBUS",
                          "casting 3 Moon house 4 lines 1111 VIA",
                          "casting 4 Venus house 12 lines 2222 POPULUS",
                          "casting 5 Mercury house 6 lines 1212 AMISSIO",
                          "casting 6 Saturn house 1 lines 2212 ALBUS",
                          "casting 7 Jupiter house 6 lines 1112 CAUDA DRACONIS",
                          "casting 8 Mars house 12 lines 1212 AMISSIO"}));
    QCOMPARE(withPrefix(chart, QStringLiteral("^house")),
             (QStringList{"house 1 Aries: Asc, Saturn",
                          "house 2 Taurus: ", "house 3 Gemini: ", "house 4 Cancer: Moon",
                          "house 5 Leo: ", "house 6 Virgo: Mercury, Jupiter", "house 7 Libra: ",
                          "house 8 Scorpio: ", "house 9 Sagittarius: ", "house 10 Capricorn: ",
                          "house 11 Aquarius: ", "house 12 Pisces: Sun, Venus, Mars"}));
    QVERIFY(chart.contains(QStringLiteral("casting 2 title: Albus - White")));
    QVERIFY(chart.contains(QStringLiteral("casting 7 body part: Left Arm")));
    // The shield, worked by hand. Nieces: 1211+2212 = 1221 CARCER, 1111+2222 = 1111 VIA,
    // 1212+2212 = 1222 LAETITIA, 1112+1212 = 2122 RUBEUS. Witnesses: 1221+1111 = 2112
    // CONJUNCTIO, 1222+2122 = 1122 FORTUNA MINOR. Judge 2112+1122 = 1212 AMISSIO; Reconciler
    // 1212+1211 = 2221 TRISTITIA. The Judge's single head dot comes from the Left Witness,
    // Niece 3 and Daughter 1. Dots: 24 in the Mothers, 24 in the Daughters, 24 in the
    // Nieces; 72 is 0 modulo 12, which counts as house 12.
    for (const char* line :
         {"shield Niece 3: LAETITIA (Laetitia - Joy)", "shield Niece 4: RUBEUS (Rubeus - Red)",
          "shield Right Witness: CONJUNCTIO (Conjunctio - Union)",
          "shield Left Witness: FORTUNA MINOR (Fortuna Minor - The Lesser Fortune)",
          "shield Judge: AMISSIO (Amissio - Loss)",
          "shield Reconciler: TRISTITIA (Tristitia - Sadness)",
          "shield Via Puncti: Judge, Left Witness, Niece 3, Daughter 1", "shield Index: house 12"})
        QVERIFY2(chart.contains(QLatin1String(line)), line);
}

void TestReadingCli::jsonAndTextTellTheSameReading() {
    for (const QStringList& input : {QStringList{"--lines", WorkedLines},
                                     QStringList{"--seed", "7"}, QStringList{"--seed", "2024"}}) {
        const Run text = run(input);
        const Run json = run(input + QStringList{"--format", "json"});
        QCOMPARE(json.exitCode, 0);
        QJsonParseError error;
        QJsonDocument::fromJson(json.out, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(describeText(text.out), describeJson(json.out));
        QCOMPARE(describeJson(json.out).size(), 1 + 8 * 11 + 12 + 16 + 2);
    }
}

void TestReadingCli::jsonHoldsTheDocumentedKeys() {
    const Run r = run({"--seed", "3", "--format", "json"});
    const QJsonObject root = QJsonDocument::fromJson(r.out).object();
    const QJsonObject casting = root["castings"].toArray().at(0).toObject();
    QCOMPARE(root.keys(), (QStringList{"castings", "houseChart", "houses", "lines", "shield"}));
    const Run judged = run({"--seed", "3", "--format", "json", "--question", "5"});
    QCOMPARE(QJsonDocument::fromJson(judged.out).object().keys(),
             (QStringList{"castings", "houseChart", "houses", "judgement", "lines", "shield"}));
    // The shield's keys are pinned by docs/reading.schema.json (cli_json_matches_schema).
    QCOMPARE(casting.keys(), (QStringList{"casting", "figure", "house", "lines", "number"}));
    QCOMPARE(casting["figure"].toObject().keys(),
             (QStringList{"bodyPart", "day", "direction", "element", "keyword", "name", "planet",
                          "quality", "sign", "significance", "title"}));
    QCOMPARE(root["houses"].toArray().at(0).toObject().keys(),
             (QStringList{"ascendant", "house", "planets", "sign"}));
}

void TestReadingCli::sameSeedGivesTheSameBytes() {
    for (const char* format : {"text", "json"}) {
        const Run first = run({"--seed", "7", "--format", format});
        const Run second = run({"--seed", "7", "--format", format});
        QCOMPARE(first.exitCode, 0);
        QVERIFY(!first.out.isEmpty());
        QCOMPARE(first.out, second.out);
    }
}

void TestReadingCli::differentSeedsGiveDifferentReadings() {
    // 1 and 2^32 + 1 differ in the high half only.
    const QByteArray one = run({"--seed", "1"}).out;
    QVERIFY(!one.isEmpty());
    QVERIFY(one != run({"--seed", "2"}).out);
    QVERIFY(one != run({"--seed", "4294967297"}).out);
}

void TestReadingCli::seedDrawsAsTheHelpDescribes() {
    for (quint64 seed :
         {Q_UINT64_C(0), Q_UINT64_C(7), Q_UINT64_C(4294967296), Q_UINT64_C(18446744073709551615)}) {
        const Run r = run({"--seed", QString::number(seed), "--format", "json"});
        QCOMPARE(describeJson(r.out).first(), QStringLiteral("input ") + documentedLines(seed));
    }
}

void TestReadingCli::seededReadingIsTheReadingOfItsLines() {
    // Drawn or entered, the same sixteen values make the same reading: the
    // derived castings and the houses come from the model alike.
    const Run seeded = run({"--seed", "99", "--format", "json"});
    const QString lines = describeJson(seeded.out).first().section(' ', 1);
    QCOMPARE(run({"--lines", lines, "--format", "json"}).out, seeded.out);
}

void TestReadingCli::clockSeededReadingsDiffer() {
    // Three equal readings by chance: once in 2^32.
    const QByteArray first = run({}).out;
    QVERIFY(!first.isEmpty());
    QVERIFY(first != run({}).out || first != run({}).out);
}

void TestReadingCli::textFitsEightyColumnsForEveryFigure() {
    // Four hand-cast readings whose first four castings are the sixteen
    // figures, so every catalogue text is printed at least once.
    const auto& catalogue = geomancy::figureCatalogue();
    for (std::size_t first = 0; first < catalogue.size(); first += 4) {
        QStringList values;
        for (std::size_t row = first; row < first + 4; ++row)
            for (geomancy::LineValue value : catalogue[row].pattern.lines)
                values << QString::number(value);
        const Run r = run({"--lines", values.join(',')});
        QCOMPARE(r.exitCode, 0);
        for (std::size_t row = first; row < first + 4; ++row)
            QVERIFY(r.out.contains(catalogue[row].title));
        for (const QString& line : textLines(r.out))
            QVERIFY2(line.size() <= 80, qPrintable(line));
    }
}

void TestReadingCli::countAgreesWithSingleReadings_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("seed");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("methods");
    QTest::newRow("twelve JSON Lines from seed 7") << "json"
                                                   << "7" << 12 << QStringList{};
    QTest::newRow("four texts from seed 2024") << "text"
                                               << "2024" << 4 << QStringList{};
    QTest::newRow("one JSON Line from the largest seed")
        << "json"
        << "18446744073709551615" << 1 << QStringList{};
    QTest::newRow("six JSON Lines judged under agrippa by the other methods")
        << "json"
        << "31" << 6 << QStringList{"--question", "4",       "--house-chart", "agrippa",
                                    "--index",    "singles", "--via-puncti",  "branching"};
    QTest::newRow("three texts judged under golden-dawn")
        << "text"
        << "8" << 3 << QStringList{"--question", "11", "--house-chart", "golden-dawn"};
}

void TestReadingCli::countAgreesWithSingleReadings() {
    QFETCH(QString, format);
    QFETCH(QString, seed);
    QFETCH(int, count);
    QFETCH(QStringList, methods);
    const bool json = format == QLatin1String("json");
    const Run bulk =
        run(QStringList{"--seed", seed, "--count", QString::number(count), "--format", format} +
            methods);
    QCOMPARE(bulk.exitCode, 0);
    QVERIFY(bulk.err.isEmpty());

    // JSON Lines: one object a line. Texts: each starts with its line
    // values, after a blank line.
    QList<QByteArray> readings;
    if (json) {
        readings = bulk.out.split('\n');
        QCOMPARE(readings.takeLast(), QByteArray());
    } else {
        static const QRegularExpression separator(QStringLiteral("\n(?=Line values: )"));
        for (const QString& text : QString::fromUtf8(bulk.out).split(separator))
            readings << text.toUtf8();
    }
    QCOMPARE(readings.size(), count);

    // The first is the reading of the seed alone; each later one is the
    // reading of its own line values.
    for (qsizetype i = 0; i < readings.size(); ++i) {
        QStringList input = i == 0 ? QStringList{"--seed", seed} : QStringList{"--lines"};
        if (i > 0 && json)
            input << describeJson(readings[i]).first().section(' ', 1);
        else if (i > 0)
            input << QString::fromUtf8(readings[i]).section('\n', 0, 0).section(": ", 1);
        const Run single = run(input + QStringList{"--format", format} + methods);
        QCOMPARE(single.exitCode, 0);
        if (json)
            QCOMPARE(readings[i],
                     QJsonDocument::fromJson(single.out).toJson(QJsonDocument::Compact));
        else
            QCOMPARE(readings[i], single.out);
    }
    QVERIFY(count == 1 || readings[0] != readings[1]);
}

void TestReadingCli::figuresAreTheReadingOfTheirLines_data() {
    QTest::addColumn<QString>("figures");
    QTest::addColumn<QString>("lines");
    QTest::newRow("lower case with hyphens") << "via,fortuna-major,puer,caput-draconis"
                                             << "1,1,1,1,2,2,1,1,1,1,2,1,2,1,1,1";
    QTest::newRow("the catalogue's upper-case names")
        << "FORTUNA MINOR,CAUDA DRACONIS,POPULUS,ALBUS"
        << "1,1,2,2,1,1,1,2,2,2,2,2,2,2,1,2";
    QTest::newRow("mixed case, underscores, surrounding blanks and no blank")
        << "Fortuna_Major,fortunaminor, Laetitia ,cAPUTdraconis"
        << "2,2,1,1,1,1,2,2,1,2,2,2,2,1,1,1";
}

void TestReadingCli::figuresAreTheReadingOfTheirLines() {
    QFETCH(QString, figures);
    QFETCH(QString, lines);
    for (const char* format : {"text", "json"}) {
        const Run named = run({"--figures", figures, "--format", format});
        QCOMPARE(named.exitCode, 0);
        QVERIFY(!named.out.isEmpty());
        QCOMPARE(named.out, run({"--lines", lines, "--format", format}).out);
    }
}

void TestReadingCli::textOfTheSixteenFiguresMatchesTheGoldenFile() {
    // Four readings whose Mothers are the sixteen figures, so every text of
    // the catalogue, the houses, the shield's layout and the house chart are
    // pinned byte for byte, and one judged question. After a deliberate
    // change, write the file again with
    //   for m in VIA,POPULUS,CONJUNCTIO,CARCER ...; do azivoder-reading --figures "$m"; ...
    // (the five below, separated by a blank line) and read the difference.
    QFile file(QStringLiteral(GOLDEN_TEXT));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray golden = file.readAll();
    QByteArray out;
    // The fifth is a question judged under golden-dawn: CAUDA DRACONIS in
    // house 1 (Mother 2) against FORTUNA MINOR in house 7 (Mother 4). CAUDA
    // DRACONIS stands again in house 10 beside FORTUNA MINOR in 9: a
    // mutation; POPULUS stands in 12 and in 8: a translation; from 10 CAUDA
    // DRACONIS casts a dexter square on 7 ((7 - 10) mod 12 = 9), from 5 and 9
    // FORTUNA MINOR trines on house 1 (8: dexter, 4: sinister).
    // 4 + 4 - 3 + 3 + 3 = +11.
    const QList<QStringList> readings{
        {"--figures", "VIA,POPULUS,CONJUNCTIO,CARCER"},
        {"--figures", "FORTUNA MAJOR,FORTUNA MINOR,ACQUISITIO,AMISSIO"},
        {"--figures", "LAETITIA,TRISTITIA,ALBUS,RUBEUS"},
        {"--figures", "PUELLA,PUER,CAPUT DRACONIS,CAUDA DRACONIS"},
        {"--figures", "CAUDA DRACONIS,CAUDA DRACONIS,RUBEUS,FORTUNA MINOR", "--house-chart",
         "golden-dawn", "--question", "7"}};
    for (const QStringList& arguments : readings) {
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 0);
        out += (out.isEmpty() ? "" : "\n") + r.out;
    }
    // Line by line first, for a message that names the line.
    const QList<QByteArray> expected = golden.split('\n');
    const QList<QByteArray> actual = out.split('\n');
    for (qsizetype i = 0; i < std::min(expected.size(), actual.size()); ++i)
        QVERIFY2(
            actual[i] == expected[i],
            qPrintable(QStringLiteral("line %1: '%2' instead of '%3'")
                           .arg(i + 1)
                           .arg(QString::fromUtf8(actual[i]), QString::fromUtf8(expected[i]))));
    QCOMPARE(out, golden);
}

void TestReadingCli::badInputIsRefused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named");
    const QString fifteen = QStringLiteral("1,2,1,1,2,2,1,2,1,1,2,2,2,1,1");
    QTest::newRow("a line value of 3 is refused")
        << QStringList{"--lines", fifteen + ",3"} << "--lines value 16";
    QTest::newRow("a line value of 0 is refused")
        << QStringList{"--lines", "0," + fifteen} << "--lines value 1";
    QTest::newRow("an empty line value is refused")
        << QStringList{"--lines", "1,," + fifteen.mid(2)} << "--lines value 2";
    QTest::newRow("fifteen line values are too few")
        << QStringList{"--lines", fifteen} << "16 values";
    QTest::newRow("seventeen line values are too many")
        << QStringList{"--lines", fifteen + ",1,2"} << "found 17";
    QTest::newRow("a seed in words is refused") << QStringList{"--seed", "seven"} << "'seven'";
    QTest::newRow("a negative seed is refused") << QStringList{"--seed=-1"} << "'-1'";
    QTest::newRow("a seed beyond 64 bits is refused")
        << QStringList{"--seed", "18446744073709551616"} << "'18446744073709551616'";
    QTest::newRow("a seed without its number is refused") << QStringList{"--seed"} << "--seed";
    QTest::newRow("seed and hand-cast lines together are refused")
        << QStringList{"--seed", "1", "--lines", fifteen + ",1"} << "--seed and --lines";
    QTest::newRow("an unknown option is refused") << QStringList{"--colour"} << "colour";
    QTest::newRow("an unknown format is refused") << QStringList{"--format", "xml"} << "'xml'";
    QTest::newRow("a stray argument is refused") << QStringList{"7"} << "'7'";
    QTest::newRow("three figure names are too few")
        << QStringList{"--figures", "via,puer,albus"} << "found 3";
    QTest::newRow("a name of no figure is refused")
        << QStringList{"--figures", "via,puer,albus,fortuna"} << "'fortuna'";
    QTest::newRow("an empty figure name is refused")
        << QStringList{"--figures", "via,,albus,puer"} << "name 2";
    QTest::newRow("figures and lines together are refused")
        << QStringList{"--figures", "via,via,via,via", "--lines", fifteen + ",1"}
        << "--lines and --figures";
    QTest::newRow("figures and a seed together are refused")
        << QStringList{"--seed", "3", "--figures", "via,via,via,via"} << "--seed and --figures";
    QTest::newRow("a count of 0 is refused") << QStringList{"--count", "0"} << "'0'";
    QTest::newRow("a count above a million is refused")
        << QStringList{"--count", "1000001"} << "'1000001'";
    QTest::newRow("a negative count is refused") << QStringList{"--count=-5"} << "'-5'";
    QTest::newRow("a count of hand-cast readings is refused")
        << QStringList{"--count", "2", "--figures", "via,via,via,via"} << "--count and --figures";
    QTest::newRow("a count given twice is refused")
        << QStringList{"--count", "2", "--count", "3"} << "more than once";
    QTest::newRow("a house chart of no scheme is refused")
        << QStringList{"--house-chart", "placidus"} << "'placidus'";
    QTest::newRow("an Index of no method is refused") << QStringList{"--index", "dots"} << "'dots'";
    QTest::newRow("a Via Puncti of no method is refused")
        << QStringList{"--via-puncti", "both"} << "'both'";
    QTest::newRow("a question of the querent's own house is refused")
        << QStringList{"--question", "1"} << "'1'";
    QTest::newRow("a question of house 13 is refused") << QStringList{"--question", "13"} << "'13'";
    QTest::newRow("a question in words is refused")
        << QStringList{"--question", "seven"} << "'seven'";
    QTest::newRow("a question given twice is refused")
        << QStringList{"--question", "4", "--question", "5"}
        << "--question is given more than once";
    QTest::newRow("a check with a seed is refused")
        << QStringList{"--check", "-", "--seed", "4"} << "--check takes no other option";
    QTest::newRow("a verify with a question is refused")
        << QStringList{"--verify", "--question", "4"} << "--verify takes no other option";

    // Files --check cannot read as readings.
    const auto file = [this](const char* name, const QByteArray& contents) {
        const QString path = files_.filePath(QLatin1String(name));
        QFile out(path);
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(contents);
        return path;
    };
    const QByteArray reading = run({"--seed", "6", "--format", "json"}).out;
    QByteArray three = reading;
    three.replace("\"lines\": [\n                1,", "\"lines\": [\n                3,");
    three.replace("\"lines\": [\n                2,", "\"lines\": [\n                3,");
    QTest::newRow("a check of a missing file is refused")
        << QStringList{"--check", files_.filePath("none.json")} << "cannot read";
    QTest::newRow("a check of a folder is refused")
        << QStringList{"--check", files_.path()} << "cannot read";
    QTest::newRow("a check of a binary file is refused")
        << QStringList{"--check", file("binary", QByteArray("{\0\1\2", 4))} << "is binary";
    QTest::newRow("a check of a truncated reading is refused")
        << QStringList{"--check", file("truncated", reading.left(reading.size() / 2))}
        << "line 1 is not a reading";
    QTest::newRow("a check of an empty file is refused")
        << QStringList{"--check", file("empty", "\n")} << "holds no reading";
    QTest::newRow("a check of JSON that is no reading is refused")
        << QStringList{"--check", file("array", "[1, 2]")} << "no reading";
    QTest::newRow("a check of a reading whose lines are not 1 or 2 is refused")
        << QStringList{"--check", file("three", three)} << "line 1 is 3; each line is 1 or 2";
}

void TestReadingCli::badInputIsRefused() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    const Run r = run(arguments);
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out, QByteArray());
    const QStringList message = textLines(r.err);
    QCOMPARE(message.size(), 1);
    QVERIFY2(message.first().startsWith(QLatin1String("azivoder-reading: ")),
             qPrintable(message.first()));
    QVERIFY2(message.first().contains(named), qPrintable(message.first()));
}

void TestReadingCli::helpAndVersionSucceed() {
    const Run help = run({"--help"});
    QCOMPARE(help.exitCode, 0);
    for (const char* part :
         {"--seed <N>", "--lines <V1,...,V16>", "--format <text|json>",
          "--figures <NAME,NAME,NAME,NAME>", "--count <N>", "std::mt19937", "std::seed_seq"})
        QVERIFY2(help.out.contains(part), part);
    for (const QString& line : textLines(help.out))
        QVERIFY2(line.size() <= 80, qPrintable(line));

    const Run version = run({"--version"});
    QCOMPARE(version.exitCode, 0);
    QVERIFY(version.out.startsWith("azivoder-reading "));
    QVERIFY(help.err.isEmpty() && version.err.isEmpty());
}

void TestReadingCli::judgementIsTheSameInTextAndJson_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("indications");
    // Found by casting: each judges one of the three schemes and shows
    // perfection, aspects or impedition.
    QTest::newRow("a question under golden-dawn with a mutation, a translation and aspects")
        << QStringList{"--lines",       "1,1,1,2,1,1,1,2,2,1,2,2,1,1,2,2",
                       "--house-chart", "golden-dawn",
                       "--question",    "7"}
        << 5;
    QTest::newRow("a question under agrippa with an occupation")
        << QStringList{"--lines",       "2,2,1,2,2,2,1,2,1,2,1,1,1,2,2,1",
                       "--house-chart", "agrippa",
                       "--question",    "10"}
        << 4;
    QTest::newRow("an impeded question of the neighbouring house")
        << QStringList{"--figures",     "puer,caput-draconis,tristitia,albus",
                       "--house-chart", "golden-dawn",
                       "--question",    "10"}
        << 1;
}

void TestReadingCli::judgementIsTheSameInTextAndJson() {
    QFETCH(QStringList, arguments);
    QFETCH(int, indications);
    const Run text = run(arguments);
    const Run json = run(arguments + QStringList{"--format", "json"});
    QCOMPARE(text.exitCode, 0);
    QCOMPARE(json.exitCode, 0);
    const QStringList judged = judgementOfJson(json.out);
    QCOMPARE(judgementOfText(text.out), judged);
    QCOMPARE(judged.filter(QStringLiteral("/")).size(), indications);
    // The house chart is printed house by house as the JSON has it.
    const QJsonArray houses = QJsonDocument::fromJson(json.out)["houseChart"]["houses"].toArray();
    QCOMPARE(houses.size(), 12);
    for (const QJsonValue& house : houses)
        QVERIFY(textLines(text.out).contains(
            QStringLiteral("%1  ").arg(house["house"].toInt(), 4) +
            QString::fromLatin1(
                geomancy::houseSigns()[static_cast<std::size_t>(house["house"].toInt() - 1)])
                .leftJustified(13) +
            house["place"].toString().leftJustified(13) + house["figure"]["name"].toString()));
}

void TestReadingCli::verifyCountsEveryRule() {
    const Run r = run({"--verify"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.err.isEmpty());
    const QStringList lines = textLines(r.out);
    QCOMPARE(lines.size(), 8);
    for (const QString& line : lines.mid(0, 7))
        QVERIFY2(line.startsWith(QLatin1String("holds  ")), qPrintable(line));
    QVERIFY(lines[0].contains(QLatin1String(" 65536  the Judge is one of the eight even figures")));
    QVERIFY(lines[4].contains(QLatin1String(" 65536  the single-dot Via Puncti ends")));
    QVERIFY(lines[5].contains(QLatin1String("196608  each house-chart scheme")));
    QVERIFY(lines[6].contains(QLatin1String("    16  the catalogue holds sixteen")));
    QCOMPARE(lines[7], QStringLiteral("every rule holds"));
}

void TestReadingCli::checkFindsWhatWasAltered_data() {
    QTest::addColumn<QStringList>("arguments"); // the readings written
    QTest::addColumn<QString>("change");        // what is done to the file
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("found"); // the lines of the report, without the file's name

    const QStringList judged{"--lines",       "1,1,1,2,1,1,1,2,2,1,2,2,1,1,2,2",
                             "--house-chart", "golden-dawn",
                             "--question",    "7",
                             "--format",      "json"};
    const QStringList bulk{"--seed", "5", "--count", "4", "--format", "json", "--index", "singles"};
    QTest::newRow("a judged reading as written agrees")
        << judged << "" << 0 << QStringList{"1 reading checked, all agree"};
    QTest::newRow("JSON Lines as written agree")
        << bulk << "" << 0 << QStringList{"4 readings checked, all agree"};
    QTest::newRow("one line value altered is found with its line number")
        << bulk << "line 3 lines[4]" << 1
        << QStringList{":3: lines[4]: the file has %1, the reading gives %2",
                       "4 readings checked, 1 differ"};
    QTest::newRow("a reading saved before the house chart and the methods still agrees")
        << QStringList{"--seed", "12", "--format", "json"} << "old" << 0
        << QStringList{"1 reading checked, all agree"};
    QTest::newRow("a figure renamed in the judgement is found once, by name")
        << judged << "judgement" << 1
        << QStringList{":1: judgement.indications[1].figures[0]: the file has VIA, the reading "
                       "gives POPULUS",
                       "1 reading checked, 1 differ"};
    QTest::newRow("a key of no reading is found") << judged << "key" << 1
                                                  << QStringList{":1: colour: not part of the "
                                                                 "reading (the file has red)",
                                                                 "1 reading checked, 1 differ"};
}

void TestReadingCli::checkFindsWhatWasAltered() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, change);
    QFETCH(int, status);
    QFETCH(QStringList, found);
    const Run written = run(arguments);
    QCOMPARE(written.exitCode, 0);
    QList<QByteArray> lines = written.out.split('\n');
    QByteArray contents = written.out;
    if (change.startsWith(QLatin1String("line 3"))) {
        // The fifth line value (casting 2's head) of the third reading.
        QJsonObject reading = QJsonDocument::fromJson(lines[2]).object();
        QJsonArray values = reading["lines"].toArray();
        values[4] = 3 - values[4].toInt();
        reading["lines"] = values;
        lines[2] = QJsonDocument(reading).toJson(QJsonDocument::Compact);
        contents = lines.join('\n');
        found[0] = found[0].arg(values[4].toInt()).arg(3 - values[4].toInt());
    } else if (!change.isEmpty()) {
        QJsonObject reading = QJsonDocument::fromJson(written.out).object();
        if (change == QLatin1String("old")) {
            QJsonObject shield = reading["shield"].toObject();
            for (const char* key : {"indexMethod", "viaPunctiMethod", "viaPunctiPaths"})
                shield.remove(QLatin1String(key));
            reading["shield"] = shield;
            reading.remove(QStringLiteral("houseChart"));
        } else if (change == QLatin1String("judgement")) {
            // The translating POPULUS of houses 12 and 8 becomes a VIA.
            QJsonObject judgement = reading["judgement"].toObject();
            QJsonArray indications = judgement["indications"].toArray();
            QJsonObject translation = indications[1].toObject();
            translation["figures"] = QJsonArray{"VIA"};
            indications[1] = translation;
            judgement["indications"] = indications;
            reading["judgement"] = judgement;
        } else {
            reading["colour"] = "red";
        }
        contents = QJsonDocument(reading).toJson(QJsonDocument::Indented);
    }
    const QString path = files_.filePath(QStringLiteral("readings.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
    file.close();

    const Run checked = run({"--check", path});
    QCOMPARE(checked.exitCode, status);
    QVERIFY(checked.err.isEmpty());
    QStringList report = textLines(checked.out);
    for (QString& line : report) {
        QVERIFY2(line.startsWith(path), qPrintable(line));
        line = line.mid(path.size());
    }
    for (QString& line : found)
        line = line.startsWith(':') ? line : QStringLiteral(": ") + line;
    QCOMPARE(report, found);

    // Through standard input the same, named so.
    QProcess process;
    process.start(QStringLiteral(READING_TOOL), {"--check", "-"});
    process.write(contents);
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), status);
    // Read in binary so the readings go in unchanged; on Windows the report
    // comes back with the console's CR LF line ends.
    const QStringList piped = textLines(process.readAllStandardOutput().replace("\r\n", "\n"));
    QCOMPARE(piped.size(), found.size());
    QCOMPARE(piped.last(), QStringLiteral("standard input") + found.last());
}

QTEST_GUILESS_MAIN(TestReadingCli)
#include "test_reading_cli.moc"
