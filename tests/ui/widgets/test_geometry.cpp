#include "support/Windows.h"
#include "ui/widgets/Geometry.h"

#include <QLabel>
#include <QScreen>
#include <QtTest>

#include <stdexcept>

class TestGeometry : public QObject {
    Q_OBJECT
private slots:
    void aNameNoControlHasIsRefusedBeforeAnythingMoves();
    void aWindowIsCentredEachTimeItIsShown();
};

void TestGeometry::aNameNoControlHasIsRefusedBeforeAnythingMoves() {
    // Guards against a renamed control silently keeping Qt's default place.
    QWidget window;
    auto* label = new QLabel(&window);
    label->setObjectName(QStringLiteral("Label1"));
    const QRect before = label->geometry();
    const ControlPlace places[] = {{"Label1", {120, 120, 600, 240}},
                                   {"Label2", {120, 480, 600, 240}}};
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, placeControls(&window, places));
    QCOMPARE(label->geometry(), before);

    placeControls(&window, {places[0]});
    QCOMPARE(label->geometry(), twips::rect(120, 120, 600, 240));
}

void TestGeometry::aWindowIsCentredEachTimeItIsShown() {
    QWidget window;
    window.resize(300, 200);
    centreOnScreenWhenShown(&window);
    for (int showing = 1; showing <= 2; ++showing) {
        showExposed(window);
        const QPoint offset =
            window.frameGeometry().center() - window.screen()->availableGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("showing %1 off by %2, %3")
                                .arg(showing)
                                .arg(offset.x())
                                .arg(offset.y())));
        window.hide();
        window.move(0, 0); // the user moved it away
    }
}

QTEST_MAIN(TestGeometry)
#include "test_geometry.moc"
