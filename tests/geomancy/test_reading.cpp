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

// A reading with a scripted source, and a log of what the registered
// display and report operations were asked to do.
struct Fixture {
    ScriptedRandom random;
    Reading reading{random};
    std::vector<std::string> log;

    Fixture() {
        reading.setFigureDisplay({[this] { log.push_back("clear"); },
                                  [this](int row, int tab) {
                                      log.push_back("show " + std::to_string(row) + " tab " +
                                                    std::to_string(tab));
                                  }});
        reading.setReportAppender([this](int k, int row) {
            log.push_back("report " + std::to_string(k) + " row " + std::to_string(row));
        });
    }
};

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
    void interpretRunsItsStepsInOrder();
    void interpretUsesTheCastCountForTabAndReport();
    void unknownValuesShowNothingAndKeepTheName();
    void displayFailureSkipsTheReport();
    void reportFailureIsSwallowed();
    void resetEmptiesTheReadingButKeepsTheName();
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
    castOne(f.reading, 1);
    QCOMPARE(f.random.draws(), std::size_t(4));
    QCOMPARE(lines(f.reading, 1), (std::vector<int>{1, 2, 2, 1}));
    castOne(f.reading, 2);
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
    castWholeReading(f.reading, {{{1, 1, 1, 2}}, {{2, 1, 2, 1}}, {{2, 2, 1, 1}}, {{1, 2, 2, 2}}});
    QCOMPARE(f.random.draws(), std::size_t(0));
    QCOMPARE(lines(f.reading, 3), (std::vector<int>{2, 2, 1, 1}));
    QCOMPARE(lines(f.reading, 5), (std::vector<int>{1, 2, 2, 1})); // head lines
    QCOMPARE(lines(f.reading, 8), (std::vector<int>{2, 1, 1, 2})); // foot lines
    // Sums: Sun 11, Moon 17, Venus 24, Mercury 30, Saturn 36, Jupiter 42, Mars 48.
    QCOMPARE(f.reading.houseCell(11), std::string("\r\nSun"));
    QCOMPARE(f.reading.houseCell(5), std::string("\r\nMoon"));
    QCOMPARE(f.reading.houseCell(6), std::string("\r\nMercury\r\nJupiter"));
    QCOMPARE(f.reading.houseCell(12), std::string("\r\nVenus\r\nSaturn\r\nMars"));
    QCOMPARE(f.reading.figureName(), std::string("CONJUNCTIO")); // Mars: 2112
}

void TestReading::enteredLinesMustBeOnesAndTwosOfARandomCasting() {
    ScriptedRandom random;
    Reading reading(random);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             reading.enterLines(1, GeomanticFigure{{1, 2, 3, 1}}));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             reading.enterLines(2, GeomanticFigure{{0, 1, 1, 1}}));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                             reading.enterLines(5, GeomanticFigure{{1, 1, 1, 1}}));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                             reading.enterLines(0, GeomanticFigure{{1, 1, 1, 1}}));
    QVERIFY2(reading.lineValues().empty(), "a refused entry writes no slot");
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
    for (int c = 1; c <= k; ++c)
        f.reading.castLines(c);
    QCOMPARE(f.reading.houseNumber(k), house);
}

void TestReading::workedExamplePutsTheSunInHouseTwelve() {
    Fixture f;
    f.random.appendLines({1, 2, 1, 1, 2, 2, 1, 2});
    castOne(f.reading, 1);
    castOne(f.reading, 2);
    QCOMPARE(f.reading.houseCell(12), std::string("\r\nSun"));
    for (int h = 1; h <= 11; ++h)
        QCOMPARE(f.reading.houseCell(h), std::string());
}

void TestReading::houseCellsListPlanetsInCastingOrder() {
    QCOMPARE(appendToHouseCell("", "Sun"), std::string("\r\nSun"));
    QCOMPARE(appendToHouseCell("\r\nSun", "Moon"), std::string("\r\nSun\r\nMoon"));

    // All ones: sums 8, 12, 16, 20, 24, 28, 32 -> houses 8, 12, 4, 8, 12, 4, 8.
    Fixture f;
    f.random.appendLines(std::vector<int>(16, 1));
    castWholeReading(f.reading);
    QCOMPARE(f.reading.houseCell(8), std::string("\r\nSun\r\nMercury\r\nMars"));
    QCOMPARE(f.reading.houseCell(12), std::string("\r\nMoon\r\nSaturn"));
    QCOMPARE(f.reading.houseCell(4), std::string("\r\nVenus\r\nJupiter"));
    QCOMPARE(f.reading.houseCell(1), std::string());
}

void TestReading::ascendantIsNeverWrittenIntoACell() {
    Fixture f;
    f.random.appendLines({2, 2, 2, 2});
    f.reading.setCastCount(1);
    f.reading.castLines(1);
    QVERIFY(!f.reading.placePlanet(1).has_value());
    for (int h = 1; h <= HouseCount; ++h)
        QVERIFY(f.reading.houseCell(h).empty());
    QCOMPARE(houseSigns()[0], "Aries");
    QCOMPARE(houseSigns()[11], "Pisces");
}

void TestReading::interpretRunsItsStepsInOrder() {
    Fixture f;
    f.reading.setCastCount(3);
    LineValue a = 2, b = 2, c = 1, d = 1;
    f.reading.interpretFigure(a, b, c, d);
    QCOMPARE(f.reading.figureName(), std::string("FORTUNA MAJOR"));
    QCOMPARE(f.log, (std::vector<std::string>{"clear", "show 4 tab 2", "report 3 row 4"}));
}

void TestReading::interpretUsesTheCastCountForTabAndReport() {
    Fixture f;
    f.random.appendLines({1, 1, 1, 1, 2, 2, 2, 2});
    castOne(f.reading, 1);
    castOne(f.reading, 2);
    QCOMPARE(f.log, (std::vector<std::string>{"clear", "show 0 tab 0", "report 1 row 0", "clear",
                                              "show 1 tab 1", "report 2 row 1"}));
}

void TestReading::unknownValuesShowNothingAndKeepTheName() {
    Fixture f;
    f.reading.setCastCount(1);
    LineValue bad = 3, one = 1;
    f.reading.interpretFigure(bad, one, one, one); // nothing identified yet
    QCOMPARE(f.log, (std::vector<std::string>{"clear"}));
    QCOMPARE(f.reading.figureName(), std::string());

    LineValue two = 2;
    f.reading.interpretFigure(two, one, one, one);
    QCOMPARE(f.reading.figureName(), std::string("CAPUT DRACONIS"));
    f.log.clear();
    f.reading.setCastCount(2);
    f.reading.interpretFigure(one, bad, one, one);
    // Still cleared, but the earlier figure is neither shown nor reported again.
    QCOMPARE(f.log, (std::vector<std::string>{"clear"}));
    QCOMPARE(f.reading.figureName(), std::string("CAPUT DRACONIS"));
}

void TestReading::displayFailureSkipsTheReport() {
    Fixture f;
    f.reading.setFigureDisplay({[] {}, [](int, int) { throw std::runtime_error("display gone"); }});
    f.reading.setCastCount(1);
    LineValue one = 1;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, f.reading.interpretFigure(one, one, one, one));
    QVERIFY(f.log.empty());
    QCOMPARE(f.reading.figureName(), std::string("VIA"));
}

void TestReading::reportFailureIsSwallowed() {
    ScriptedRandom random;
    Reading reading(random);
    int shown = 0;
    reading.setFigureDisplay({nullptr, [&](int, int) { ++shown; }});
    reading.setReportAppender([](int, int) { throw std::runtime_error("report gone"); });
    reading.setCastCount(1);
    LineValue one = 1;
    reading.interpretFigure(one, one, one, one);
    QCOMPARE(shown, 1);

    // With nothing registered the steps simply do nothing.
    Reading bare(random);
    bare.setCastCount(1);
    bare.interpretFigure(one, one, one, one);
    QCOMPARE(bare.figureName(), std::string("VIA"));
}

void TestReading::resetEmptiesTheReadingButKeepsTheName() {
    Fixture f;
    f.random.appendLines({2, 1, 2, 2, 1, 1, 1, 1, 2, 2, 2, 2, 1, 2, 1, 2});
    castWholeReading(f.reading);
    const std::string name = f.reading.figureName();
    QVERIFY(!name.empty());
    f.reading.reset();
    QCOMPARE(int(f.reading.castCount()), 0);
    QVERIFY(f.reading.lineValues().empty());
    for (int h = 1; h <= HouseCount; ++h)
        QVERIFY(f.reading.houseCell(h).empty());
    QCOMPARE(f.reading.figureName(), name);

    // The next reading starts again with the Ascendant and fresh draws.
    f.random.appendLines({1, 1, 1, 1, 2, 2, 2, 2});
    castOne(f.reading, 1);
    castOne(f.reading, 2);
    QCOMPARE(lines(f.reading, 2), (std::vector<int>{2, 2, 2, 2}));
    QCOMPARE(f.reading.houseCell(12), std::string("\r\nSun")); // 4 + 8 = 12
}

void TestReading::manyReadingsKeepTheHouseRules() {
    ClockSeededRandom random(12345);
    Reading reading(random);
    for (int run = 0; run < 2000; ++run) {
        reading.reset();
        std::vector<int> houses(CastingCount + 1, 0);
        for (int k = 1; k <= CastingCount; ++k) {
            reading.setCastCount(static_cast<std::int16_t>(k));
            reading.castLines(k);
            if (k >= 2)
                houses[static_cast<std::size_t>(k)] = reading.houseNumber(k);
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
