#include "program/CoBrand.h"
#include "support/ScriptedRandom.h"

#include <QLabel>
#include <QtTest>

#include <cmath>

namespace {

// The floats closest to k/12 on either side; k/12 itself is a float only
// when it is a multiple of 1/4.
float below(int twelfths) {
    const double exact = twelfths / 12.0;
    const float nearest = static_cast<float>(exact);
    return static_cast<double>(nearest) < exact ? nearest : std::nextafter(nearest, 0.0f);
}
float above(int twelfths) {
    const double exact = twelfths / 12.0;
    const float nearest = static_cast<float>(exact);
    return static_cast<double>(nearest) > exact ? nearest : std::nextafter(nearest, 1.0f);
}

// Which of the two stacked labels is in front: the later sibling.
QString front(QWidget* parent, QWidget* a, QWidget* b) {
    const auto& children = parent->children();
    return children.indexOf(a) > children.indexOf(b) ? a->objectName() : b->objectName();
}

} // namespace

class TestCoBrand : public QObject {
    Q_OBJECT
private slots:
    void numberRoundsToNearestTiesToEven_data();
    void numberRoundsToNearestTiesToEven();
    void oddRaisesCobrandEvenRaisesFullBrand_data();
    void oddRaisesCobrandEvenRaisesFullBrand();
    void sevenKeepsTheStackingOrder_data();
    void sevenKeepsTheStackingOrder();
    void shareOfEachOutcomeOverManyDraws();
};

void TestCoBrand::numberRoundsToNearestTiesToEven_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("number");
    QTest::newRow("0") << 0.0f << 1;
    QTest::newRow("just below 1/12") << below(1) << 1;
    QTest::newRow("just above 1/12") << above(1) << 2;
    QTest::newRow("1/4: tie 2.5 goes to 2") << 0.25f << 2;
    QTest::newRow("just above 1/4") << std::nextafter(0.25f, 1.0f) << 3;
    QTest::newRow("just below 5/12") << below(5) << 3;
    QTest::newRow("just above 5/12") << above(5) << 4;
    QTest::newRow("just below 6/12") << std::nextafter(0.5f, 0.0f) << 4;
    QTest::newRow("6/12") << 0.5f << 4;
    QTest::newRow("just above 6/12") << std::nextafter(0.5f, 1.0f) << 4;
    QTest::newRow("just below 7/12") << below(7) << 4;
    QTest::newRow("just above 7/12") << above(7) << 5;
    QTest::newRow("3/4: tie 5.5 goes to 6") << 0.75f << 6;
    QTest::newRow("just below 3/4") << std::nextafter(0.75f, 0.0f) << 5;
    QTest::newRow("just below 11/12") << below(11) << 6;
    QTest::newRow("just above 11/12") << above(11) << 7;
    QTest::newRow("largest draw") << std::nextafter(1.0f, 0.0f) << 7;
}

void TestCoBrand::numberRoundsToNearestTiesToEven() {
    QFETCH(float, r);
    QFETCH(int, number);
    QCOMPARE(int(coBrandNumber(r)), number);
}

void TestCoBrand::oddRaisesCobrandEvenRaisesFullBrand_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("front");
    QTest::newRow("1") << 0.0f << "lblCobrand";
    QTest::newRow("2") << above(1) << "lblFullBrand";
    QTest::newRow("3") << below(5) << "lblCobrand";
    QTest::newRow("4") << above(5) << "lblFullBrand";
    QTest::newRow("5") << above(7) << "lblCobrand";
    QTest::newRow("6") << below(11) << "lblFullBrand";
}

void TestCoBrand::oddRaisesCobrandEvenRaisesFullBrand() {
    QFETCH(float, r);
    QFETCH(QString, front);
    // From both starting orders, so that a label already in front proves nothing.
    for (bool cobrandFirst : {true, false}) {
        QWidget frame;
        auto* cobrand = new QLabel(&frame);
        auto* fullBrand = new QLabel(&frame);
        cobrand->setObjectName(QStringLiteral("lblCobrand"));
        fullBrand->setObjectName(QStringLiteral("lblFullBrand"));
        (cobrandFirst ? fullBrand : cobrand)->raise();
        ScriptedRandom random({r});
        coBrandRandomize(random, cobrand, fullBrand);
        QCOMPARE(::front(&frame, cobrand, fullBrand), front);
        QCOMPARE(random.draws(), std::size_t(1));
    }
}

void TestCoBrand::sevenKeepsTheStackingOrder_data() {
    QTest::addColumn<bool>("cobrandInFront");
    QTest::newRow("cobrand in front") << true;
    QTest::newRow("full brand in front") << false;
}

void TestCoBrand::sevenKeepsTheStackingOrder() {
    QFETCH(bool, cobrandInFront);
    QWidget frame;
    auto* cobrand = new QLabel(&frame);
    auto* fullBrand = new QLabel(&frame);
    cobrand->setObjectName(QStringLiteral("lblCobrand"));
    fullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    (cobrandInFront ? cobrand : fullBrand)->raise();
    const QString before = front(&frame, cobrand, fullBrand);
    ScriptedRandom random({above(11)});
    QCOMPARE(int(coBrandRandomize(random, cobrand, fullBrand)), 7);
    QCOMPARE(front(&frame, cobrand, fullBrand), before);
}

void TestCoBrand::shareOfEachOutcomeOverManyDraws() {
    // On an even grid of r the odd numbers take 5/12, the even 6/12 and 7 takes 1/12.
    int odd = 0, even = 0, seven = 0;
    constexpr int Steps = 12 * 1024;
    for (int i = 0; i < Steps; ++i) {
        const int n = coBrandNumber(static_cast<float>((i + 0.5) / Steps));
        (n == 7 ? seven : n % 2 ? odd : even) += 1;
    }
    QCOMPARE(odd, 5 * 1024);
    QCOMPARE(even, 6 * 1024);
    QCOMPARE(seven, 1024);
}

QTEST_MAIN(TestCoBrand)
#include "test_cobrand.moc"
