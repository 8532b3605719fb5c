#pragma once

#include <QByteArray>
#include <QString>

// Writes `contents` to `path`. An ordinary file is replaced atomically, so a
// failed write leaves any earlier file as it was. Returns an empty string on
// success, otherwise the reason the file could not be written.
QString writeReportFile(const QString& path, const QByteArray& contents);

// A name typed without an extension gets ".rtf", unless it names a file
// that already exists.
QString withRtfExtension(const QString& path);
