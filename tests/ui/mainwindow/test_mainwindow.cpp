#include "support/Casting.h"
#include "support/MainWindowFixture.h"
#include "support/Pixels.h"
#include "support/Windows.h"
#include "ui/mainwindow/DotPictures.h"
#include "ui/widgets/AppInfo.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QtTest>

#include <stdexcept>

namespace {

const QString CastCaption = QStringLiteral("Click to Find Position of (Planet)");
const QString RefreshCaption = QStringLiteral("Refresh");

// The value controls of one figure panel, in display order.
QStringList panelNames(const QString& suffix) {
    QStringList names;
    for (const char* name :
         {"lblGeomancyName", "lblKeyword", "lblAssociatedDay", "lblAssociatedElement",
          "lblAssociatedQuality", "lblAssociatedPlanet", "lblAssociatedSign",
          "lblAssociatedBodyPart", "lblDirection", "txtSignificance"})
        names << QLatin1String(name) + suffix;
    return names;
}

QString displayed(const MainWindowFixture& f, const QString& name) {
    if (auto* box = qobject_cast<QTextEdit*>(f.find(name)))
        return box->toPlainText();
    return f.find<QLabel>(name)->text();
}

std::vector<int> range(int first, int last) {
    std::vector<int> values;
    for (int i = first; i <= last; ++i)
        values.push_back(i);
    return values;
}

bool samePicture(const QLabel* dot, int value) {
    return compareImages(dot->pixmap().toImage(), DotPictures().picture(value).toImage())
        .withinTolerance();
}

// Every named control with its kind, place, text and whether it would show,
// by name; then the named controls the Tab key reaches, in the order it does.
QStringList describe(const QWidget& window) {
    QStringList controls;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        // Qt's own parts (scroll bars' containers and the like) are laid out
        // whenever Qt sees fit.
        if (control->objectName().isEmpty() || control->objectName().startsWith(u"qt_"))
            continue;
        const auto* label = qobject_cast<const QLabel*>(control);
        const auto* box = qobject_cast<const QTextEdit*>(control);
        QString line;
        QDebug(&line) << control->objectName() << control->metaObject()->className()
                      << control->geometry() << control->isVisibleTo(&window)
                      << (label ? label->text()
                          : box ? box->toPlainText()
                                : QString());
        controls << line;
    }
    controls.sort();
    QStringList focusChain;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty())
            focusChain << w->objectName();
    }
    return controls << focusChain;
}

void sendMouse(QWidget* target, QEvent::Type type) {
    const QPointF at(5, 5);
    QMouseEvent event(type, at, target->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

// Shows the window and makes it the active one, so keys go where a user's would.
void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void readyStateShowsNothingCast();
    void readyStateClearsEveryValueControl();
    void menuEntries_data();
    void menuEntries();
    void tabHeadersSelectTheirPage();
    void firstPressCastsTheAscendant();
    void eachPressAdvancesTheReading_data();
    void eachPressAdvancesTheReading();
    void houseCellsCollectPlanetsInCastingOrder();
    void derivedCastingsDrawNothingAndShowTransposedDots();
    void figureDisplayShowsTheTitleOnTheCastingsTab();
    void figureDisplayWritesCurrentPanelFirstInColumnOrder();
    void ninthPressClearsTheWindow();
    void ninthPressSelectsTabZeroWhateverIsSelected();
    void tenthPressStartsANewReading();
    void printButtonShowsTheReport();
    void throwingReportOperationsStopNothing();
    void exhaustedRandomSourceStillAdvances();
    void clipboardIsEmptiedOverSignificanceBoxes_data();
    void clipboardIsEmptiedOverSignificanceBoxes();
    void everyCastingEmptiesTheClipboard();
    void aPressEmptiesTheClipboardOnce();
    void closingEmitsClosed();

    void enterCastsAWholeReadingFromTheStartingFocus();
    void tabReachesOnlyTheSelectedHeaderAndNothingOffTheWindow();
    void arrowsMoveAlongTheHeadersAndSelect();
    void pageKeysSwitchTabsFromAnywhere_data();
    void pageKeysSwitchTabsFromAnywhere();
    void brandingFrameIsWhiteInside();

    void theRestIsBuiltOnceTheFirstFrameIsPainted();
    void aPressBeforeTheFirstFrameBuildsWhatAPressAfterItFinds();
};

void TestMainWindow::readyStateShowsNothingCast() {
    MainWindowFixture f;
    QCOMPARE(f.window.objectName(), QStringLiteral("frmMain"));
    QCOMPARE(f.window.windowTitle(), QStringLiteral("Ririv Evazorarizad Azivoder v1.0"));
    QVERIFY(f.visibleDots().empty());
    QVERIFY(f.houseLabel(0)->isHidden());
    QCOMPARE(f.houseLabel(0)->text(), QStringLiteral("Asc"));
    for (int h = 1; h <= 12; ++h) {
        QCOMPARE(f.houseLabel(h)->text(), QStringLiteral("House %1").arg(h));
        QVERIFY(!f.houseLabel(h)->isHidden());
        QCOMPARE(f.cell(h - 1)->text(), QString());
    }
    QCOMPARE(f.castButton()->text(), CastCaption);
    QVERIFY(!f.printButton()->isEnabled());
    QCOMPARE(f.tabs()->count(), 8);
    QCOMPARE(f.tabs()->currentIndex(), 0);
    const QStringList captions{"Ascendant", "Sun",    "Moon",    "Venus",
                               "Mercury",   "Saturn", "Jupiter", "Mars"};
    for (int t = 0; t < 8; ++t)
        QCOMPARE(f.tabs()->tabHeader(t)->text(), captions[t]);
    QCOMPARE(f.find<QGroupBox>("ss", 0)->title(),
             QStringLiteral("Geomantic Interpretation for Asc"));
    QCOMPARE(f.find<QGroupBox>("ss", 7)->title(),
             QStringLiteral("Geomantic Interpretation for Mars"));
    QCOMPARE(f.reading.castCount(), std::int16_t(0));
    QCOMPARE(f.random.draws(), std::size_t(0));

    // The house labels and the marker lie above every other control of the
    // chart, the marker under "House 1" .. "House 12".
    const QObjectList stack = f.houseLabel(0)->parent()->children();
    for (int i = 0; i <= 12; ++i)
        QCOMPARE(stack[stack.size() - 13 + i], f.houseLabel(i));
}

void TestMainWindow::readyStateClearsEveryValueControl() {
    MainWindowFixture f;
    QStringList names = panelNames(QString());
    for (int t = 0; t < 8; ++t)
        names << panelNames(QStringLiteral("Display_%1").arg(t));
    for (const QString& name : names)
        QVERIFY2(displayed(f, name).isEmpty(), qPrintable(name));

    // Each tab still shows its ten headers.
    QStringList headers;
    for (QLabel* label : f.find<QGroupBox>("ss", 5)->findChildren<QLabel*>()) {
        if (label->font().underline())
            headers << label->text();
    }
    QCOMPARE(headers,
             (QStringList{"Geomantic Figure Name", "Keyword", "Associated Day",
                          "Associated Element", "Associated Quality", "Associated Planet",
                          "Associated Sign", "Associated Body Part", "Direction", "Significance"}));
}

void TestMainWindow::menuEntries_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("File menu") << "nuFile"
                               << "&File" << true;
    QTest::newRow("Exit") << "mnuExit"
                          << "E&xit" << true;
    QTest::newRow("Help menu") << "mnuHelp"
                               << "&Help" << true;
    QTest::newRow("Online help") << "mnuOnline"
                                 << "&Online Help" << true;
    QTest::newRow("Visit") << "mnuVisit"
                           << "&Visit Us Online" << true;
    QTest::newRow("Update") << "mnuUpdate"
                            << "&Check for Software Update" << true;
    QTest::newRow("About") << "mnuAbout"
                           << "&About Software" << true;
    QTest::newRow("Donate on the bar") << "mnuDonate"
                                       << "&Donate" << true;
    QTest::newRow("Make money, greyed") << "mnumakemoney"
                                        << "Make Money &Online" << false;
}

void TestMainWindow::menuEntries() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    MainWindowFixture f;
    auto* action = f.find<QAction>(name);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->isEnabled(), enabled);
    QVERIFY(f.window.menuBar()->actions().contains(action) ||
            !action->associatedObjects().isEmpty());
}

void TestMainWindow::tabHeadersSelectTheirPage() {
    MainWindowFixture f;
    TwoRowTabWidget* tabs = f.tabs();
    QSignalSpy changes(tabs, &TwoRowTabWidget::currentChanged);
    QTest::mouseClick(tabs->tabHeader(6), Qt::LeftButton);
    QCOMPARE(tabs->currentIndex(), 6);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.first().first().toInt(), 6);
    QVERIFY(tabs->widget(6)->isVisibleTo(tabs));
    QVERIFY(!tabs->widget(0)->isVisibleTo(tabs));
    QVERIFY(tabs->tabHeader(6)->isChecked());
    QVERIFY(!tabs->tabHeader(0)->isChecked());
    tabs->setCurrentIndex(6); // already selected: no signal
    tabs->setCurrentIndex(8); // no such tab: ignored
    QCOMPARE(changes.count(), 1);
    QCOMPARE(tabs->currentIndex(), 6);
}

void TestMainWindow::firstPressCastsTheAscendant() {
    MainWindowFixture f;
    f.script({2, 1, 2, 2});
    f.press();
    QCOMPARE(f.random.draws(), std::size_t(4));
    QCOMPARE(f.visibleDots(), range(0, 3));
    const int expected[4] = {2, 1, 2, 2};
    for (int i = 0; i < 4; ++i) {
        QVERIFY2(samePicture(f.dot(i), expected[i]), qPrintable(QString::number(i)));
        QVERIFY(f.dot(i)->accessibleName().endsWith(
            expected[i] == 1 ? QStringLiteral(": one dot") : QStringLiteral(": two dots")));
    }
    QVERIFY(!f.houseLabel(0)->isHidden());
    for (int i = 0; i < 12; ++i)
        QCOMPARE(f.cell(i)->text(), QString());
    QCOMPARE(f.tabs()->currentIndex(), 0);
    QCOMPARE(f.castButton()->text(), CastCaption);
    QVERIFY(!f.printButton()->isEnabled());
    QCOMPARE(f.reading.castCount(), std::int16_t(1));
}

void TestMainWindow::eachPressAdvancesTheReading_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("printEnabled");
    QTest::newRow("Sun") << 2 << CastCaption << false;
    QTest::newRow("Moon") << 3 << CastCaption << false;
    QTest::newRow("Venus") << 4 << CastCaption << false;
    QTest::newRow("Mercury") << 5 << CastCaption << false;
    QTest::newRow("Saturn") << 6 << CastCaption << false;
    QTest::newRow("Jupiter") << 7 << CastCaption << false;
    QTest::newRow("Mars completes") << 8 << RefreshCaption << true;
}

void TestMainWindow::eachPressAdvancesTheReading() {
    QFETCH(int, presses);
    QFETCH(QString, caption);
    QFETCH(bool, printEnabled);
    MainWindowFixture f;
    f.script(WorkedReadingLines);
    f.press(presses);
    QCOMPARE(f.visibleDots(), range(0, 4 * presses - 1));
    QCOMPARE(f.tabs()->currentIndex(), presses - 1);
    QCOMPARE(f.castButton()->text(), caption);
    QCOMPARE(f.printButton()->isEnabled(), printEnabled);
    QVERIFY(!f.houseLabel(0)->isHidden());
    QCOMPARE(f.reading.castCount(), std::int16_t(presses));
    QCOMPARE(f.random.draws(), std::size_t(4 * std::min(presses, 4)));
    QVERIFY(!displayed(f, QStringLiteral("lblGeomancyNameDisplay_%1").arg(presses - 1)).isEmpty());
}

void TestMainWindow::houseCellsCollectPlanetsInCastingOrder() {
    MainWindowFixture f;
    f.script(WorkedReadingLines);
    f.press(2);
    QCOMPARE(f.cell(11)->text(),
             QStringLiteral("\r\nSun")); // the worked example: a sum of 12 is house 12
    f.press(2);
    QCOMPARE(f.cell(3)->text(), QStringLiteral("\r\nMoon"));
    QCOMPARE(f.cell(11)->text(), QStringLiteral("\r\nSun\r\nVenus"));
    f.press(4);
    const QStringList expected{"\r\nSaturn", "", "", "\r\nMoon", "", "\r\nMercury\r\nJupiter",
                               "",           "", "", "",         "", "\r\nSun\r\nVenus\r\nMars"};
    for (int i = 0; i < 12; ++i)
        QCOMPARE(f.cell(i)->text(), expected[i]);
    // The Ascendant's casting writes no name, even into house 1.
    QVERIFY(!f.cell(0)->text().contains(QStringLiteral("Ascendant")));
}

void TestMainWindow::derivedCastingsDrawNothingAndShowTransposedDots() {
    MainWindowFixture f;
    f.script(WorkedReadingLines);
    f.castWholeReading();
    QCOMPARE(f.random.draws(), std::size_t(16));
    // Mercury takes the head lines of castings 1..4, Mars their foot lines.
    const int mercury[4] = {1, 2, 1, 2};
    const int mars[4] = {1, 2, 1, 2};
    const int saturn[4] = {2, 2, 1, 2};
    for (int j = 0; j < 4; ++j) {
        QVERIFY(samePicture(f.dot(16 + j), mercury[j]));
        QVERIFY(samePicture(f.dot(20 + j), saturn[j]));
        QVERIFY(samePicture(f.dot(28 + j), mars[j]));
    }
}

void TestMainWindow::figureDisplayShowsTheTitleOnTheCastingsTab() {
    MainWindowFixture f;
    f.script(WorkedReadingLines);
    f.press(4);
    // The Moon's lines 1, 1, 1, 1 are Via; Venus's 2, 2, 2, 2 Populus.
    QCOMPARE(displayed(f, "lblGeomancyNameDisplay_2"), QStringLiteral("Via - The Way"));
    QCOMPARE(displayed(f, "lblKeywordDisplay_2"), QStringLiteral("Change"));
    QCOMPARE(displayed(f, "lblAssociatedDayDisplay_2"), QStringLiteral("Monday"));
    QCOMPARE(displayed(f, "lblAssociatedElementDisplay_2"), QStringLiteral("Water"));
    QCOMPARE(displayed(f, "lblAssociatedQualityDisplay_2"), QStringLiteral("Mobile"));
    QCOMPARE(displayed(f, "lblAssociatedPlanetDisplay_2"), QStringLiteral("Moon"));
    QCOMPARE(displayed(f, "lblAssociatedSignDisplay_2"), QStringLiteral("Cancer"));
    QCOMPARE(displayed(f, "lblAssociatedBodyPartDisplay_2"), QStringLiteral("Stomach"));
    QCOMPARE(displayed(f, "lblDirectionDisplay_2"), QStringLiteral("South"));
    QVERIFY(displayed(f, "txtSignificanceDisplay_2")
                .startsWith(QStringLiteral("This figure signifies some kind")));

    QCOMPARE(displayed(f, "lblGeomancyNameDisplay_3"), QStringLiteral("Populus  The People"));
    // The current figure is the last one cast, Venus's.
    QCOMPARE(displayed(f, "lblGeomancyName"), QStringLiteral("Populus  The People"));
    QCOMPARE(displayed(f, "lblAssociatedBodyPart"), QStringLiteral("Breasts and Midriffs"));
    QVERIFY(displayed(f, "lblGeomancyNameDisplay_4").isEmpty());
}

void TestMainWindow::figureDisplayWritesCurrentPanelFirstInColumnOrder() {
    MainWindowFixture f;
    f.script(WorkedReadingLines);
    f.press(2);
    const QStringList current = panelNames(QString());
    const QStringList tab = panelNames(QStringLiteral("Display_2"));
    const auto labelsAreEmpty = [&](const QStringList& names) {
        QStringList values;
        for (int i = 0; i < 9; ++i)
            values << displayed(f, names[i]);
        return values.join(QString()).isEmpty() ? 1 : (values.contains(QString()) ? 0 : -1);
    };

    // Each significance box is the last of its panel: when it changes, the
    // panel's labels must already be in their final state, and the tab's
    // panel must not have been touched before the current one is complete.
    QStringList log;
    connect(f.find<QTextEdit>(QStringLiteral("txtSignificance")), &QTextEdit::textChanged, this,
            [&] {
                log << QStringLiteral("current box '%1', current labels %2, tab labels %3")
                           .arg(displayed(f, current[9]).left(4))
                           .arg(labelsAreEmpty(current))
                           .arg(labelsAreEmpty(tab));
            });
    connect(f.find<QTextEdit>(QStringLiteral("txtSignificanceDisplay_2")), &QTextEdit::textChanged,
            this, [&] {
                log << QStringLiteral("tab box '%1', current labels %2, tab labels %3")
                           .arg(displayed(f, tab[9]).left(4))
                           .arg(labelsAreEmpty(current))
                           .arg(labelsAreEmpty(tab));
            });
    f.press(); // the Moon: 1, 1, 1, 1 is Via
    // 1 = all nine empty, -1 = all nine written.
    QCOMPARE(log, (QStringList{"current box '', current labels 1, tab labels 1",
                               "current box 'This', current labels -1, tab labels 1",
                               "tab box 'This', current labels -1, tab labels -1"}));
    QCOMPARE(displayed(f, current[0]), QStringLiteral("Via - The Way"));
}

void TestMainWindow::ninthPressClearsTheWindow() {
    MainWindowFixture f;
    int reportResets = 0;
    f.window.setReportOperations({{}, [&] { ++reportResets; }, {}});
    f.script(WorkedReadingLines);
    f.castWholeReading();
    f.press();
    QCOMPARE(f.random.draws(), std::size_t(16)); // casts nothing
    QCOMPARE(reportResets, 1);
    QVERIFY(f.visibleDots().empty());
    QVERIFY(f.houseLabel(0)->isHidden());
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(f.cell(i)->text(), QString());
        QCOMPARE(f.houseLabel(i + 1)->text(), QStringLiteral("House %1").arg(i + 1));
        QVERIFY(f.reading.planetsIn(i + 1).empty());
    }
    QStringList names = panelNames(QString());
    for (int t = 0; t < 8; ++t)
        names << panelNames(QStringLiteral("Display_%1").arg(t));
    for (const QString& name : names)
        QVERIFY2(displayed(f, name).isEmpty(), qPrintable(name));
    QCOMPARE(f.castButton()->text(), CastCaption);
    QVERIFY(!f.printButton()->isEnabled());
    QCOMPARE(f.tabs()->currentIndex(), 0);
    QCOMPARE(f.reading.castCount(), std::int16_t(0));
    for (int slot = 0; slot < geomancy::LineValues::SlotCount; ++slot)
        QCOMPARE(f.reading.lineValues()[slot], geomancy::LineValue(0));
    const QObjectList stack = f.houseLabel(0)->parent()->children();
    QCOMPARE(stack.last(), f.houseLabel(12));
}

void TestMainWindow::ninthPressSelectsTabZeroWhateverIsSelected() {
    MainWindowFixture f;
    f.script(WorkedReadingLines);
    f.castWholeReading();
    f.tabs()->setCurrentIndex(3); // the user looks at Venus again
    f.press();
    QCOMPARE(f.tabs()->currentIndex(), 0);
}

void TestMainWindow::tenthPressStartsANewReading() {
    MainWindowFixture f;
    f.script(WorkedReadingLines);
    f.script({2, 2, 2, 2});
    f.press(10);
    QCOMPARE(f.random.draws(), std::size_t(20));
    QCOMPARE(f.visibleDots(), range(0, 3));
    for (int i = 0; i < 4; ++i)
        QVERIFY(samePicture(f.dot(i), 2));
    QVERIFY(!f.houseLabel(0)->isHidden());
    QCOMPARE(f.reading.castCount(), std::int16_t(1));
    QCOMPARE(displayed(f, "lblGeomancyNameDisplay_0"), QStringLiteral("Populus  The People"));
    QCOMPARE(f.castButton()->text(), CastCaption);
}

void TestMainWindow::printButtonShowsTheReport() {
    MainWindowFixture f;
    int shows = 0;
    f.window.setReportOperations({{}, {}, [&] { ++shows; }});
    f.script(WorkedReadingLines);
    f.castWholeReading();
    f.printButton()->click();
    QCOMPARE(shows, 1);
    f.press();
    f.printButton()->click(); // disabled again: nothing happens
    QCOMPARE(shows, 1);
}

void TestMainWindow::throwingReportOperationsStopNothing() {
    MainWindowFixture f;
    int appends = 0;
    f.window.setReportOperations({[&](int, int) {
                                      ++appends;
                                      throw std::runtime_error("report broken");
                                  },
                                  [] { throw std::runtime_error("report broken"); },
                                  [] { throw std::runtime_error("report broken"); }});
    f.script(WorkedReadingLines);
    f.castWholeReading();
    QCOMPARE(appends, 8);
    QCOMPARE(f.visibleDots(), range(0, 31));
    QCOMPARE(f.cell(11)->text(), QStringLiteral("\r\nSun\r\nVenus\r\nMars"));
    QCOMPARE(displayed(f, "lblGeomancyNameDisplay_7").isEmpty(), false);
    QCOMPARE(f.castButton()->text(), RefreshCaption);
    f.printButton()->click();
    f.press();
    // The steps after the failing report reset still ran.
    QVERIFY(f.houseLabel(0)->isHidden());
    QCOMPARE(f.tabs()->currentIndex(), 0);
    QVERIFY(f.visibleDots().empty());
}

void TestMainWindow::exhaustedRandomSourceStillAdvances() {
    MainWindowFixture f;
    f.script({1, 2}); // two numbers where four are needed
    f.press();
    // The casting fails part-way, yet the press runs its other steps.
    QCOMPARE(f.reading.castCount(), std::int16_t(1));
    QVERIFY(!f.houseLabel(0)->isHidden());
    QCOMPARE(f.tabs()->currentIndex(), 0);
    QCOMPARE(f.visibleDots(), range(0, 1));
}

void TestMainWindow::clipboardIsEmptiedOverSignificanceBoxes_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("onScrollBar");
    QTest::addColumn<int>("event");
    for (const char* box :
         {"txtSignificance", "txtSignificanceDisplay_0", "txtSignificanceDisplay_7"}) {
        for (bool onScrollBar : {false, true}) {
            const char* part = onScrollBar ? "scroll bar" : "text";
            QTest::addRow("%s, %s, move", box, part)
                << box << onScrollBar << int(QEvent::MouseMove);
            QTest::addRow("%s, %s, press", box, part)
                << box << onScrollBar << int(QEvent::MouseButtonPress);
            QTest::addRow("%s, %s, release", box, part)
                << box << onScrollBar << int(QEvent::MouseButtonRelease);
        }
    }
}

void TestMainWindow::clipboardIsEmptiedOverSignificanceBoxes() {
    QFETCH(QString, box);
    QFETCH(bool, onScrollBar);
    QFETCH(int, event);
    MainWindowFixture f;
    auto* edit = f.find<QTextEdit>(box);
    QVERIFY(!edit->hasFocus());
    QVERIFY(edit->toPlainText().isEmpty());
    QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
    QWidget* target =
        onScrollBar ? static_cast<QWidget*>(edit->verticalScrollBar()) : edit->viewport();
    sendMouse(target, static_cast<QEvent::Type>(event));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
}

void TestMainWindow::everyCastingEmptiesTheClipboard() {
    MainWindowFixture f;
    f.script(WorkedReadingLines);
    for (int k = 1; k <= 9; ++k) {
        QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
        f.press();
        QVERIFY2(QGuiApplication::clipboard()->text().isEmpty(), qPrintable(QString::number(k)));
    }
}

void TestMainWindow::aPressEmptiesTheClipboardOnce() {
    // A casting changes three significance boxes and the reset ten; each
    // press, like the click that makes it, is one event.
    MainWindowFixture f;
    f.script(WorkedReadingLines);
    for (int k = 1; k <= 9; ++k) {
        QCoreApplication::sendPostedEvents(); // the previous press is over
        QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
        QSignalSpy changes(QGuiApplication::clipboard(), &QClipboard::dataChanged);
        f.press();
        QVERIFY2(QGuiApplication::clipboard()->text().isEmpty(), qPrintable(QString::number(k)));
        QVERIFY2(changes.count() == 1,
                 qPrintable(QStringLiteral("press %1: %2").arg(k).arg(changes.count())));
    }
}

void TestMainWindow::closingEmitsClosed() {
    MainWindowFixture f;
    QSignalSpy closed(&f.window, &MainWindow::closed);
    f.window.show();
    QVERIFY(f.window.close());
    QCOMPARE(closed.count(), 1);
}

void TestMainWindow::enterCastsAWholeReadingFromTheStartingFocus() {
    MainWindowFixture f;
    showActive(f.window);
    QCOMPARE(QApplication::focusWidget(), f.castButton());
    f.script(WorkedReadingLines);
    for (int k = 1; k <= 8; ++k) {
        QTest::keyClick(QApplication::focusWidget(), k % 2 ? Qt::Key_Return : Qt::Key_Enter,
                        k % 2 ? Qt::NoModifier : Qt::KeypadModifier);
        QCOMPARE(f.reading.castCount(), std::int16_t(k));
    }
    QCOMPARE(f.castButton()->text(), RefreshCaption);
    QCOMPARE(f.cell(11)->text(), QStringLiteral("\r\nSun\r\nVenus\r\nMars"));

    // On to the print button; Enter there opens the report, not a casting.
    bool shown = false;
    f.window.setReportOperations({{}, {}, [&] { shown = true; }});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.printButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(shown);
    QCOMPARE(f.reading.castCount(), std::int16_t(8));
}

void TestMainWindow::tabReachesOnlyTheSelectedHeaderAndNothingOffTheWindow() {
    MainWindowFixture f;
    f.script(WorkedReadingLines);
    f.press(3); // tab 2 selected
    showActive(f.window);
    QWidget* client = f.find(QStringLiteral("client"));
    const QRect seen = client->rect();
    QList<QWidget*> stops;
    for (int i = 0; i < 40; ++i) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        if (!stops.contains(focus))
            stops << focus;
        const QRect at(focus->mapTo(client, QPoint(0, 0)), focus->size());
        QVERIFY2(seen.contains(at), qPrintable(focus->objectName())); // never beyond the edge
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QList<QWidget*> headers;
    for (QWidget* stop : stops) {
        if (qobject_cast<TabHeaderButton*>(stop))
            headers << stop;
    }
    QCOMPARE(headers, QList<QWidget*>{f.tabs()->tabHeader(2)});
    QVERIFY(stops.contains(f.castButton()));
    QVERIFY(!stops.contains(f.find(QStringLiteral("txtSignificance"))));
}

void TestMainWindow::arrowsMoveAlongTheHeadersAndSelect() {
    MainWindowFixture f;
    showActive(f.window);
    TwoRowTabWidget* tabs = f.tabs();
    tabs->tabHeader(0)->setFocus(Qt::TabFocusReason);
    // Right runs on into the second row; Up and Down change rows in place;
    // nothing moves past either end.
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Left, 0},  {Qt::Key_Right, 1}, {Qt::Key_Down, 5},  {Qt::Key_Down, 5},
        {Qt::Key_Right, 6}, {Qt::Key_Right, 7}, {Qt::Key_Right, 7}, {Qt::Key_Up, 3},
        {Qt::Key_Right, 4}, {Qt::Key_Left, 3},  {Qt::Key_Up, 3},
    };
    for (const auto& [key, expected] : steps) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(tabs->currentIndex(), expected);
        QCOMPARE(QApplication::focusWidget(), tabs->tabHeader(expected));
        QVERIFY(tabs->widget(expected)->isVisible());
    }
}

void TestMainWindow::pageKeysSwitchTabsFromAnywhere_data() {
    QTest::addColumn<QString>("focus");
    QTest::newRow("casting button") << "cmdProceed";
    QTest::newRow("significance box") << "txtSignificanceDisplay_0";
}

void TestMainWindow::pageKeysSwitchTabsFromAnywhere() {
    QFETCH(QString, focus);
    MainWindowFixture f;
    showActive(f.window);
    QWidget* from = f.find(focus);
    from->setFocus(Qt::TabFocusReason);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int expected;
    } steps[] = {
        {Qt::Key_Tab, Qt::ControlModifier, 1},
        {Qt::Key_PageDown, Qt::ControlModifier, 2},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 1},
        {Qt::Key_PageUp, Qt::ControlModifier, 0},
        {Qt::Key_PageUp, Qt::ControlModifier, 7}, // round the end
        {Qt::Key_Tab, Qt::ControlModifier, 0},
    };
    for (const auto& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.key, step.modifiers);
        QCOMPARE(f.tabs()->currentIndex(), step.expected);
    }
}

void TestMainWindow::brandingFrameIsWhiteInside() {
    MainWindowFixture f;
    QWidget* frame = f.find(QStringLiteral("Frame5"));
    const QImage picture = frame->grab().toImage();
    const QRect label = f.find(QStringLiteral("lblCobrand"))->geometry();
    // Between the border and the labels, in every margin.
    const QPoint inside[] = {{8, 8},
                             {frame->width() / 2, label.top() / 2},
                             {label.left() / 2, frame->height() / 2},
                             {frame->width() - 8, frame->height() - 8}};
    for (const QPoint& at : inside)
        QVERIFY(nearColour(picture.pixelColor(at), Qt::white));
}

void TestMainWindow::theRestIsBuiltOnceTheFirstFrameIsPainted() {
    MainWindowFixture f(false);
    QWidget& window = f.window;
    // Not there yet: neither a hidden tab's panel nor the current figure's.
    QVERIFY(!window.findChild<QWidget*>(QStringLiteral("ss_1")));
    QVERIFY(!window.findChild<QWidget*>(QStringLiteral("lblKeyword")));
    QVERIFY(!window.windowIcon().isNull());
    showExposed(window);
    QTRY_VERIFY(window.findChild<QWidget*>(MainWindowFixture::LastBuilt));
    QCOMPARE(window.windowIcon().availableSizes(), appIcon().availableSizes());
    for (int i = 0; i < 32; ++i)
        QVERIFY(samePicture(f.dot(i), 1));
}

void TestMainWindow::aPressBeforeTheFirstFrameBuildsWhatAPressAfterItFinds() {
    MainWindowFixture early(false);
    MainWindowFixture late;
    early.script(WorkedReadingLines);
    late.script(WorkedReadingLines);
    early.press(2);
    late.press(2);
    QCOMPARE(displayed(early, "lblGeomancyNameDisplay_1"),
             displayed(late, "lblGeomancyNameDisplay_1"));
    QVERIFY(!displayed(early, "lblGeomancyName").isEmpty());
    // Places, texts and focus order alike, though one was built by the press.
    // A page is laid out once it has been shown: both windows show page 1,
    // and the late one showed page 0 with its first frame.
    showExposed(early.window);
    early.tabs()->setCurrentIndex(0);
    early.tabs()->setCurrentIndex(1);
    QCOMPARE(describe(early.window), describe(late.window));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
