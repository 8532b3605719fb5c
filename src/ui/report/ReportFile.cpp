#include "ReportFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Devices and pipes cannot be replaced by renaming a temporary file over
// them (that would swap the device for a plain file), so they are written
// in place.
QString writeInPlace(const QString& path, const QByteArray& contents) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(contents) != contents.size() || !file.flush())
        return file.errorString();
    return QString();
}

QString writeAtomically(const QString& path, const QByteArray& contents) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(contents) != contents.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

} // namespace

QString WriteReportFile(const QString& path, const QByteArray& contents) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return writeInPlace(path, contents);
    return writeAtomically(path, contents);
}

QString WithRtfExtension(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QStringLiteral(".rtf");
}
