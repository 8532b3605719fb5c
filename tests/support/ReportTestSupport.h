#pragma once

#include "geomancy/Reading.h"
#include "ui/report/ReportOperations.h"
#include "support/ScriptedRandom.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTextDocument>

#include <vector>

// Castings 1..4 as drawn; 5..8 follow from them by transposition:
//   1 RUBEUS (2,1,2,2)   2 RUBEUS again     3 TRISTITIA (2,2,2,1)  4 POPULUS (2,2,2,2)
//   5 heads  (2,2,2,2) POPULUS     6 seconds (1,1,2,2) FORTUNA MINOR
//   7 thirds (2,2,2,2) POPULUS     8 feet    (2,2,1,2) ALBUS
inline const std::vector<int> SampleReadingLines = {2, 1, 2, 2, /**/ 2, 1, 2, 2, /**/ 2, 2, 2, 1, /**/ 2, 2, 2, 2};

// A whole reading of eight castings made by the geomancy model, reported
// through the report's own operations as the main window would.
inline void castSampleReading(const ReportOperations& report,
                              const std::vector<int>& lines = SampleReadingLines) {
    ScriptedRandom random;
    random.appendLines(lines);
    geomancy::Reading reading(random);
    reading.setReportAppender(report.append);
    for (int k = 1; k <= geomancy::CastingCount; ++k) {
        reading.setCastCount(static_cast<std::int16_t>(k));
        reading.castLines(k);
        reading.placePlanet(k);
        reading.interpretCasting(k);
    }
}

inline QStringList documentLines(const QTextDocument& document) {
    return document.toPlainText().split(QLatin1Char('\n'));
}

// Runs a command-line tool and returns what it printed; empty with a
// warning when the tool is missing or fails.
inline QString toolOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        qWarning("%s did not run", qPrintable(program));
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}
