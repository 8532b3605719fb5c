#include "support/ReportTestSupport.h"

#include "support/Casting.h"
#include "support/ScriptedRandom.h"

#include <QProcess>
#include <QTextDocument>

void castSampleReading(const geomancy::ReportAppender& append, const std::vector<int>& lines) {
    ScriptedRandom random;
    random.appendLines(lines);
    geomancy::Reading reading(random);
    reading.setReportAppender(append);
    castWholeReading(reading);
}

QStringList documentLines(const QTextDocument& document) {
    return document.toPlainText().split(QLatin1Char('\n'));
}

QString toolOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        qWarning("%s did not run", qPrintable(program));
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}
