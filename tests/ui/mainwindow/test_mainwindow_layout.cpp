#include "support/Casting.h"
#include "support/MainWindowFixture.h"
#include "support/Pixels.h"
#include "support/UrlCatcher.h"
#include "ui/widgets/ClickableLabel.h"

#include <QGroupBox>
#include <QMenuBar>
#include <QtTest>

// The expected positions below are copied from the window's design tables
// in twips, not from the program's own layout table, so that a slip in
// either shows up here.
namespace {

int px(int twips) {
    return qRound(twips / 15.0);
}

QRect fromTwips(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

void addRow(const char* name, int left, int top, int width, int height) {
    QTest::newRow(name) << QString::fromLatin1(name) << fromTwips(left, top, width, height);
}

} // namespace

class TestMainWindowLayout : public QObject {
    Q_OBJECT
private slots:
    void clientAreaIsFixedAndWhite();
    void topLevelControls_data();
    void topLevelControls();
    void chart_data();
    void chart();
    void dotBoxes_data();
    void dotBoxes();
    void tabFramesSitBelowTwoHeaderRows();
    void panelControls_data();
    void panelControls();
    void chartStacking();
    void fontsAndColours_data();
    void fontsAndColours();
    void linkLabelsLookLikeLinks_data();
    void linkLabelsLookLikeLinks();
    void labelTexts_data();
    void labelTexts();
    void houseCellShowsEachPlanetOnItsOwnLine();
    void renderAfterAFullReading();
    void significanceBoxesShowTheirWhiteBackground();
};

void TestMainWindowLayout::clientAreaIsFixedAndWhite() {
    MainWindowFixture f;
    QWidget* client = f.window.centralWidget();
    QCOMPARE(client->size(), QSize(866, 578));
    QCOMPARE(client->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(client->autoFillBackground());
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QCOMPARE(f.window.minimumSize(), f.window.maximumSize());
    QCOMPARE(f.window.height(), 578 + f.window.menuBar()->height());
    QCOMPARE(client->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(client->font().pointSizeF(), 8.25);
    QVERIFY(!f.window.windowIcon().isNull());
}

void TestMainWindowLayout::topLevelControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");
    addRow("Label61", 495, 0, 11280, 450);
    addRow("Label2", 188, 500, 12615, 495);
    addRow("figureFrame", 40, 900, 2775, 5775);
    addRow("chartFrame", 2880, 900, 5055, 5175);
    addRow("SSTab1", 8040, 960, 4935, 7695);
    addRow("cmdProceed", 2880, 6180, 3615, 495);
    addRow("cmdPrint", 6600, 6180, 1335, 495);
    addRow("Frame5", 40, 6840, 7935, 1815);
    addRow("currentFigurePanel", 4800, 8640, 4215, 735);
    QTest::newRow("rule") << QStringLiteral("rule") << QRect(0, px(480), px(12960), 1);
}

void TestMainWindowLayout::topLevelControls() {
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    MainWindowFixture f;
    QWidget* widget = f.find(name);
    QCOMPARE(widget->parentWidget(), f.window.centralWidget());
    const QString problem = placementProblem(widget, expected);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestMainWindowLayout::chart_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");
    const int cells[12][2] = {{120, 240},   {1320, 240},  {2520, 240},  {3720, 240},
                              {3720, 1440}, {3720, 2640}, {3720, 3840}, {2520, 3840},
                              {1320, 3840}, {120, 3840},  {120, 2640},  {120, 1440}};
    for (int i = 0; i < 12; ++i)
        QTest::addRow("lblHouses_%d", i) << QStringLiteral("lblHouses_%1").arg(i)
                                         << fromTwips(cells[i][0], cells[i][1], 1200, 1200);
    const int labels[12][2] = {{360, 1200},  {1560, 1200}, {2760, 1200}, {3960, 1200},
                               {3960, 2400}, {3960, 3600}, {3960, 4800}, {2760, 4800},
                               {1560, 4800}, {240, 4800},  {240, 3600},  {240, 2400}};
    for (int h = 1; h <= 12; ++h)
        QTest::addRow("Asc_%d", h)
            << QStringLiteral("Asc_%1").arg(h)
            << fromTwips(labels[h - 1][0], labels[h - 1][1], h >= 10 ? 900 : 780, 195);
    addRow("Asc_0", 960, 250, 315, 195);
    addRow("chartCentre", 1320, 1440, 2400, 2400);
    addRow("chartCentreLabel", 1515, 2520, 1965, 345);
}

void TestMainWindowLayout::chart() {
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    MainWindowFixture f;
    QWidget* widget = f.find(name);
    QCOMPARE(widget->parentWidget()->objectName(), QStringLiteral("chartFrame"));
    const QString problem = placementProblem(widget, expected);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestMainWindowLayout::dotBoxes_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("top");
    QTest::newRow("first casting, head") << 0 << 0 << 120;
    QTest::newRow("first casting, foot") << 3 << 0 << 1020;
    QTest::newRow("second casting, head") << 4 << 0 << 1440;
    QTest::newRow("fourth casting, foot") << 15 << 0 << 4980;
    QTest::newRow("fifth casting, head") << 16 << 1 << 120;
    QTest::newRow("sixth casting, line 2") << 21 << 1 << 1740;
    QTest::newRow("eighth casting, foot") << 31 << 1 << 4980;
}

void TestMainWindowLayout::dotBoxes() {
    QFETCH(int, index);
    QFETCH(int, column);
    QFETCH(int, top);
    MainWindowFixture f;
    QLabel* dot = f.dot(index);
    QCOMPARE(dot->geometry(), fromTwips(120, top, 990, 300));
    QCOMPARE(dot->geometry().size(), QSize(66, 20));
    QWidget* box = dot->parentWidget();
    QCOMPARE(box->objectName(), QStringLiteral("dotColumn_%1").arg(column));
    QCOMPARE(box->geometry(), fromTwips(column == 0 ? 120 : 1440, 240, 1250, 5415));
    QCOMPARE(box->parentWidget()->objectName(), QStringLiteral("figureFrame"));
}

void TestMainWindowLayout::tabFramesSitBelowTwoHeaderRows() {
    MainWindowFixture f;
    TwoRowTabWidget* tabs = f.tabs();
    for (int k = 0; k < 8; ++k) {
        QWidget* frame = f.find("ss", k);
        const QRect inTabs(frame->mapTo(tabs, QPoint(0, 0)), frame->size());
        QCOMPARE(inTabs, fromTwips(120, k == 0 ? 660 : 600, 4575, 6975));
    }
    // Four headers per row, two rows, all above the first frame.
    const int top = f.find("ss", 1)->mapTo(tabs, QPoint(0, 0)).y();
    for (int i = 0; i < 8; ++i) {
        const QRect header = tabs->tabHeader(i)->geometry();
        QCOMPARE(header.y() > 0, i >= 4);
        QCOMPARE(header.y(), tabs->tabHeader(i % 4)->geometry().y() + (i / 4) * header.height());
        QVERIFY(header.bottom() < top);
        QVERIFY(header.left() >= 0 && header.right() < tabs->width());
    }
}

void TestMainWindowLayout::panelControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("tab 0 title") << "lblGeomancyNameDisplay_0"
                                 << "ss_0" << fromTwips(120, 480, 3885, 375);
    QTest::newRow("tab 3 keyword") << "lblKeywordDisplay_3"
                                   << "ss_3" << fromTwips(120, 1080, 3885, 375);
    QTest::newRow("tab 5 body part") << "lblAssociatedBodyPartDisplay_5"
                                     << "ss_5" << fromTwips(120, 4680, 3885, 375);
    QTest::newRow("tab 6 direction") << "lblDirectionDisplay_6"
                                     << "ss_6" << fromTwips(120, 5280, 3885, 375);
    QTest::newRow("tab 7 significance") << "txtSignificanceDisplay_7"
                                        << "ss_7" << fromTwips(120, 6000, 3975, 855);
    QTest::newRow("current quality") << "lblAssociatedQuality"
                                     << "currentFigurePanel" << fromTwips(120, 2880, 3885, 375);
    QTest::newRow("current significance")
        << "txtSignificance"
        << "currentFigurePanel" << fromTwips(120, 6000, 3975, 855);
    QTest::newRow("co-brand") << "lblCobrand"
                              << "Frame5" << fromTwips(360, 600, 7185, 615);
    QTest::newRow("full brand") << "lblFullBrand"
                                << "Frame5" << fromTwips(360, 600, 7185, 615);
}

void TestMainWindowLayout::panelControls() {
    QFETCH(QString, name);
    QFETCH(QString, frame);
    QFETCH(QRect, expected);
    MainWindowFixture f;
    QWidget* widget = f.find(name);
    QCOMPARE(widget->parentWidget()->objectName(), frame);
    QCOMPARE(widget->geometry(), expected);
}

void TestMainWindowLayout::chartStacking() {
    MainWindowFixture f;
    // From the bottom: cell 1, the marker, cells 12 down to 2, then
    // (after the load raised them) the house labels and the marker on top.
    QStringList order;
    for (QObject* child : f.cell(0)->parent()->children()) {
        const QString name = child->objectName();
        if (name.startsWith(QLatin1String("lblHouses_")) || name.startsWith(QLatin1String("Asc_")))
            order << name;
    }
    QStringList expected{"lblHouses_0"};
    for (int i = 11; i >= 1; --i)
        expected << QStringLiteral("lblHouses_%1").arg(i);
    for (int i = 0; i <= 12; ++i)
        expected << QStringLiteral("Asc_%1").arg(i);
    QCOMPARE(order, expected);

    // The signs and the centre lie above the cells, and let them show through.
    const QObjectList children = f.cell(0)->parent()->children();
    const auto depth = [&](const QString& name) { return children.indexOf(f.find(name)); };
    QVERIFY(depth("sign_0") > depth("chartCentreLabel"));
    QVERIFY(depth("chartCentreLabel") > depth("chartCentre"));
    QVERIFY(depth("chartCentre") > depth("lblHouses_1"));
    QVERIFY(!f.find("sign_4")->autoFillBackground());
    QVERIFY(f.cell(4)->autoFillBackground());
    QCOMPARE(f.find<QLabel>("sign_8")->text(), QStringLiteral("Sagittarius"));
    // A sign stays at its place, or is lifted just clear of the house label
    // stacked above it where the font in use is taller than the layout's.
    const auto signClearOfHouse = [&](const char* sign, const char* house, const QPoint& at) {
        const QRect place = f.find(sign)->geometry();
        const int houseTop = f.find(house)->y();
        QCOMPARE(place.x(), at.x());
        QVERIFY(place.bottom() < houseTop);
        QVERIFY(place.y() == at.y() || (place.y() < at.y() && place.bottom() == houseTop - 1));
    };
    signClearOfHouse("sign_8", "Asc_9", QPoint(px(1560), px(4590)));
    signClearOfHouse("sign_4", "Asc_5", QPoint(px(4560), px(2240)));
}

void TestMainWindowLayout::fontsAndColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("top line") << "Label61" << 9.0 << true << false << QColor(58, 58, 58);
    QTest::newRow("description") << "Label2" << 8.25 << true << false << QColor(0, 0, 255);
    QTest::newRow("house cell") << "lblHouses_6" << 8.25 << false << false << QColor(192, 0, 192);
    QTest::newRow("house label") << "Asc_7" << 8.25 << true << true << QColor(0, 0, 192);
    QTest::newRow("marker") << "Asc_0" << 8.25 << true << true << QColor(255, 0, 0);
    QTest::newRow("centre") << "chartCentreLabel" << 14.25 << true << true << QColor(192, 0, 0);
    QTest::newRow("sign") << "sign_2" << 8.25 << false << false << QColor(192, 64, 0);
    QTest::newRow("figure title") << "lblGeomancyNameDisplay_4" << 9.75 << true << false
                                  << QColor(255, 0, 0);
    QTest::newRow("figure keyword")
        << "lblKeywordDisplay_4" << 8.25 << false << false << QColor(0, 0, 255);
    QTest::newRow("tab frame") << "ss_2" << 9.0 << true << false << QColor(255, 0, 0);
    QTest::newRow("figure frame") << "figureFrame" << 8.25 << true << false << QColor(255, 0, 0);
    QTest::newRow("co-brand") << "lblCobrand" << 8.25 << true << false << QColor(58, 58, 58);
}

void TestMainWindowLayout::fontsAndColours() {
    QFETCH(QString, name);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(QColor, colour);
    MainWindowFixture f;
    QWidget* widget = f.find(name);
    QCOMPARE(widget->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(widget->font().pointSizeF(), points);
    QCOMPARE(widget->font().bold(), bold);
    QCOMPARE(widget->font().italic(), italic);
    QCOMPARE(widget->palette().color(widget->foregroundRole()), colour);
}

void TestMainWindowLayout::linkLabelsLookLikeLinks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("link");
    QTest::newRow("top line") << "Label61" << true;
    QTest::newRow("co-brand") << "lblCobrand" << true;
    QTest::newRow("full brand") << "lblFullBrand" << true;
    QTest::newRow("description, clickable only") << "Label2" << false;
}

void TestMainWindowLayout::linkLabelsLookLikeLinks() {
    QFETCH(QString, name);
    QFETCH(bool, link);
    MainWindowFixture f;
    auto* label = f.find<ClickableLabel>(name);
    QCOMPARE(label->font().underline(), link);
    QCOMPARE(label->cursor().shape(), link ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QSignalSpy clicks(label, &ClickableLabel::clicked);
    {
        UrlCatcher browser; // stands in for the browser while the label is clicked
        QTest::mouseClick(label, Qt::LeftButton);
    }
    QCOMPARE(clicks.count(), 1);
}

void TestMainWindowLayout::labelTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("description, no final full stop")
        << "Label2"
        << "Ririv Evazorarizad Azivoder associates the Geomantic Figures with the Western "
           "Astrology "
           "Natal Chart. This calculates the position of the different planets in your chart based "
           "on geomancy";
    QTest::newRow("co-brand, one ampersand shown, runs of blanks kept")
        << "lblCobrand"
        << "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
           "your site's name &  link here. See \"Help\" for details.    Click Here for more info "
           "on "
           "co-branding.";
    QTest::newRow("full brand")
        << "lblFullBrand"
        << "Home Business Opportunity. Start your own Internet business and make money online. Get "
           "this software fully branded for your website. Click here for more details.";
}

void TestMainWindowLayout::labelTexts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    MainWindowFixture f;
    auto* label = f.find<QLabel>(name);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->textFormat(), Qt::PlainText);
}

void TestMainWindowLayout::houseCellShowsEachPlanetOnItsOwnLine() {
    MainWindowFixture f;
    f.script(WorkedReadingLines);
    f.press(4);
    QLabel* cell = f.cell(11);
    QCOMPARE(cell->text(), QStringLiteral("\r\nSun\r\nVenus"));

    // Rows of the rendered cell that hold purple text, as runs of rows.
    const QImage image = cell->grab().toImage();
    QList<QPair<int, int>> lines;
    for (int y = 0; y < image.height(); ++y) {
        bool purple = false;
        for (int x = 2; x < image.width() - 2 && !purple; ++x) {
            const QColor c = image.pixelColor(x, y);
            purple = c.red() > 120 && c.blue() > 120 && c.green() < 100;
        }
        if (!purple)
            continue;
        if (!lines.isEmpty() && lines.last().second == y - 1)
            lines.last().second = y;
        else
            lines.append({y, y});
    }
    // The cell text starts with a line break: the first line stays empty,
    // and each planet gets a line of its own.
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines.first().first >= cell->fontMetrics().lineSpacing(),
             qPrintable(QString::number(lines.first().first)));
}

void TestMainWindowLayout::renderAfterAFullReading() {
    MainWindowFixture f;
    f.script(WorkedReadingLines);
    f.castWholeReading();
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    const QImage image = f.window.grab().toImage();
    QCOMPARE(image.size() / image.devicePixelRatio(), f.window.size());
    // A shown dot is drawn where its box is: not the white of an empty column.
    QLabel* dot = f.dot(31);
    const QPoint centre = dot->mapTo(&f.window, dot->rect().center()) * image.devicePixelRatio();
    QVERIFY(
        !nearColour(image.pixelColor(centre), Qt::white) ||
        !nearColour(image.pixelColor(centre - QPoint(image.devicePixelRatio() * 8, 0)), Qt::white));

    // Set AZIVODER_SCREENSHOT to a file name to keep the picture.
    const QString target = qEnvironmentVariable("AZIVODER_SCREENSHOT");
    if (!target.isEmpty())
        QVERIFY(image.save(target));
}

void TestMainWindowLayout::significanceBoxesShowTheirWhiteBackground() {
    // The boxes paint their background within their own painting; the
    // empty part of a box, on the page shown and after a change of tab, is
    // the white of the system's text background, not the page beneath.
    MainWindowFixture f;
    f.script({1, 2, 1, 1});
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    for (int tab : {0, 1}) {
        f.tabs()->setCurrentIndex(tab);
        auto* box = f.find<QTextEdit>("txtSignificanceDisplay", tab);
        const QImage image = f.window.grab().toImage();
        const QPoint corner =
            box->viewport()->mapTo(&f.window, box->viewport()->rect().bottomRight() - QPoint(3, 3));
        QVERIFY(nearColour(image.pixelColor(corner * image.devicePixelRatio()),
                           box->viewport()->palette().color(QPalette::Base)));
    }
    f.press(); // a figure's text in the first box
    const QImage image = f.window.grab().toImage();
    auto* box = f.find<QTextEdit>("txtSignificanceDisplay", 0);
    const QPoint corner =
        box->viewport()->mapTo(&f.window, box->viewport()->rect().bottomRight() - QPoint(3, 3));
    QVERIFY(nearColour(image.pixelColor(corner * image.devicePixelRatio()), Qt::white));
}

QTEST_MAIN(TestMainWindowLayout)
#include "test_mainwindow_layout.moc"
