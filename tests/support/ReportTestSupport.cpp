#include "support/ReportTestSupport.h"

#include "support/Casting.h"
#include "support/ScriptedRandom.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTextDocument>

void castSampleReading(const std::function<void(int, int)>& append, const std::vector<int>& lines) {
    ScriptedRandom random;
    random.appendLines(lines);
    geomancy::Reading reading(random);
    for (const geomancy::Casting& casting : castWholeReading(reading)) {
        if (casting.catalogueRow)
            append(casting.number, *casting.catalogueRow);
    }
}

QStringList documentLines(const QTextDocument& document) {
    return document.toPlainText().split(QLatin1Char('\n'));
}

QStringList collapseBlanks(QStringList lines) {
    static const QRegularExpression blanks(QStringLiteral(" +"));
    lines.replaceInStrings(blanks, QStringLiteral(" "));
    return lines;
}

QStringList unrtfTextLines(const QString& path) {
    const QStringList lines = toolOutput(QStringLiteral("unrtf"), {QStringLiteral("--text"), path})
                                  .split(QLatin1Char('\n'));
    const qsizetype rule = lines.indexOf(QStringLiteral("-----------------"));
    return rule < 0 ? QStringList() : lines.mid(rule + 1);
}

QString readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool writeFile(const QString& path, const QByteArray& contents) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
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
