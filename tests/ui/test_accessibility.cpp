#include "support/Casting.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedRandom.h"
#include "support/Windows.h"

#include "ui/exit/ExitWindow.h"
#include "ui/mainwindow/AboutWindow.h"
#include "ui/report/Report.h"
#include "ui/report/ReportWindow.h"
#include "ui/widgets/ClickableLabel.h"

#include "ui/mainwindow/MainWindowTexts.h"
#include "ui/widgets/Accessibility.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

// What a screen reader is told, read through Qt's accessibility interfaces
// as the platform's bridge (AT-SPI, UI Automation) reads them.
namespace {

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    if (iface == nullptr)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return iface;
}

QString nameOf(QObject* object) {
    return accessible(object)->text(QAccessible::Name);
}

QString descriptionOf(QObject* object) {
    return accessible(object)->text(QAccessible::Description);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void tabHeadersArePageTabsInAPageTabList();
    void houseCellsNameTheirHouseAndWhatItHolds();
    void dotsSayTheirCastingAndLine();
    void everyTextBoxHasAName();
    void secondaryWindowsAreWindows();
    void controlsThatCannotBeSeenAreOffScreen();
    void eachPressIsToldWithoutMovingTheFocus_data();
    void eachPressIsToldWithoutMovingTheFocus();
    void theChartIsReadHouseByHouseFromOneTabStop_data();
    void theChartIsReadHouseByHouseFromOneTabStop();
};

void TestAccessibility::tabHeadersArePageTabsInAPageTabList() {
    MainWindowFixture f;
    showExposed(f.window);
    QAccessibleInterface* list = accessible(f.tabs());
    QCOMPARE(list->role(), QAccessible::PageTabList);
    QVERIFY(!list->text(QAccessible::Name).isEmpty());
    QCOMPARE(list->childCount(), 8); // the tabs alone, no page stack
    for (int i = 0; i < 8; ++i) {
        QAccessibleInterface* tab = list->child(i);
        QCOMPARE(tab->role(), QAccessible::PageTab);
        QCOMPARE(tab->text(QAccessible::Name), f.tabs()->tabHeader(i)->text());
        QCOMPARE(tab->parent()->object(), f.tabs());
        QCOMPARE(list->indexOfChild(tab), i);
        // Each page lies inside its own tab.
        QCOMPARE(tab->childCount(), 1);
        QCOMPARE(tab->child(0)->object(), f.tabs()->widget(i));
        QCOMPARE(tab->child(0)->parent()->object(), f.tabs()->tabHeader(i));
        QCOMPARE(tab->state().selected, i == 0);
        QVERIFY(tab->state().selectable);
    }

    // Selecting a tab moves the mark.
    f.tabs()->setCurrentIndex(3);
    QVERIFY(list->child(3)->state().selected);
    QVERIFY(!list->child(0)->state().selected);

    // A screen reader's press selects the tab.
    QAccessibleInterface* mars = list->child(7);
    QVERIFY(
        mars->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    mars->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(f.tabs()->currentIndex(), 7);
    QVERIFY(mars->state().selected);
}

void TestAccessibility::houseCellsNameTheirHouseAndWhatItHolds() {
    MainWindowFixture f;
    QVERIFY(!nameOf(f.find(QStringLiteral("chartFrame"))).isEmpty());
    QCOMPARE(nameOf(f.cell(0)), QStringLiteral("House 1, Aries: empty"));
    QCOMPARE(nameOf(f.cell(11)), QStringLiteral("House 12, Pisces: empty"));

    // The worked reading: Sun, Venus and Mars in 12, Moon in 4, Mercury and
    // Jupiter in 6, Saturn in 1, where the Ascendant always stands.
    f.script(WorkedReadingLines);
    f.press(1);
    QCOMPARE(nameOf(f.cell(0)), QStringLiteral("House 1, Aries: Ascendant"));
    f.press(1);
    QCOMPARE(nameOf(f.cell(11)), QStringLiteral("House 12, Pisces: Sun"));

    f.press(1);
    QCOMPARE(nameOf(f.cell(3)), QStringLiteral("House 4, Cancer: Moon"));

    f.press(5);
    QCOMPARE(nameOf(f.cell(11)), QStringLiteral("House 12, Pisces: Sun, Venus, Mars"));
    QCOMPARE(nameOf(f.cell(0)), QStringLiteral("House 1, Aries: Ascendant, Saturn"));
    QCOMPARE(nameOf(f.cell(5)), QStringLiteral("House 6, Virgo: Mercury, Jupiter"));
    QCOMPARE(nameOf(f.cell(2)), QStringLiteral("House 3, Gemini: empty"));

    f.press(1); // the reset
    QCOMPARE(nameOf(f.cell(11)), QStringLiteral("House 12, Pisces: empty"));
    QCOMPARE(nameOf(f.cell(0)), QStringLiteral("House 1, Aries: empty"));
}

void TestAccessibility::dotsSayTheirCastingAndLine() {
    MainWindowFixture f;
    const QString left = nameOf(f.find(QStringLiteral("dotColumn_0")));
    const QString right = nameOf(f.find(QStringLiteral("dotColumn_1")));
    QVERIFY(left.contains(QLatin1String("Ascendant")) && right.contains(QLatin1String("Mars")));
    QVERIFY(left != right);

    f.script(WorkedReadingLines);
    f.castWholeReading();
    QAccessibleInterface* first = accessible(f.dot(0));
    QCOMPARE(first->role(), QAccessible::Graphic);
    QCOMPARE(first->text(QAccessible::Name), QStringLiteral("Ascendant, line 1: one dot"));
    QCOMPARE(nameOf(f.dot(1)), QStringLiteral("Ascendant, line 2: two dots"));
    QCOMPARE(nameOf(f.dot(7)), QStringLiteral("Sun, line 4: two dots"));
    // Mars takes the foot lines of castings 1 to 4: 1, 2, 1, 2.
    QCOMPARE(nameOf(f.dot(28)), QStringLiteral("Mars, line 1: one dot"));
    QCOMPARE(nameOf(f.dot(31)), QStringLiteral("Mars, line 4: two dots"));

    // The next reading names the dots anew.
    f.press(1); // the reset
    f.script({2, 2, 1, 1, 2, 2, 1, 2, 1, 1, 1, 1, 2, 2, 2, 2});
    f.press(1);
    QCOMPARE(nameOf(f.dot(0)), QStringLiteral("Ascendant, line 1: two dots"));
    QCOMPARE(nameOf(f.dot(3)), QStringLiteral("Ascendant, line 4: one dot"));
}

void TestAccessibility::everyTextBoxHasAName() {
    MainWindowFixture f;
    ScriptedRandom random{{0.5f}};
    ExitWindow exit(random);
    exit.setAttribute(Qt::WA_DeleteOnClose, false);
    Report report;
    report.reset();

    QList<QWidget*> boxes;
    for (const QWidget* window : {static_cast<QWidget*>(&f.window), static_cast<QWidget*>(&exit),
                                  static_cast<QWidget*>(report.window())}) {
        for (QWidget* box : window->findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(box) || qobject_cast<QTextEdit*>(box) ||
                qobject_cast<QPlainTextEdit*>(box))
                boxes << box;
        }
    }
    QCOMPARE(boxes.size(), 9 + 5 + 1);
    for (QWidget* box : boxes)
        QVERIFY2(!nameOf(box).isEmpty(), qPrintable(box->objectName()));

    // The referral boxes are called what their hints say, whatever they hold.
    const auto exitBox = [&](const char* name) {
        return findControl<QWidget>(&exit, QLatin1String(name));
    };
    findControl<QLineEdit>(&exit, QStringLiteral("txtName"))->setText(QStringLiteral("Ada"));
    QCOMPARE(nameOf(exitBox("txtName")), QStringLiteral("Your Name"));
    QCOMPARE(nameOf(exitBox("txtEmail")), QStringLiteral("Your Email Address"));
    QCOMPARE(nameOf(exitBox("txtFriendName")), QStringLiteral("Friend's Name"));
    QCOMPARE(nameOf(exitBox("txtFriendEmail")), QStringLiteral("Friend's Email Address"));
    QCOMPARE(nameOf(exitBox("txtMessage")), QStringLiteral("Your Message"));
    QVERIFY(nameOf(report.window()->reportBox())
                .contains(QLatin1String("report"), Qt::CaseInsensitive));
}

void TestAccessibility::secondaryWindowsAreWindows() {
    ScriptedRandom random{{0.5f}};
    ExitWindow exit(random);
    exit.setAttribute(Qt::WA_DeleteOnClose, false);
    showExposed(exit);
    // Read out as it opens with its message, like a message box.
    QCOMPARE(accessible(&exit)->role(), QAccessible::Dialog);
    QCOMPARE(nameOf(&exit), exit.windowTitle());

    AboutWindow about;
    QCOMPARE(accessible(&about)->role(), QAccessible::Dialog);
    Report report;
    report.reset();
    QCOMPARE(accessible(report.window())->role(), QAccessible::Dialog);
    QVERIFY(nameOf(report.window()).contains(QLatin1String("Report")));
}

void TestAccessibility::controlsThatCannotBeSeenAreOffScreen() {
    MainWindowFixture f;
    showExposed(f.window);

    // The panel beyond the window's edge: off screen, and nothing in it is
    // offered; a frame in sight is neither.
    QAccessibleInterface* panel = accessible(f.find(QStringLiteral("currentFigurePanel")));
    QVERIFY(panel->state().offscreen);
    QCOMPARE(panel->childCount(), 0);
    QVERIFY(accessible(f.find(QStringLiteral("lblGeomancyName")))->state().offscreen);
    QAccessibleInterface* figures = accessible(f.find(QStringLiteral("figureFrame")));
    QVERIFY(!figures->state().offscreen);
    QVERIFY(figures->childCount() > 0);
    QVERIFY(!accessible(f.cell(0))->state().offscreen);

    // Of the two brand labels on one place, only the one in front is on
    // screen; both are links.
    ClickableLabel* front = f.window.fullBrandLabel();
    ClickableLabel* behind = f.window.cobrandLabel();
    for (int turn = 0; turn < 2; ++turn) {
        front->raise();
        QVERIFY(!accessible(front)->state().offscreen);
        QVERIFY(accessible(behind)->state().offscreen);
        QCOMPARE(accessible(front)->role(), QAccessible::Link);
        std::swap(front, behind);
    }
}

void TestAccessibility::eachPressIsToldWithoutMovingTheFocus_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<int>("nextCasting"); // 0: the next press clears the reading
    // The worked reading: houses 1, 12, 4, 12, 6, 1, 6, 12.
    QTest::newRow("the first press casts the Ascendant in house 1")
        << 1 << "^Casting 1 of 8, Ascendant: \\S.*, house 1$" << 2;
    QTest::newRow("the third puts the Moon in house 4")
        << 3 << "^Casting 3 of 8, Moon: \\S.*, house 4$" << 4;
    QTest::newRow("the sixth puts Saturn in house 1")
        << 6 << "^Casting 6 of 8, Saturn: .*, house 1$" << 7;
    QTest::newRow("the eighth completes the reading and points to Print")
        << 8 << "^Casting 8 of 8, Mars: .*, house 12\\. The reading is complete: Print opens" << 0;
    QTest::newRow("the ninth begins a new reading") << 9 << "^A new reading begins\\.$" << 1;
}

void TestAccessibility::eachPressIsToldWithoutMovingTheFocus() {
    QFETCH(int, presses);
    QFETCH(QString, spoken);
    QFETCH(int, nextCasting);
    MainWindowFixture f;
    f.script(WorkedReadingLines);
    showExposed(f.window);
    f.castButton()->setFocus();
    const QString caption = presses == 8 ? maintexts::RefreshCaption : maintexts::CastCaption;
    f.press(presses);
    auto* announcer = f.window.findChild<QWidget*>(QStringLiteral("announcer"));
    QVERIFY(announcer != nullptr);
    QCOMPARE(accessible(announcer)->role(), QAccessible::Notification);
    QVERIFY2(QRegularExpression(spoken).match(nameOf(announcer)).hasMatch(),
             qPrintable(nameOf(announcer)));
    // Shown, which is what a reader speaks (the offscreen platform has no
    // bridge to send the events to: tests/orca hears them).
    QVERIFY(announcer->isVisible());
    QCOMPARE(f.window.focusWidget(), f.castButton());
    QCOMPARE(f.castButton()->text(), caption);

    // The button names the next press and keeps the last casting; so does
    // the casting's tab, and its page's focus stop the figure's rows.
    QCOMPARE(nameOf(f.castButton()), nextCasting > 0 ? maintexts::castButtonName(nextCasting)
                                                     : maintexts::RefreshButtonName);
    const QString last =
        presses <= 8 ? nameOf(announcer).section(QStringLiteral(". "), 0, 0) : QString();
    QCOMPARE(descriptionOf(f.castButton()), last);
    QCOMPARE(descriptionOf(f.tabs()->tabHeader(qMin(presses, 8) - 1)), last);
    auto* significance = f.tabs()->widget(qMin(presses, 8) - 1)->findChild<QTextEdit*>();
    QCOMPARE(descriptionOf(significance).contains(QLatin1String("Keyword: ")), presses <= 8);
}

void TestAccessibility::theChartIsReadHouseByHouseFromOneTabStop_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("heard");
    QTest::newRow("entering it reads house 1")
        << QList<int>{} << "House 1, Aries: Ascendant, Saturn";
    QTest::newRow("Down twice reaches house 3")
        << QList<int>{Qt::Key_Down, Qt::Key_Down} << "House 3, Gemini: empty";
    QTest::newRow("End reaches house 12")
        << QList<int>{Qt::Key_End} << "House 12, Pisces: Sun, Venus, Mars";
    QTest::newRow("Up from the end reaches house 11")
        << QList<int>{Qt::Key_End, Qt::Key_Up} << "House 11, Aquarius: empty";
    QTest::newRow("Down stops at house 12")
        << QList<int>(14, Qt::Key_Down) << "House 12, Pisces: Sun, Venus, Mars";
    QTest::newRow("Home returns to house 1")
        << QList<int>{Qt::Key_Down, Qt::Key_Home} << "House 1, Aries: Ascendant, Saturn";
}

void TestAccessibility::theChartIsReadHouseByHouseFromOneTabStop() {
    QFETCH(QList<int>, keys);
    QFETCH(QString, heard);
    MainWindowFixture f;
    f.script(WorkedReadingLines);
    f.castWholeReading();
    showExposed(f.window);
    auto* chart = f.find(QStringLiteral("chartFrame"));
    QCOMPARE(chart->focusPolicy(), Qt::TabFocus);
    QAccessibleInterface* list = accessible(chart);
    QCOMPARE(list->role(), QAccessible::List);
    QCOMPARE(list->childCount(), 12);

    chart->setFocus(Qt::TabFocusReason);
    for (int key : keys)
        QTest::keyClick(chart, static_cast<Qt::Key>(key));
    QWidget* reviewed = accessibility::reviewedItem(chart);
    QVERIFY(reviewed != nullptr);
    QAccessibleInterface* item = accessible(reviewed);
    QCOMPARE(item->text(QAccessible::Name), heard);
    QCOMPARE(item->role(), QAccessible::ListItem);
    QVERIFY(item->state().focused);
    QCOMPARE(list->indexOfChild(item), heard.section(QLatin1Char(','), 0, 0).mid(6).toInt() - 1);
    QCOMPARE(f.window.focusWidget(), chart); // the keys never leave the chart
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
