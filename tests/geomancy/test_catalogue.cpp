#include "geomancy/FigureCatalogue.h"

#include <QtTest>

#include <set>
#include <string>

using namespace geomancy;

namespace {
GeomanticFigure figure(int head, int second, int third, int foot) {
    return GeomanticFigure{{static_cast<LineValue>(head), static_cast<LineValue>(second),
                            static_cast<LineValue>(third), static_cast<LineValue>(foot)}};
}
} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void identifiesEveryPattern_data();
    void identifiesEveryPattern();
    void patternsCoverEveryCombinationOnce();
    void valuesOtherThanOneOrTwoMatchNothing_data();
    void valuesOtherThanOneOrTwoMatchNothing();
    void keepsIrregularTextsExactly();
    void daysAreTheirOwnColumn();
    void findsRowsByExactName();
};

void TestCatalogue::identifiesEveryPattern_data() {
    QTest::addColumn<int>("head");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("third");
    QTest::addColumn<int>("foot");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("row");
    QTest::newRow("1111 via") << 1 << 1 << 1 << 1 << "VIA" << 0;
    QTest::newRow("2222 populus") << 2 << 2 << 2 << 2 << "POPULUS" << 1;
    QTest::newRow("2112 conjunctio") << 2 << 1 << 1 << 2 << "CONJUNCTIO" << 2;
    QTest::newRow("1221 carcer") << 1 << 2 << 2 << 1 << "CARCER" << 3;
    QTest::newRow("2211 fortuna major, head first") << 2 << 2 << 1 << 1 << "FORTUNA MAJOR" << 4;
    QTest::newRow("1122 fortuna minor, head first") << 1 << 1 << 2 << 2 << "FORTUNA MINOR" << 5;
    QTest::newRow("2121 acquisitio") << 2 << 1 << 2 << 1 << "ACQUISITIO" << 6;
    QTest::newRow("1212 amissio") << 1 << 2 << 1 << 2 << "AMISSIO" << 7;
    QTest::newRow("1222 laetitia") << 1 << 2 << 2 << 2 << "LAETITIA" << 8;
    QTest::newRow("2221 tristitia") << 2 << 2 << 2 << 1 << "TRISTITIA" << 9;
    QTest::newRow("2212 albus") << 2 << 2 << 1 << 2 << "ALBUS" << 10;
    QTest::newRow("2122 rubeus") << 2 << 1 << 2 << 2 << "RUBEUS" << 11;
    QTest::newRow("1211 puella") << 1 << 2 << 1 << 1 << "PUELLA" << 12;
    QTest::newRow("1121 puer") << 1 << 1 << 2 << 1 << "PUER" << 13;
    QTest::newRow("2111 caput draconis") << 2 << 1 << 1 << 1 << "CAPUT DRACONIS" << 14;
    QTest::newRow("1112 cauda draconis") << 1 << 1 << 1 << 2 << "CAUDA DRACONIS" << 15;
}

void TestCatalogue::identifiesEveryPattern() {
    QFETCH(int, head);
    QFETCH(int, second);
    QFETCH(int, third);
    QFETCH(int, foot);
    QFETCH(QString, name);
    QFETCH(int, row);
    const auto match = identifyFigure(figure(head, second, third, foot));
    QVERIFY(match.has_value());
    QCOMPARE(*match, row);
    QCOMPARE(QString::fromUtf8(figureCatalogue()[static_cast<std::size_t>(row)].name), name);
}

void TestCatalogue::patternsCoverEveryCombinationOnce() {
    std::set<int> rows;
    for (int bits = 0; bits < 16; ++bits) {
        const auto match = identifyFigure(
            figure(1 + (bits >> 3 & 1), 1 + (bits >> 2 & 1), 1 + (bits >> 1 & 1), 1 + (bits & 1)));
        QVERIFY(match.has_value());
        rows.insert(*match);
    }
    QCOMPARE(rows.size(), std::size_t(16));
}

void TestCatalogue::valuesOtherThanOneOrTwoMatchNothing_data() {
    QTest::addColumn<int>("head");
    QTest::addColumn<int>("foot");
    QTest::newRow("zero head") << 0 << 1;
    QTest::newRow("three foot") << 1 << 3;
    QTest::newRow("negative") << -1 << 2;
}

void TestCatalogue::valuesOtherThanOneOrTwoMatchNothing() {
    QFETCH(int, head);
    QFETCH(int, foot);
    QVERIFY(!identifyFigure(figure(head, 1, 1, foot)).has_value());
}

void TestCatalogue::keepsIrregularTextsExactly() {
    const auto& c = figureCatalogue();
    QCOMPARE(std::string(c[1].title), std::string("Populus  The People"));
    QCOMPARE(std::string(c[9].keyword), std::string("Lonliness"));
    QCOMPARE(std::string(c[11].quality), std::string("Mobile "));
    QCOMPARE(std::string(c[13].quality), std::string("Mobile"));
    QCOMPARE(std::string(c[11].bodyPart), std::string("Reproductivity System"));
    QCOMPARE(std::string(c[10].keyword), std::string("Peace"));
    QCOMPARE(std::string(c[12].keyword), std::string("Peace"));
    QCOMPARE(std::string(c[14].planet), std::string("North Node of Moon"));
    QCOMPARE(std::string(c[15].sign), std::string("None"));
    QCOMPARE(std::string(c[14].title), std::string("Caput Draconis - Dragon's Head"));
    QVERIFY(std::string(c[8].significance).rfind("This is the sign of a king.", 0) == 0);
    for (const auto& row : c) {
        QVERIFY2(std::string(row.significance).find('\n') == std::string::npos, row.name);
        QVERIFY2(std::string(row.title).find(row.name) == std::string::npos,
                 "titles are not upper case");
    }
}

void TestCatalogue::daysAreTheirOwnColumn() {
    const auto& c = figureCatalogue();
    QCOMPARE(std::string(c[7].planet), std::string("Venus"));
    QCOMPARE(std::string(c[7].day), std::string("Wednesday"));
    QCOMPARE(std::string(c[10].planet), std::string("Mercury"));
    QCOMPARE(std::string(c[10].day), std::string("Friday"));
}

void TestCatalogue::findsRowsByExactName() {
    QCOMPARE(findCatalogueRow("RUBEUS").value_or(-1), 11);
    QVERIFY(!findCatalogueRow("Rubeus").has_value());
    QVERIFY(!findCatalogueRow("").has_value());
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
