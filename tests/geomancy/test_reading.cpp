#include "geomancy/FigureCatalogue.h"
#include "geomancy/RandomSource.h"
#include "geomancy/Reading.h"
#include "support/Casting.h"
#include "support/ScriptedRandom.h"

#include <QtTest>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace geomancy;

namespace {

// A reading with a scripted source.
struct Fixture {
    ScriptedRandom random;
    Reading reading{random};

    Casting press() { return reading.castNext().value(); }
};

using Planets = std::vector<std::string>;

// The row a casting returns for a figure of that name; throws for a name
// the catalogue lacks, so no comparison with it passes by accident.
std::optional<int> rowOf(const char* name) {
    return findCatalogueRow(name).value();
}

const std::optional<int> NoRow;

bool noLineValues(const Reading& reading) {
    for (int slot = 0; slot < LineValues::SlotCount; ++slot) {
        if (reading.lineValues()[slot] != 0)
            return false;
    }
    return true;
}

std::vector<int> lines(const Reading& reading, int k) {
    const auto figure = reading.lineValues().casting(k);
    return {figure.lines[0], figure.lines[1], figure.lines[2], figure.lines[3]};
}

} // namespace

class TestReading : public QObject {
    Q_OBJECT
private slots:
    void drawLineValueSplitsAtOneHalf_data();
    void drawLineValueSplitsAtOneHalf();
    void randomCastingsDrawFourInOrder();
    void derivedCastingsTransposeAndDrawNothing();
    void enteredLinesTakeThePlaceOfDraws();
    void enteredLinesMustBeOnesAndTwosOfARandomCasting();
    void houseNumber_data();
    void houseNumber();
    void workedExamplePutsTheSunInHouseTwelve();
    void houseCellsListPlanetsInCastingOrder();
    void ascendantIsNeverWrittenIntoACell();
    void aCastingReturnsItsLinesHouseAndRow();
    void unknownValuesIdentifyNothing();
    void aFailedDrawLeavesItsLinesUnwrittenAndTheCastingGoesOn();
    void pressesAfterTheEighthMakeNothing();
    void resetEmptiesTheReading();
    void manyReadingsKeepTheHouseRules();
    void drawnValuesAreBalancedAndEveryFigureOccurs();
    void clockSeededSourcesDiffer();
    void clockSeededSourceStaysInRange();
    void sequenceTableIsInCastingOrder();
};

void TestReading::drawLineValueSplitsAtOneHalf_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << 0.0f << 1;
    QTest::newRow("just below half") << std::nextafter(0.5f, 0.0f) << 1;
    QTest::newRow("half") << 0.5f << 2;
    QTest::newRow("largest below one") << std::nextafter(1.0f, 0.0f) << 2;
}

void TestReading::drawLineValueSplitsAtOneHalf() {
    QFETCH(float, r);
    QFETCH(int, value);
    ScriptedRandom random({r});
    QCOMPARE(int(drawLineValue(random)), value);
}

void TestReading::randomCastingsDrawFourInOrder() {
    Fixture f;
    f.random.appendLines({1, 2, 2, 1, 2, 2, 2, 2});
    f.press();
    QCOMPARE(f.random.draws(), std::size_t(4));
    QCOMPARE(lines(f.reading, 1), (std::vector<int>{1, 2, 2, 1}));
    f.press();
    QCOMPARE(lines(f.reading, 2), (std::vector<int>{2, 2, 2, 2}));
    QCOMPARE(f.random.draws(), std::size_t(8));
}

void TestReading::derivedCastingsTransposeAndDrawNothing() {
    Fixture f;
    // Castings 1..4 as rows of a 4x4 array.
    f.random.appendLines({1, 1, 1, 2, /**/ 2, 1, 2, 1, /**/ 2, 2, 1, 1, /**/ 1, 2, 2, 2});
    castWholeReading(f.reading);
    QCOMPARE(f.random.draws(), std::size_t(16));
    QCOMPARE(lines(f.reading, 5), (std::vector<int>{1, 2, 2, 1})); // head lines
    QCOMPARE(lines(f.reading, 6), (std::vector<int>{1, 1, 2, 2}));
    QCOMPARE(lines(f.reading, 7), (std::vector<int>{1, 2, 1, 2}));
    QCOMPARE(lines(f.reading, 8), (std::vector<int>{2, 1, 1, 2})); // foot lines
}

void TestReading::enteredLinesTakeThePlaceOfDraws() {
    Fixture f;
    // Castings 1..4 by hand, head line first; 5..8 follow from them.
    const std::vector<Casting> castings = castWholeReading(
        f.reading, {{{1, 1, 1, 2}}, {{2, 1, 2, 1}}, {{2, 2, 1, 1}}, {{1, 2, 2, 2}}});
    QCOMPARE(f.random.draws(), std::size_t(0));
    QCOMPARE(lines(f.reading, 3), (std::vector<int>{2, 2, 1, 1}));
    QCOMPARE(lines(f.reading, 5), (std::vector<int>{1, 2, 2, 1})); // head lines
    QCOMPARE(lines(f.reading, 8), (std::vector<int>{2, 1, 1, 2})); // foot lines
    // Sums: Sun 11, Moon 17, Venus 24, Mercury 30, Saturn 36, Jupiter 42, Mars 48.
    QCOMPARE(f.reading.planetsIn(11), Planets{"Sun"});
    QCOMPARE(f.reading.planetsIn(5), Planets{"Moon"});
    QCOMPARE(f.reading.planetsIn(6), (Planets{"Mercury", "Jupiter"}));
    QCOMPARE(f.reading.planetsIn(12), (Planets{"Venus", "Saturn", "Mars"}));
    QCOMPARE(castings.back().catalogueRow, rowOf("CONJUNCTIO")); // Mars: 2112
}

void TestReading::enteredLinesMustBeOnesAndTwosOfARandomCasting() {
    ScriptedRandom random;
    Reading reading(random);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             reading.castNext(GeomanticFigure{{1, 2, 3, 1}}));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             reading.castNext(GeomanticFigure{{0, 1, 1, 1}}));
    QVERIFY2(noLineValues(reading), "a refused entry writes no slot");
    QCOMPARE(int(reading.castCount()), 0); // nor counts as a press
    for (int k = 1; k <= 4; ++k)
        reading.castNext(GeomanticFigure{{1, 1, 1, 1}});
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, reading.castNext(GeomanticFigure{{1, 1, 1, 1}}));
    QCOMPARE(int(reading.castCount()), 4);
}

void TestReading::houseNumber_data() {
    QTest::addColumn<int>("k");
    QTest::addColumn<std::vector<int>>("values");
    QTest::addColumn<int>("house");
    // Sums of multiples of twelve land in house 12, never in a house 0.
    QTest::newRow("sun sum 12") << 2 << std::vector<int>{1, 2, 1, 1, 2, 2, 1, 2} << 12;
    QTest::newRow("sun sum 8") << 2 << std::vector<int>(8, 1) << 8;
    QTest::newRow("sun sum 16") << 2 << std::vector<int>(8, 2) << 4;
    QTest::newRow("moon sum 24") << 3 << std::vector<int>(12, 2) << 12;
    QTest::newRow("moon sum 13") << 3 << std::vector<int>{2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1} << 1;
    QTest::newRow("venus sum 17") << 4 << std::vector<int>{2, 1, 1, 1, 1, 1, 1, 1,
                                                           1, 1, 1, 1, 1, 1, 1, 1}
                                  << 5;
}

void TestReading::houseNumber() {
    QFETCH(int, k);
    QFETCH(std::vector<int>, values);
    QFETCH(int, house);
    Fixture f;
    f.random.appendLines(values);
    std::optional<int> placed;
    for (int c = 1; c <= k; ++c)
        placed = f.press().house;
    QCOMPARE(placed, std::optional<int>(house));
}

void TestReading::workedExamplePutsTheSunInHouseTwelve() {
    Fixture f;
    f.random.appendLines({1, 2, 1, 1, 2, 2, 1, 2});
    f.press();
    f.press();
    QCOMPARE(f.reading.planetsIn(12), Planets{"Sun"});
    for (int h = 1; h <= 11; ++h)
        QCOMPARE(f.reading.planetsIn(h), Planets());
}

void TestReading::houseCellsListPlanetsInCastingOrder() {
    // All ones: sums 8, 12, 16, 20, 24, 28, 32 -> houses 8, 12, 4, 8, 12, 4, 8.
    Fixture f;
    f.random.appendLines(std::vector<int>(16, 1));
    castWholeReading(f.reading);
    QCOMPARE(f.reading.planetsIn(8), (Planets{"Sun", "Mercury", "Mars"}));
    QCOMPARE(f.reading.planetsIn(12), (Planets{"Moon", "Saturn"}));
    QCOMPARE(f.reading.planetsIn(4), (Planets{"Venus", "Jupiter"}));
    QCOMPARE(f.reading.planetsIn(1), Planets());
}

void TestReading::ascendantIsNeverWrittenIntoACell() {
    Fixture f;
    f.random.appendLines({2, 2, 2, 2});
    QVERIFY(!f.press().house.has_value());
    for (int h = 1; h <= HouseCount; ++h)
        QVERIFY(f.reading.planetsIn(h).empty());
    QCOMPARE(houseSigns()[0], "Aries");
    QCOMPARE(houseSigns()[11], "Pisces");
}

void TestReading::aCastingReturnsItsLinesHouseAndRow() {
    Fixture f;
    f.random.appendLines({1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 1, 1});
    const Casting first = f.press();
    QCOMPARE(first.number, 1);
    QCOMPARE(first.lines, (GeomanticFigure{{1, 1, 1, 1}}));
    QCOMPARE(first.catalogueRow, rowOf("VIA"));
    f.press();
    const Casting third = f.press();
    QCOMPARE(third.number, 3);
    QCOMPARE(third.lines, (GeomanticFigure{{2, 2, 1, 1}}));
    QCOMPARE(third.house, std::optional<int>(6)); // 4 + 8 + 6 = 18
    QCOMPARE(third.catalogueRow, rowOf("FORTUNA MAJOR"));
    QCOMPARE(int(f.reading.castCount()), 3);
}

void TestReading::unknownValuesIdentifyNothing() {
    Fixture f;
    f.random.append({1.0f}); // floor(2 * 1 + 1) = 3, a value no figure has
    f.random.appendLines({1, 1, 1, /**/ 2, 1, 1, 1});
    f.random.appendLines({1});
    f.random.append({1.0f});
    f.random.appendLines({1, 1});
    QCOMPARE(f.press().catalogueRow, NoRow);
    QCOMPARE(f.press().catalogueRow, rowOf("CAPUT DRACONIS"));
    // The earlier figure is not identified again.
    QCOMPARE(f.press().catalogueRow, NoRow);
}

void TestReading::aFailedDrawLeavesItsLinesUnwrittenAndTheCastingGoesOn() {
    Fixture f;
    f.random.appendLines({2, 2, 2, 2, 1, 2}); // two numbers where four are needed
    QCOMPARE(f.press().failure, std::string());
    const Casting sun = f.press();
    QCOMPARE(sun.failure, std::string("scripted random source exhausted"));
    QCOMPARE(sun.lines, (GeomanticFigure{{1, 2, 0, 0}}));
    QCOMPARE(sun.house, std::optional<int>(11)); // 8 + 3, from what was cast
    QCOMPARE(sun.catalogueRow, NoRow);
    QCOMPARE(f.reading.planetsIn(11), Planets{"Sun"});
    QCOMPARE(int(f.reading.castCount()), 2);
}

void TestReading::pressesAfterTheEighthMakeNothing() {
    Fixture f;
    f.random.appendLines(std::vector<int>(16, 2));
    QCOMPARE(castWholeReading(f.reading).size(), std::size_t(8));
    QVERIFY(!f.reading.castNext().has_value());
    QCOMPARE(int(f.reading.castCount()), 9);
    QCOMPARE(f.random.draws(), std::size_t(16));
}

void TestReading::resetEmptiesTheReading() {
    Fixture f;
    f.random.appendLines({2, 1, 2, 2, 1, 1, 1, 1, 2, 2, 2, 2, 1, 2, 1, 2});
    castWholeReading(f.reading);
    f.reading.reset();
    QCOMPARE(int(f.reading.castCount()), 0);
    QVERIFY(noLineValues(f.reading));
    for (int h = 1; h <= HouseCount; ++h)
        QVERIFY(f.reading.planetsIn(h).empty());

    // The next reading starts again with the Ascendant and fresh draws.
    f.random.appendLines({1, 1, 1, 1, 2, 2, 2, 2});
    f.press();
    f.press();
    QCOMPARE(lines(f.reading, 2), (std::vector<int>{2, 2, 2, 2}));
    QCOMPARE(f.reading.planetsIn(12), Planets{"Sun"}); // 4 + 8 = 12
}

void TestReading::manyReadingsKeepTheHouseRules() {
    ClockSeededRandom random(12345);
    Reading reading(random);
    for (int run = 0; run < 2000; ++run) {
        reading.reset();
        std::vector<int> houses(CastingCount + 1, 0);
        for (int k = 1; k <= CastingCount; ++k) {
            const Casting casting = reading.castNext().value();
            if (k >= 2)
                houses[static_cast<std::size_t>(k)] = casting.house.value();
        }
        const int sun = houses[2];
        QVERIFY2(sun != 5 && sun != 6 && sun != 7, "the Sun never falls in houses 5 to 7");
        QVERIFY2(houses[8] % 2 == 0, "Mars always falls in an even house");
        for (int k = 2; k <= CastingCount; ++k)
            QVERIFY(houses[static_cast<std::size_t>(k)] >= 1 &&
                    houses[static_cast<std::size_t>(k)] <= 12);
    }
}

void TestReading::drawnValuesAreBalancedAndEveryFigureOccurs() {
    ClockSeededRandom random(987654321);
    const int draws = 40000;
    int ones = 0;
    std::vector<int> seen(FigureCount, 0);
    for (int i = 0; i < draws / 4; ++i) {
        GeomanticFigure figure;
        for (auto& line : figure.lines) {
            line = drawLineValue(random);
            QVERIFY(line == 1 || line == 2);
            ones += line == 1;
        }
        ++seen[static_cast<std::size_t>(identifyFigure(figure).value())];
    }
    // Expected 20000 with a standard deviation of 100.
    QVERIFY2(std::abs(ones - draws / 2) < 600, qPrintable(QString::number(ones)));
    for (int count : seen)
        QVERIFY(count > 400); // about 625 each
}

void TestReading::clockSeededSourcesDiffer() {
    ClockSeededRandom first;
    ClockSeededRandom second;
    std::vector<int> a, b;
    for (int i = 0; i < 16; ++i) {
        a.push_back(drawLineValue(first));
        b.push_back(drawLineValue(second));
    }
    QVERIFY(a != b);

    // Reseeding starts a different sequence as well.
    std::vector<float> before, after;
    ClockSeededRandom third(1);
    for (int i = 0; i < 8; ++i)
        before.push_back(third.next());
    third.seedFromClock();
    for (int i = 0; i < 8; ++i)
        after.push_back(third.next());
    QVERIFY(before != after);
}

void TestReading::clockSeededSourceStaysInRange() {
    ClockSeededRandom random(42);
    for (int i = 0; i < 100000; ++i) {
        const float r = random.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
    }
}

void TestReading::sequenceTableIsInCastingOrder() {
    const char* expected[] = {"Ascendant", "Sun",    "Moon",    "Venus",
                              "Mercury",   "Saturn", "Jupiter", "Mars"};
    for (int k = 1; k <= CastingCount; ++k) {
        const CastingStep& step = castingSequence()[static_cast<std::size_t>(k - 1)];
        QCOMPARE(step.castNumber, k);
        QCOMPARE(step.casting, expected[k - 1]);
        QCOMPARE(step.random, k <= 4);
    }
    QVERIFY(castingSequence()[0].chartName == nullptr);
}

QTEST_GUILESS_MAIN(TestReading)
#include "test_reading.moc"
