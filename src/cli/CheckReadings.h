#pragma once

#include <QByteArray>
#include <QString>

namespace cli {

// What --check found in a file of readings.
struct CheckResult {
    int status = 0;    // 0 all agree, 1 some differ, 2 the file holds no such readings
    QByteArray report; // one line per difference and a summary (statuses 0 and 1)
    QString error;     // the one-line reason (status 2)
};

// Works every reading of `contents` (one JSON object, or JSON Lines as
// --count writes them) again from its castings' lines, with the methods and
// question the reading names, and reports every place where it differs,
// with the reading's line number. Keys this version writes that a reading of
// an earlier version lacks (the house chart, the methods) are not asked for.
CheckResult checkReadings(const QByteArray& contents, const QString& name);

// The same for the file at `path`, "-" for standard input.
CheckResult checkReadingsFile(const QString& path);

} // namespace cli
