#include "cli/JsonFormat.h"

#include "cli/ReadingJsonWriter.h"

#include <QJsonDocument>

namespace cli {

QByteArray formatJson(const ReadingResult& reading) {
    // One writer for both layouts: the indented one is the compact line
    // laid out again, so a single reading and a line of --count agree.
    std::string line;
    ReadingJsonWriter().append(reading, line);
    return QJsonDocument::fromJson(QByteArray::fromStdString(line)).toJson(QJsonDocument::Indented);
}

} // namespace cli
