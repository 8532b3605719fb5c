#pragma once

#include "geomancy/Reading.h"

#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QTextDocument;

// Castings 1..4 as drawn; 5..8 follow from them by transposition:
//   1 RUBEUS (2,1,2,2)   2 RUBEUS again     3 TRISTITIA (2,2,2,1)  4 POPULUS (2,2,2,2)
//   5 heads  (2,2,2,2) POPULUS     6 seconds (1,1,2,2) FORTUNA MINOR
//   7 thirds (2,2,2,2) POPULUS     8 feet    (2,2,1,2) ALBUS
inline const std::vector<int> SampleReadingLines = {
    2, 1, 2, 2, // Ascendant
    2, 1, 2, 2, // Sun
    2, 2, 2, 1, // Moon
    2, 2, 2, 2, // Venus
};

// A whole reading of eight castings made by the geomancy model, each entry
// handed to `append` as the main window hands it to the report (pass the
// report's operations' append).
void castSampleReading(const std::function<void(int, int)>& append,
                       const std::vector<int>& lines = SampleReadingLines);

QStringList documentLines(const QTextDocument& document);

// Lines with every run of blanks cut to one, as unrtf prints them.
QStringList collapseBlanks(QStringList lines);

// What unrtf reads from an RTF file as plain text, without its header
// lines; empty when unrtf is missing or shows no header.
QStringList unrtfTextLines(const QString& path);

// Whole-file reads and writes; an empty string, or false, when they fail.
QString readFile(const QString& path);
bool writeFile(const QString& path, const QByteArray& contents);

// Runs a command-line tool and returns what it printed; empty with a
// warning when the tool is missing or fails.
QString toolOutput(const QString& program, const QStringList& arguments);

// The tools that read a saved or printed file back (unrtf, pdftotext) are
// Linux programs: a Windows build skips the check, saying why, where the
// tool cannot be found. Elsewhere a missing tool fails the check as before.
#ifdef Q_OS_WIN
#define SKIP_READ_BACK_WITHOUT(tool)                                                               \
    do {                                                                                           \
        if (QStandardPaths::findExecutable(QStringLiteral(tool)).isEmpty())                        \
            QSKIP(tool " reads the file back on Linux only; the Linux run checks this");           \
    } while (false)
#else
#define SKIP_READ_BACK_WITHOUT(tool)                                                               \
    do {                                                                                           \
    } while (false)
#endif
