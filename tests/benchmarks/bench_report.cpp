#include "support/ReportTestSupport.h"

#include "ui/report/Report.h"
#include "ui/report/RtfWriter.h"

#include <QTextDocument>
#include <QtTest>

// How long the report takes to grow and to be written out. The window
// exists (hidden) throughout, as it does while the user casts.
class BenchReport : public QObject {
    Q_OBJECT
private slots:
    void appendOneEntry();
    void appendAFullReading();
    void writeAFullReportAsRtf();
};

void BenchReport::appendOneEntry() {
    Report report;
    const ReportOperations operations = report.operations();
    castSampleReading(operations.append);
    int k = 0;
    QBENCHMARK {
        operations.append(k % 8 + 1, k % 16);
        ++k;
    }
    QVERIFY(!report.document()->isEmpty());
}

void BenchReport::appendAFullReading() {
    Report report;
    const ReportOperations operations = report.operations();
    QBENCHMARK {
        operations.reset();
        castSampleReading(operations.append);
    }
    QCOMPARE(report.document()->blockCount(), 8 * 22 + 1);
}

void BenchReport::writeAFullReportAsRtf() {
    Report report;
    castSampleReading(report.operations().append);
    QByteArray rtf;
    QBENCHMARK {
        rtf = documentToRtf(*report.document());
    }
    QVERIFY(rtf.startsWith("{\\rtf1"));
}

QTEST_MAIN(BenchReport)
#include "bench_report.moc"
