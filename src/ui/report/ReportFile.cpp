#include "ui/report/ReportFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Unbuffered writes, repeated until everything is out: a short write (a
// file size limit, a disk filling up) is then followed by one that fails
// with the system's reason, instead of being lost in a buffer flushed on
// close, where QSaveFile would not notice it.
bool writeAll(QFileDevice& file, const QByteArray& contents) {
    qint64 written = 0;
    while (written < contents.size()) {
        const qint64 step = file.write(contents.constData() + written, contents.size() - written);
        if (step <= 0)
            return false;
        written += step;
    }
    return true;
}

// Devices and pipes cannot be replaced by renaming a temporary file over
// them (that would swap the device for a plain file), so they are written
// in place.
QString writeInPlace(const QString& path, const QByteArray& contents) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!writeAll(file, contents))
        return file.errorString();
    return QString();
}

QString writeAtomically(const QString& path, const QByteArray& contents) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!writeAll(file, contents)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

} // namespace

QString writeReportFile(const QString& path, const QByteArray& contents) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return writeInPlace(path, contents);
    return writeAtomically(path, contents);
}

QString withRtfExtension(const QString& path) {
    const QFileInfo named(path);
    // A name with a dot is taken as typed, as the file dialog does; so is an
    // existing file the user picked (and agreed to replace).
    if (path.isEmpty() || named.fileName().contains(QLatin1Char('.')) || named.exists())
        return path;
    return path + QStringLiteral(".rtf");
}
