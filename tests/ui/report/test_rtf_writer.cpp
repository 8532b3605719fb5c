#include "support/ReportTestSupport.h"

#include "ui/report/Report.h"
#include "ui/report/ReportComposer.h"
#include "ui/report/RtfWriter.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

namespace {

// A document in the report's font with the given pieces: {text, bold}.
void insert(QTextDocument& document, const QString& text, bool bold = false,
            const QColor& colour = QColor()) {
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    if (colour.isValid())
        format.setForeground(colour);
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text, format);
}

// The part after the header, without the closing brace.
QByteArray bodyOf(const QByteArray& rtf) {
    const qsizetype start = rtf.indexOf("\\pard");
    const qsizetype space = rtf.indexOf(' ', start);
    return rtf.mid(space + 1, rtf.lastIndexOf('}') - space - 1);
}

// Braces must nest: a reader stops at the first unbalanced one.
bool bracesBalance(const QByteArray& rtf) {
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i; // an escaped character or the first letter of a control word
            continue;
        }
        if (rtf[i] == '{')
            ++depth;
        else if (rtf[i] == '}' && --depth < 0)
            return false;
    }
    return depth == 0;
}

QString writeTemporaryRtf(const QTemporaryDir& dir, const QByteArray& rtf) {
    const QString path = dir.filePath(QStringLiteral("report.rtf"));
    return writeFile(path, rtf) ? path : QString();
}

QString decodeHtml(QString text) {
    return text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

} // namespace

class TestRtfWriter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void headerNamesTheFontSizeAndColours();
    void charactersAreEscaped_data();
    void charactersAreEscaped();
    void everyLineBreakIsKept_data();
    void everyLineBreakIsKept();
    void boldAndColourChangesAreWritten();
    void unrtfReadsEscapedText();
    void unrtfReadsAFullReading();
    void unrtfSeesBoldDarkRedLabelsAndDarkGreenValues();
};

void TestRtfWriter::initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("unrtf")).isEmpty())
        qWarning("unrtf is not installed; the read-back tests will fail");
}

void TestRtfWriter::headerNamesTheFontSizeAndColours() {
    Report report;
    castSampleReading(report.operations().append);
    const QByteArray rtf = documentToRtf(*report.document());
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Verdana;}}"));
    // Dark red is used first (the first label), dark green second.
    QVERIFY(rtf.contains("{\\colortbl;\\red128\\green0\\blue0;\\red0\\green128\\blue0;}"));
    QVERIFY(rtf.contains("\\f0\\fs20 ")); // 9.75 pt in whole half-points
    QVERIFY(rtf.trimmed().endsWith('}'));
    QVERIFY(bracesBalance(rtf));
    // Texts as stored, blanks included.
    QVERIFY(rtf.contains("Populus  The People"));
    QVERIFY(rtf.contains("Mobile \\par"));
}

void TestRtfWriter::charactersAreEscaped_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("backslash") << QStringLiteral("a\\b") << QByteArray("a\\\\b");
    QTest::newRow("braces") << QStringLiteral("{x}") << QByteArray("\\{x\\}");
    QTest::newRow("latin-1 letter") << QStringLiteral("caf\u00e9") << QByteArray("caf\\u233?");
    QTest::newRow("euro sign") << QStringLiteral("\u20ac5") << QByteArray("\\u8364?5");
    QTest::newRow("above 32767 is negative") << QStringLiteral("\uff01") << QByteArray("\\u-255?");
    QTest::newRow("emoji as a surrogate pair")
        << QStringLiteral("\U0001F600") << QByteArray("\\u-10179?\\u-8704?");
    QTest::newRow("tab") << QStringLiteral("a\tb") << QByteArray("a\\tab b");
    QTest::newRow("line separator") << QStringLiteral("a\u2028b") << QByteArray("a\\line b");
    QTest::newRow("plain text untouched") << QStringLiteral("Mobile ") << QByteArray("Mobile ");
}

void TestRtfWriter::charactersAreEscaped() {
    QFETCH(QString, text);
    QFETCH(QByteArray, written);
    QTextDocument document;
    prepareReportDocument(document);
    insert(document, text);
    const QByteArray rtf = documentToRtf(document);
    QCOMPARE(bodyOf(rtf), written);
    QVERIFY(bracesBalance(rtf));
}

void TestRtfWriter::everyLineBreakIsKept_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("paragraphBreaks");
    QTest::newRow("empty document") << QString() << 0;
    QTest::newRow("one line") << QStringLiteral("a") << 0;
    QTest::newRow("value and empty line") << QStringLiteral("a\r\n\r\nb") << 2;
    QTest::newRow("three empty lines at the end") << QStringLiteral("a\r\n\r\n\r\n\r\n") << 4;
}

void TestRtfWriter::everyLineBreakIsKept() {
    QFETCH(QString, text);
    QFETCH(int, paragraphBreaks);
    QTextDocument document;
    prepareReportDocument(document);
    insert(document, text);
    const QByteArray rtf = documentToRtf(document);
    QCOMPARE(int(rtf.count("\\par\n")), paragraphBreaks);
    QCOMPARE(int(rtf.count("\\par")), paragraphBreaks + 1); // and the opening \pard
}

void TestRtfWriter::boldAndColourChangesAreWritten() {
    QTextDocument document;
    prepareReportDocument(document);
    insert(document, QStringLiteral("L1"), true, QColor(128, 0, 0));
    insert(document, QStringLiteral("v1"), false, QColor(0, 128, 0));
    insert(document, QStringLiteral("plain"));
    insert(document, QStringLiteral("L2"), true, QColor(128, 0, 0));
    QCOMPARE(bodyOf(documentToRtf(document)),
             QByteArray("\\b\\cf1 L1\\b0\\cf2 v1\\cf0 plain\\b\\cf1 L2"));
}

void TestRtfWriter::unrtfReadsEscapedText() {
    QTextDocument document;
    prepareReportDocument(document);
    insert(document, QStringLiteral("a\\b {c} caf\u00e9 \U0001F600\r\nnext"));
    QTemporaryDir dir;
    const QString path = writeTemporaryRtf(dir, documentToRtf(document));
    QVERIFY(!path.isEmpty());
    SKIP_READ_BACK_WITHOUT("unrtf");
    const QString html = toolOutput(QStringLiteral("unrtf"), {QStringLiteral("--html"), path});
    QVERIFY2(html.contains(QLatin1String("a\\b {c} caf&eacute; ")), qPrintable(html));
    // unrtf passes the two UTF-16 halves of the emoji on as they were written.
    QVERIFY2(html.contains(QLatin1String("&#55357;&#56832;")), qPrintable(html));
    QVERIFY(html.contains(QLatin1String("<br>\nnext")));
}

void TestRtfWriter::unrtfReadsAFullReading() {
    Report report;
    castSampleReading(report.operations().append);
    QTemporaryDir dir;
    const QString path = writeTemporaryRtf(dir, documentToRtf(*report.document()));
    QVERIFY(!path.isEmpty());
    SKIP_READ_BACK_WITHOUT("unrtf");
    // unrtf collapses runs of blanks.
    QCOMPARE(collapseBlanks(unrtfTextLines(path)),
             collapseBlanks(documentLines(*report.document())));
}

void TestRtfWriter::unrtfSeesBoldDarkRedLabelsAndDarkGreenValues() {
    Report report;
    castSampleReading(report.operations().append);
    QTemporaryDir dir;
    const QString path = writeTemporaryRtf(dir, documentToRtf(*report.document()));
    SKIP_READ_BACK_WITHOUT("unrtf");
    const QString html = toolOutput(QStringLiteral("unrtf"), {QStringLiteral("--html"), path});
    QVERIFY(html.contains(QLatin1String("<font face=\"Verdana\">")));

    QStringList boldRuns;
    const QRegularExpression bold(
        QStringLiteral("<b><font color=\"#([0-9a-f]{6})\">([^<]+)</font></b>"));
    for (const QRegularExpressionMatch& match : bold.globalMatch(html)) {
        QCOMPARE(match.captured(1), QStringLiteral("800000"));
        boldRuns.append(decodeHtml(match.captured(2)));
    }
    QCOMPARE(boldRuns.size(), 80);
    QCOMPARE(boldRuns.first(), QStringLiteral("Geomantic Figure Name : "));
    QCOMPARE(boldRuns[10], QStringLiteral("Sun PositionGeomantic Figure Name : "));
    QCOMPARE(boldRuns.last(), QStringLiteral("Significance : "));

    // Every value is regular dark green; the bold runs hold no value text.
    QStringList values;
    const QRegularExpression green(QStringLiteral("<font color=\"#008000\">([^<]+)"));
    for (const QRegularExpressionMatch& match : green.globalMatch(html))
        values.append(decodeHtml(match.captured(1)));
    QCOMPARE(values.size(), 80);
    QCOMPARE(values.first(), QStringLiteral("Rubeus - Red"));
    QCOMPARE(values[4], QStringLiteral("Mobile "));
    QVERIFY(!html.contains(QRegularExpression(QStringLiteral("<b><font color=\"#008000\">"))));
}

QTEST_MAIN(TestRtfWriter)
#include "test_rtf_writer.moc"
