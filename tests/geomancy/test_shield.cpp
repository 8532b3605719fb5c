// The shield chart against charts worked by hand, and the rules every chart
// keeps, over many seeded readings.
#include "geomancy/FigureCatalogue.h"
#include "geomancy/RandomSource.h"
#include "geomancy/Reading.h"
#include "geomancy/ShieldChart.h"
#include "support/Casting.h"

#include <QtTest>

using namespace geomancy;

namespace {

QString nameOf(const GeomanticFigure& figure) {
    return QString::fromUtf8(
        figureCatalogue()[static_cast<std::size_t>(*identifyFigure(figure))].name);
}

bool single(const GeomanticFigure& figure, std::size_t line) {
    return figure.lines[line] == 1;
}

} // namespace

class TestShield : public QObject {
    Q_OBJECT
private slots:
    void handWorkedCharts_data();
    void handWorkedCharts();
    void invariantsHoldOverSeededReadings();
};

void TestShield::handWorkedCharts_data() {
    QTest::addColumn<QStringList>("mothers");
    QTest::addColumn<QStringList>("formed"); // Daughters 1-4 to the Reconciler
    QTest::addColumn<QString>("viaPuncti");
    QTest::addColumn<int>("index");

    // Mothers 1211 2212 1122 2111. Daughters (the Mothers' lines 1 to 4):
    // 1212 AMISSIO, 2211 FORTUNA MAJOR, 1121 PUER, 1221 CARCER.
    // Nieces: 1211+2212 = 1221 CARCER, 1122+2111 = 1211 PUELLA,
    // 1212+2211 = 1221 CARCER, 1121+1221 = 2122 RUBEUS.
    // Witnesses: 1221+1211 = 2212 ALBUS (right), 1221+2122 = 1121 PUER (left).
    // Judge 2212+1121 = 1111 VIA; Reconciler 1111+1211 = 2122 RUBEUS.
    // The Judge's single head dot: Right Witness 2, Left 1; Niece 3 1,
    // Niece 4 2; Daughter 1 1, Daughter 2 2. Dots: Mothers 5+7+6+5,
    // Daughters 6+6+5+6, Nieces 6+5+6+7: 70 = 5 * 12 + 10.
    QTest::newRow("the house rule's example runs to Daughter 1, Index 10")
        << QStringList{"PUELLA", "ALBUS", "FORTUNA MINOR", "CAPUT DRACONIS"}
        << QStringList{"AMISSIO", "FORTUNA MAJOR", "PUER",  "CARCER", "CARCER", "PUELLA",
                       "CARCER",  "RUBEUS",        "ALBUS", "PUER",   "VIA",    "RUBEUS"}
        << "Judge, Left Witness, Niece 3, Daughter 1" << 10;

    // All four Mothers 1111: the Daughters are 1111 too, every sum of two
    // equal figures is 2222, and 2222 + 1111 = 1111. Two dots in the
    // Judge's head: no path. Dots: 16 + 16 + 32 = 64 = 5 * 12 + 4.
    QTest::newRow("four Viae give a Populus Judge without a path, Index 4")
        << QStringList{"VIA", "VIA", "VIA", "VIA"}
        << QStringList{"VIA",     "VIA",     "VIA",     "VIA",     "POPULUS", "POPULUS",
                       "POPULUS", "POPULUS", "POPULUS", "POPULUS", "POPULUS", "VIA"}
        << "" << 4;

    // Mothers 1111 2222 2222 2222: Daughters 1222 each. Nieces 1111+2222 =
    // 1111 VIA, 2222, 1222+1222 = 2222, 2222. Witnesses 1111 VIA (right),
    // 2222 (left); Judge 1111 VIA; Reconciler 1111+1111 = 2222. The single
    // head: Right Witness, Niece 1, Mother 1 (Mother 2 has a pair).
    // Dots: 28 + 28 + 28 = 84 = 7 * 12, so the Index is 12, not 0.
    QTest::newRow("a Via over three Populi runs to Mother 1, Index 12 for a whole dozen")
        << QStringList{"VIA", "POPULUS", "POPULUS", "POPULUS"}
        << QStringList{"LAETITIA", "LAETITIA", "LAETITIA", "LAETITIA", "VIA", "POPULUS",
                       "POPULUS",  "POPULUS",  "VIA",      "POPULUS",  "VIA", "POPULUS"}
        << "Judge, Right Witness, Niece 1, Mother 1" << 12;
}

void TestShield::handWorkedCharts() {
    QFETCH(QStringList, mothers);
    QFETCH(QStringList, formed);
    QFETCH(QString, viaPuncti);
    QFETCH(int, index);

    const ShieldChart chart = drawShieldChart(castingsOf(mothers));
    QStringList names;
    for (int p = 0; p < ShieldPlaceCount; ++p)
        names << nameOf(chart[static_cast<ShieldPlace>(p)]);
    QCOMPARE(names, mothers + formed);
    QStringList path;
    for (int i = 0; i < chart.viaPunctiLength; ++i)
        path << QString::fromUtf8(shieldPlaceName(chart.viaPuncti[static_cast<std::size_t>(i)]));
    QCOMPARE(path.join(QStringLiteral(", ")), viaPuncti);
    QCOMPARE(chart.index, index);
}

void TestShield::invariantsHoldOverSeededReadings() {
    constexpr int Readings = 5000;
    int paths = 0;
    for (int seed = 0; seed < Readings; ++seed) {
        ClockSeededRandom random(static_cast<std::uint64_t>(seed));
        Reading reading(random);
        std::array<GeomanticFigure, 8> castings;
        for (int k = 1; k <= CastingCount; ++k)
            castings[static_cast<std::size_t>(k - 1)] = reading.castNext()->lines;
        const ShieldChart chart = drawShieldChart(castings);
        const GeomanticFigure& judge = chart[ShieldPlace::Judge];
        const GeomanticFigure& reconciler = chart[ShieldPlace::Reconciler];
        const GeomanticFigure& mother1 = chart[ShieldPlace::Mother1];
        const QByteArray at = "seed " + QByteArray::number(seed);

        QVERIFY2(dotCount(judge) % 2 == 0, at);
        int dots = 0;
        for (std::size_t line = 0; line < 4; ++line) {
            // The Judge adds all eight castings: a line is single when an
            // odd number of them have a single dot there.
            int singles = 0;
            for (const GeomanticFigure& casting : castings)
                singles += single(casting, line) ? 1 : 0;
            QVERIFY2(single(judge, line) == (singles % 2 == 1), at);
            // The Reconciler is the Judge plus the first Mother.
            QVERIFY2(single(reconciler, line) == (single(judge, line) != single(mother1, line)),
                     at);
        }
        for (int p = 0; p < 12; ++p)
            dots += dotCount(chart[static_cast<ShieldPlace>(p)]);
        QVERIFY2(chart.index == (dots - 1) % 12 + 1, at);

        // A single head in the Judge leads, through single heads only, to
        // exactly one Mother or Daughter; a pair leads nowhere.
        QVERIFY2(chart.viaPunctiLength == (single(judge, 0) ? 4 : 0), at);
        for (int i = 0; i < chart.viaPunctiLength; ++i) {
            const auto place = static_cast<int>(chart.viaPuncti[static_cast<std::size_t>(i)]);
            QVERIFY2(single(chart[static_cast<ShieldPlace>(place)], 0), at);
            if (i == 0) {
                QVERIFY2(place == static_cast<int>(ShieldPlace::Judge), at);
            } else {
                // Place c (8 to 14) is added from places 2(c - 8) and 2(c - 8) + 1.
                const auto child =
                    static_cast<int>(chart.viaPuncti[static_cast<std::size_t>(i - 1)]);
                QVERIFY2(place / 2 == child - 8, at);
            }
        }
        if (chart.viaPunctiLength > 0)
            QVERIFY2(static_cast<int>(chart.viaPuncti[3]) < static_cast<int>(ShieldPlace::Niece1),
                     at);
        paths += chart.viaPunctiLength > 0 ? 1 : 0;
    }
    // Both kinds of Judge turn up: about half of all readings have a path.
    QVERIFY(paths > Readings / 3 && paths < 2 * Readings / 3);
}

QTEST_APPLESS_MAIN(TestShield)
#include "test_shield.moc"
