#include "support/ReportTestSupport.h"

#include "ui/report/Report.h"
#include "ui/report/ReportComposer.h"
#include "ui/report/ReportWindow.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>
#include <QtTest>

namespace {

const QStringList PlanetHeadings = {"Sun Position",     "Moon Position",   "Venus Position",
                                    "Mercury Position", "Saturn Position", "Jupiter Position",
                                    "Mars Position"};

constexpr int LinesPerEntry = 22;

struct Run {
    QString text;
    bool bold;
    QColor colour;
};

QList<Run> runsOf(const QTextDocument& document) {
    QList<Run> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            runs.append(Run{it.fragment().text(), format.fontWeight() >= QFont::Bold,
                            format.foreground().color()});
        }
    }
    return runs;
}

} // namespace

class TestReportComposition : public QObject {
    Q_OBJECT
private slots:
    void readingStartsWithTheAscendantAndHeadsEveryPlanet();
    void entryFollowsTheLineLayout();
    void catalogueTextsAreWrittenAsStored_data();
    void catalogueTextsAreWrittenAsStored();
    void sameFigureTwiceGivesIdenticalFields();
    void labelsAreBoldDarkRedAndValuesRegularDarkGreen();
    void documentIsInOneFont();
    void castingsWithoutAHeading_data();
    void castingsWithoutAHeading();
    void unknownRowAppendsNothing();
    void appendCreatesTheWindowHidden();
    void resetEmptiesTheReport();
    void resetCreatesTheWindowHidden();
};

void TestReportComposition::readingStartsWithTheAscendantAndHeadsEveryPlanet() {
    Report report;
    castSampleReading(report.operations().append);
    const QString text = report.document()->toPlainText();
    QVERIFY(text.startsWith(QLatin1String("Geomantic Figure Name : Rubeus - Red\n")));

    const QStringList lines = documentLines(*report.document());
    qsizetype previous = -1;
    for (const QString& heading : PlanetHeadings) {
        QCOMPARE(text.count(heading), 1);
        const qsizetype line = lines.indexOf(QRegularExpression("^" + heading + ".*"));
        QVERIFY2(line > previous, qPrintable(heading));
        // Glued to the first label of its entry, nothing in between.
        QVERIFY(lines[line].startsWith(heading + QLatin1String("Geomantic Figure Name : ")));
        previous = line;
    }
}

void TestReportComposition::entryFollowsTheLineLayout() {
    Report report;
    castSampleReading(report.operations().append);
    const QStringList lines = documentLines(*report.document());
    // Eight entries of 22 lines; the last entry's breaks leave an empty
    // last line where the next entry would begin.
    QCOMPARE(lines.size(), 8 * LinesPerEntry + 1);
    QCOMPARE(lines.last(), QString());

    const QStringList sunEntry = {
        "Sun PositionGeomantic Figure Name : Rubeus - Red",
        "",
        "Keyword : Passion",
        "",
        "Associated Day : Tuesday",
        "",
        "Associated Element : Water",
        "",
        "Associated Quality : Mobile ",
        "",
        "Associated Planet : Mars",
        "",
        "Associated Sign : Scorpio",
        "",
        "Associated Body Part : Reproductivity System",
        "",
        "Direction : North",
        "",
        "Significance : There may be a lot of passion and violence involved. Hear what your inner "
        "voice has to "
        "tell you. Find the good in the bad.",
        "",
        "",
        "",
    };
    QCOMPARE(lines.mid(LinesPerEntry, LinesPerEntry), sunEntry);
    for (int entry = 0; entry < 8; ++entry) {
        const int first = entry * LinesPerEntry;
        QVERIFY2(lines[first].contains(QLatin1String("Geomantic Figure Name : ")),
                 qPrintable(lines[first]));
        QVERIFY(lines[first + 18].contains(QLatin1String("Significance : ")));
    }
}

void TestReportComposition::catalogueTextsAreWrittenAsStored_data() {
    QTest::addColumn<QString>("line");
    QTest::newRow("quality keeps its trailing blank") << "Associated Quality : Mobile ";
    QTest::newRow("title keeps its two blanks")
        << "Venus PositionGeomantic Figure Name : Populus  The People";
    QTest::newRow("keyword spelt as stored") << "Keyword : Lonliness";
    QTest::newRow("title, not the upper-case name")
        << "Mars PositionGeomantic Figure Name : Albus - White";
}

void TestReportComposition::catalogueTextsAreWrittenAsStored() {
    QFETCH(QString, line);
    Report report;
    castSampleReading(report.operations().append);
    QVERIFY2(documentLines(*report.document()).contains(line), qPrintable(line));
}

void TestReportComposition::sameFigureTwiceGivesIdenticalFields() {
    Report report;
    castSampleReading(report.operations().append); // castings 1 and 2 are both RUBEUS
    const QStringList lines = documentLines(*report.document());
    const QStringList ascendant = lines.mid(0, LinesPerEntry);
    QStringList sun = lines.mid(LinesPerEntry, LinesPerEntry);
    QVERIFY(sun[0].startsWith(QLatin1String("Sun Position")));
    sun[0].remove(0, QStringLiteral("Sun Position").size());
    QCOMPARE(sun, ascendant);
}

void TestReportComposition::labelsAreBoldDarkRedAndValuesRegularDarkGreen() {
    Report report;
    castSampleReading(report.operations().append);
    const QList<Run> runs = runsOf(*report.document());
    // Every line with text holds a bold label run and a regular value run.
    QCOMPARE(runs.size(), 8 * 10 * 2);
    const QColor darkRed(128, 0, 0), darkGreen(0, 128, 0);
    QStringList labels;
    for (int i = 0; i < runs.size(); ++i) {
        const Run& run = runs[i];
        const bool label = i % 2 == 0;
        QCOMPARE(run.bold, label);
        QCOMPARE(run.colour, label ? darkRed : darkGreen);
        if (label)
            labels.append(run.text);
    }
    const QStringList fieldLabels = {"Geomantic Figure Name : ",
                                     "Keyword : ",
                                     "Associated Day : ",
                                     "Associated Element : ",
                                     "Associated Quality : ",
                                     "Associated Planet : ",
                                     "Associated Sign : ",
                                     "Associated Body Part : ",
                                     "Direction : ",
                                     "Significance : "};
    QCOMPARE(labels.mid(0, 10), fieldLabels);
    QCOMPARE(labels[10], "Sun Position" + fieldLabels[0]);
    QCOMPARE(labels.mid(11, 9), fieldLabels.mid(1));
    QCOMPARE(labels[70], "Mars Position" + fieldLabels[0]);
}

void TestReportComposition::documentIsInOneFont() {
    Report report;
    castSampleReading(report.operations().append);
    const QTextDocument& document = *report.document();
    QCOMPARE(document.defaultFont().family(), QStringLiteral("Verdana"));
    QCOMPARE(document.defaultFont().pointSizeF(), 9.75);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            QVERIFY(!format.hasProperty(QTextFormat::FontFamilies));
            QVERIFY(!format.hasProperty(QTextFormat::FontPointSize));
            QVERIFY(!format.fontItalic());
            QVERIFY(!format.fontUnderline());
            QCOMPARE(format.font().family(), QStringLiteral("Verdana"));
            QCOMPARE(format.font().pointSizeF(), 9.75);
        }
    }
}

void TestReportComposition::castingsWithoutAHeading_data() {
    QTest::addColumn<int>("castCount");
    QTest::newRow("ascendant") << 1;
    QTest::newRow("ready state") << 0;
    QTest::newRow("past the reading") << 9;
}

void TestReportComposition::castingsWithoutAHeading() {
    QFETCH(int, castCount);
    Report report;
    report.operations().append(castCount, 2);
    QVERIFY(report.document()->toPlainText().startsWith(QLatin1String("Geomantic Figure Name : ")));
    QCOMPARE(documentLines(*report.document()).size(), LinesPerEntry + 1);
}

void TestReportComposition::unknownRowAppendsNothing() {
    Report report;
    report.append(2, -1);
    report.append(2, 16);
    QVERIFY(report.document()->isEmpty());
}

void TestReportComposition::appendCreatesTheWindowHidden() {
    Report report;
    QVERIFY(report.window() == nullptr);
    report.operations().append(1, 0);
    QVERIFY(report.window() != nullptr);
    QVERIFY(!report.window()->isVisible());
    QCOMPARE(report.window()->reportBox()->toPlainText(), report.document()->toPlainText());
}

void TestReportComposition::resetEmptiesTheReport() {
    Report report;
    const ReportOperations operations = report.operations();
    castSampleReading(operations.append);
    operations.reset();
    QVERIFY(report.document()->isEmpty());
    QCOMPARE(report.window()->reportBox()->toPlainText(), QString());

    // The next reading starts a new report in the same font.
    operations.append(1, 0);
    QVERIFY(report.document()->toPlainText().startsWith(
        QLatin1String("Geomantic Figure Name : Via - The Way")));
    QCOMPARE(report.document()->defaultFont().family(), QStringLiteral("Verdana"));
    QCOMPARE(report.document()->defaultFont().pointSizeF(), 9.75);
}

void TestReportComposition::resetCreatesTheWindowHidden() {
    Report report;
    report.operations().reset();
    QVERIFY(report.window() != nullptr);
    QVERIFY(!report.window()->isVisible());
    QVERIFY(report.document()->isEmpty());
}

QTEST_MAIN(TestReportComposition)
#include "test_report_composition.moc"
