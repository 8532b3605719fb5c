// The house chart, the question's indications, company, the two ways of
// counting the Index and of tracing the Via Puncti, and the self-check,
// against charts worked by hand.
#include "geomancy/FigureCatalogue.h"
#include "geomancy/HouseChart.h"
#include "geomancy/Judgement.h"
#include "geomancy/SelfCheck.h"
#include "geomancy/ShieldChart.h"
#include "support/Casting.h"

#include <QtTest>

using namespace geomancy;

namespace {

QString nameOf(const GeomanticFigure& figure) {
    return QString::fromUtf8(
        figureCatalogue()[static_cast<std::size_t>(identifyFigure(figure).value())].name);
}

// The shield of four Mothers, the Daughters transposed from them.
ShieldChart shieldOf(const QStringList& mothers) {
    return drawShieldChart(castingsOf(mothers));
}

// A house chart written house by house, house 1 first.
HouseChart chartOf(const QStringList& houses) {
    HouseChart chart;
    for (int h = 1; h <= HouseCount; ++h)
        chart.figures[static_cast<std::size_t>(h - 1)] = figureNamed(houses[h - 1]);
    return chart;
}

// "conjunction 1,8 PUER none +4": kind, houses, figures, direction, weight.
QStringList describe(const Judgement& judgement) {
    QStringList lines;
    for (const Indication& indication : judgement.indications) {
        QStringList houses, figures;
        for (int house : indication.houses)
            houses << QString::number(house);
        for (const GeomanticFigure& figure : indication.figures)
            figures << nameOf(figure);
        const QString weight = (indication.weight > 0 ? QStringLiteral("+") : QString()) +
                               QString::number(indication.weight);
        lines << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(QLatin1String(indicationKindName(indication.kind)), houses.join(','),
                          figures.join(','),
                          QLatin1String(aspectDirectionName(indication.direction)), weight);
    }
    for (const Company& company : judgement.companies) {
        QStringList kinds;
        for (CompanyKind kind : company.kinds)
            kinds << QLatin1String(companyKindName(kind));
        lines << QStringLiteral("company %1,%2 %3")
                     .arg(company.houses[0])
                     .arg(company.houses[1])
                     .arg(kinds.isEmpty() ? QStringLiteral("none") : kinds.join(','));
    }
    lines << QStringLiteral("total %1 %2")
                 .arg(judgement.total)
                 .arg(QLatin1String(verdictName(judgement.verdict)));
    return lines;
}

const QStringList Mothers{"PUER", "CAPUT DRACONIS", "TRISTITIA", "ALBUS"};

} // namespace

class TestJudgement : public QObject {
    Q_OBJECT
private slots:
    void houseChartsWorkedByHand_data();
    void houseChartsWorkedByHand();
    void questionsWorkedByHand_data();
    void questionsWorkedByHand();
    void companyOfTwoFigures_data();
    void companyOfTwoFigures();
    void indexAndViaPunctiByEachMethod_data();
    void indexAndViaPunctiByEachMethod();
    void selfCheckHoldsAndCatchesABrokenShield();
};

void TestJudgement::houseChartsWorkedByHand_data() {
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QStringList>("houses");
    // Mothers PUER 1121, CAPUT DRACONIS 2111, TRISTITIA 2221, ALBUS 2212.
    // Daughters (the Mothers' lines 1 to 4): 1222 LAETITIA, 1122 FORTUNA
    // MINOR, 2121 ACQUISITIO, 1112 CAUDA DRACONIS. Nieces: 1121+2111 = 1212
    // AMISSIO, 2221+2212 = 2211 FORTUNA MAJOR, 1222+1122 = 2122 RUBEUS,
    // 2121+1112 = 1211 PUELLA.
    QTest::newRow("sequential sets place n in house n")
        << "sequential" << QStringList{"PUER",     "CAPUT DRACONIS", "TRISTITIA",  "ALBUS",
                                       "LAETITIA", "FORTUNA MINOR",  "ACQUISITIO", "CAUDA DRACONIS",
                                       "AMISSIO",  "FORTUNA MAJOR",  "RUBEUS",     "PUELLA"};
    // Houses 1-12: M1 D1 N1 M4 D4 N4 M3 D3 N3 M2 D2 N2.
    QTest::newRow(
        "agrippa sets the Mothers in 1, 10, 7, 4, each followed by its Daughter and Niece")
        << "agrippa"
        << QStringList{"PUER",           "LAETITIA",       "AMISSIO",       "ALBUS",
                       "CAUDA DRACONIS", "PUELLA",         "TRISTITIA",     "ACQUISITIO",
                       "RUBEUS",         "CAPUT DRACONIS", "FORTUNA MINOR", "FORTUNA MAJOR"};
    // Houses 1-12: M2 D2 N2 M3 D3 N3 M4 D4 N4 M1 D1 N1.
    QTest::newRow(
        "golden-dawn sets the Mothers in 10, 1, 4, 7, each followed by its Daughter and Niece")
        << "golden-dawn"
        << QStringList{"CAPUT DRACONIS", "FORTUNA MINOR", "FORTUNA MAJOR", "TRISTITIA",
                       "ACQUISITIO",     "RUBEUS",        "ALBUS",         "CAUDA DRACONIS",
                       "PUELLA",         "PUER",          "LAETITIA",      "AMISSIO"};
}

void TestJudgement::houseChartsWorkedByHand() {
    QFETCH(QString, scheme);
    QFETCH(QStringList, houses);
    const HouseChart chart =
        setInHouses(shieldOf(Mothers), findHouseScheme(scheme.toStdString()).value());
    QStringList names;
    for (int h = 1; h <= HouseCount; ++h)
        names << nameOf(chart(h));
    QCOMPARE(names, houses);
}

void TestJudgement::questionsWorkedByHand_data() {
    QTest::addColumn<QStringList>("houses");
    QTest::addColumn<int>("quesited");
    QTest::addColumn<QStringList>("judged");

    // PUER in houses 1 and 7 and nowhere else; every other figure once.
    QTest::newRow("the querent's figure in the quesited house occupies it")
        << QStringList{"PUER", "VIA",       "POPULUS",  "ALBUS",   "RUBEUS",     "CARCER",
                       "PUER", "TRISTITIA", "LAETITIA", "AMISSIO", "ACQUISITIO", "CONJUNCTIO"}
        << 7
        << QStringList{"occupation 1,7 PUER none +5", "company 1,2 capitular", "company 7,8 none",
                       "total 5 favourable"};

    // ALBUS stands in house 2 (next to 1) and in house 4 (next to 5).
    // PUELLA 1211 and CARCER 1221 share only their head line.
    QTest::newRow("a third figure next to both houses translates")
        << QStringList{"PUER",    "ALBUS",     "VIA",      "ALBUS",   "PUELLA",     "CARCER",
                       "POPULUS", "TRISTITIA", "LAETITIA", "AMISSIO", "ACQUISITIO", "CONJUNCTIO"}
        << 5
        << QStringList{"translation 2,4 ALBUS none +4", "company 1,2 none", "company 5,6 capitular",
                       "total 4 favourable"};

    // PUER stands again in 3 (7 - 3 = 4: a sinister trine) and 9
    // ((7 - 9) mod 12 = 10: a dexter sextile); PUELLA in 5 ((1 - 5) mod 12
    // = 8: a dexter trine) and 11 ((1 - 11) mod 12 = 2: a sinister sextile).
    // No two of 3, 5, 9, 11 are neighbours: no mutation.
    QTest::newRow("aspects from both significators count one by one")
        << QStringList{"PUER",   "VIA",    "PUER", "POPULUS", "PUELLA", "ALBUS",
                       "PUELLA", "RUBEUS", "PUER", "CARCER",  "PUELLA", "TRISTITIA"}
        << 7 << QStringList{"trine 3,7 PUER sinister +3", "sextile 9,7 PUER dexter +3",
                            "trine 5,1 PUELLA dexter +3", "sextile 11,1 PUELLA sinister +3",
                            "company 1,2 capitular",      "company 7,8 none",
                            "total 12 favourable"};

    // PUER again in 11, opposite house 5; PUELLA again in 4 ((1 - 4) mod 12
    // = 9: a dexter square). Nothing perfects and no trine or sextile helps.
    QTest::newRow("hard aspects and no perfection impede")
        << QStringList{"PUER",   "VIA",    "POPULUS",   "PUELLA",   "PUELLA", "ALBUS",
                       "RUBEUS", "CARCER", "TRISTITIA", "LAETITIA", "PUER",   "AMISSIO"}
        << 5
        << QStringList{"opposition 11,5 PUER none -4",
                       "square 4,1 PUELLA dexter -3",
                       "impedition 1,5  none -5",
                       "company 1,2 capitular",
                       "company 5,6 none",
                       "total -12 unfavourable"};

    // Houses 1 and 2 are neighbours, but neither figure stands anywhere else.
    QTest::newRow("two neighbouring significators alone are no conjunction")
        << QStringList{"PUER",   "PUELLA",    "VIA",      "POPULUS", "ALBUS",      "RUBEUS",
                       "CARCER", "TRISTITIA", "LAETITIA", "AMISSIO", "ACQUISITIO", "CONJUNCTIO"}
        << 2
        << QStringList{"impedition 1,2  none -5", "company 1,2 compound,capitular",
                       "total -5 unfavourable"};

    // PUER again in 6 and 8, both next to 7: one conjunction, weighed once;
    // PUER in 3 beside PUELLA in 4 is a mutation; from 3 PUER casts a
    // sinister trine on 7, from 4 PUELLA a dexter square on 1.
    QTest::newRow("a conjunction weighs once however often it is seen, beside a mutation")
        << QStringList{"PUER",   "VIA",  "PUER",   "PUELLA", "POPULUS",   "PUER",
                       "PUELLA", "PUER", "RUBEUS", "CARCER", "TRISTITIA", "LAETITIA"}
        << 7 << QStringList{"conjunction 1,6 PUER none +4",     "conjunction 1,8 PUER none 0",
                            "mutation 3,4 PUER,PUELLA none +4", "trine 3,7 PUER sinister +3",
                            "square 4,1 PUELLA dexter -3",      "company 1,2 capitular",
                            "company 7,8 compound,capitular",   "total 8 favourable"};
}

void TestJudgement::questionsWorkedByHand() {
    QFETCH(QStringList, houses);
    QFETCH(int, quesited);
    QFETCH(QStringList, judged);
    QCOMPARE(describe(judgeQuestion(chartOf(houses), quesited)), judged);
}

void TestJudgement::companyOfTwoFigures_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("kinds");
    QTest::newRow("one figure twice is simple, of one planet and one head")
        << "VIA"
        << "VIA"
        << "simple,demi-simple,capitular";
    QTest::newRow("two figures of Mars are demi-simple") << "PUER"
                                                         << "RUBEUS"
                                                         << "demi-simple";
    QTest::newRow("the Dragon's Head counts with Jupiter") << "CAPUT DRACONIS"
                                                           << "ACQUISITIO"
                                                           << "demi-simple,capitular";
    QTest::newRow("the Dragon's Tail counts with Mars") << "CAUDA DRACONIS"
                                                        << "PUER"
                                                        << "demi-simple,capitular";
    QTest::newRow("the Head and the Tail are compound only") << "CAUDA DRACONIS"
                                                             << "CAPUT DRACONIS"
                                                             << "compound";
    QTest::newRow("Fortuna Major and Minor share their planet and are a compound pair")
        << "FORTUNA MINOR"
        << "FORTUNA MAJOR"
        << "demi-simple,compound";
    QTest::newRow("figures of nothing in common are in no company") << "PUER"
                                                                    << "ALBUS"
                                                                    << "";
}

void TestJudgement::companyOfTwoFigures() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, kinds);
    for (const auto& [a, b] : {std::pair{first, second}, std::pair{second, first}}) {
        QStringList found;
        for (CompanyKind kind : companyOf(figureNamed(a), figureNamed(b)))
            found << QLatin1String(companyKindName(kind));
        QCOMPARE(found.join(','), kinds);
    }
}

void TestJudgement::indexAndViaPunctiByEachMethod_data() {
    QTest::addColumn<QStringList>("mothers");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("singles");
    QTest::addColumn<QStringList>("branching");

    // 70 dots over the twelve figures (worked in test_shield): 48 lines of
    // which 96 - 70 = 26 single. The Judge VIA has a single head, so its
    // way is one path either way.
    QTest::newRow("a single-headed Judge has one way by either method")
        << QStringList{"PUELLA", "ALBUS", "FORTUNA MINOR", "CAPUT DRACONIS"} << 10 << 2
        << QStringList{"Judge, Left Witness, Niece 3, Daughter 1"};
    // 64 dots, 32 single. The POPULUS Judge's pair is followed into both
    // Witnesses and all four Nieces (all POPULUS) and stops there: the
    // Mothers and Daughters are VIA.
    QTest::newRow("a Populus Judge over four Viae branches into four ways")
        << QStringList{"VIA", "VIA", "VIA", "VIA"} << 4 << 8
        << QStringList{"Judge, Right Witness, Niece 1", "Judge, Right Witness, Niece 2",
                       "Judge, Left Witness, Niece 3", "Judge, Left Witness, Niece 4"};
    // 72 dots (24 in each row of four), 24 single: both 12. Witnesses 1221
    // CARCER and 1111 VIA, Judge 2112 CONJUNCTIO: no Witness has its pair.
    QTest::newRow("a pair-headed Judge over single-headed Witnesses stops at once")
        << Mothers << 12 << 12 << QStringList{"Judge"};
}

void TestJudgement::indexAndViaPunctiByEachMethod() {
    QFETCH(QStringList, mothers);
    QFETCH(int, points);
    QFETCH(int, singles);
    QFETCH(QStringList, branching);
    const ShieldChart chart = shieldOf(mothers);
    QCOMPARE(indexHouse(chart, IndexMethod::Points), points);
    QCOMPARE(indexHouse(chart, IndexMethod::Singles), singles);
    QStringList paths;
    for (const auto& path : viaPunctiPaths(chart, ViaPunctiMethod::Branching)) {
        QStringList places;
        for (ShieldPlace place : path)
            places << QLatin1String(shieldPlaceName(place));
        paths << places.join(QStringLiteral(", "));
    }
    QCOMPARE(paths, branching);
    const auto single = viaPunctiPaths(chart, ViaPunctiMethod::Single);
    QCOMPARE(single.size(), static_cast<std::size_t>(chart.viaPunctiLength > 0 ? 1 : 0));
}

namespace {

// A shield whose Reconciler is added from Mother 2: the self-check must name
// that rule and no other.
ShieldChart reconcilerFromMother2(const std::array<GeomanticFigure, 8>& castings) {
    ShieldChart chart = drawShieldChart(castings);
    chart.figures[slotOf(ShieldPlace::Reconciler)] =
        addFigures(chart[ShieldPlace::Judge], chart[ShieldPlace::Mother2]);
    return chart;
}

// A Via Puncti that stops at the Niece: it never ends at a Mother or Daughter.
ShieldChart pathStopsAtTheNiece(const std::array<GeomanticFigure, 8>& castings) {
    ShieldChart chart = drawShieldChart(castings);
    chart.viaPunctiLength = std::min(chart.viaPunctiLength, 3);
    return chart;
}

} // namespace

void TestJudgement::selfCheckHoldsAndCatchesABrokenShield() {
    const std::vector<RuleTally> good = tallyRules();
    QCOMPARE(good.size(), std::size_t{7});
    const std::array<long, 7> counts{MotherSets, MotherSets,     MotherSets, MotherSets,
                                     MotherSets, 3 * MotherSets, 16};
    for (std::size_t i = 0; i < good.size(); ++i) {
        QVERIFY2(good[i].holds, good[i].rule.c_str());
        QCOMPARE(good[i].count, counts[i]);
    }
    for (const auto& [broken, rule] : {std::pair{&reconcilerFromMother2, std::size_t{1}},
                                       std::pair{&pathStopsAtTheNiece, std::size_t{4}}}) {
        const std::vector<RuleTally> tally = tallyRules(broken);
        for (std::size_t i = 0; i < tally.size(); ++i)
            QVERIFY2(tally[i].holds == (i != rule), tally[i].rule.c_str());
    }
}

QTEST_APPLESS_MAIN(TestJudgement)
#include "test_judgement.moc"
