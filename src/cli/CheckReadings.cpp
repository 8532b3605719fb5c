#include "cli/CheckReadings.h"

#include "cli/CastReading.h"
#include "cli/JsonFormat.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <vector>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace cli {

namespace {

struct Entry {
    int line = 0; // where the reading starts in the file
    QJsonObject reading;
};

// Keys a reading written before the house chart and the methods came lacks.
bool addedLater(const QString& path) {
    return path == QLatin1String("houseChart") || path == QLatin1String("shield.indexMethod") ||
           path == QLatin1String("shield.viaPunctiMethod") ||
           path == QLatin1String("shield.viaPunctiPaths");
}

QString shown(const QJsonValue& value) {
    if (value.isString())
        return value.toString();
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    return QString::fromUtf8(
        QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).mid(1).chopped(1));
}

class Comparison {
public:
    explicit Comparison(QString where) : where_(std::move(where)) {}

    void compare(const QJsonValue& file, const QJsonValue& worked, const QString& path) {
        if (file.isObject() && worked.isObject()) {
            const QJsonObject a = file.toObject();
            const QJsonObject b = worked.toObject();
            // A figure of another name differs in every column: say it once.
            if (a.contains(QLatin1String("name")) && b.contains(QLatin1String("name")) &&
                a.value(QLatin1String("name")) != b.value(QLatin1String("name"))) {
                differs(path, a.value(QLatin1String("name")), b.value(QLatin1String("name")));
                return;
            }
            for (auto key = b.begin(); key != b.end(); ++key) {
                const QString at = join(path, key.key());
                if (a.contains(key.key()))
                    compare(a.value(key.key()), key.value(), at);
                else if (!addedLater(at))
                    report(at + QStringLiteral(": missing; the reading gives ") + shown(*key));
            }
            for (auto key = a.begin(); key != a.end(); ++key) {
                if (!b.contains(key.key()))
                    report(join(path, key.key()) +
                           QStringLiteral(": not part of the reading (the file has %1)")
                               .arg(shown(*key)));
            }
        } else if (file.isArray() && worked.isArray()) {
            const QJsonArray a = file.toArray();
            const QJsonArray b = worked.toArray();
            if (a.size() != b.size()) {
                differs(path, a, b);
                return;
            }
            for (qsizetype i = 0; i < a.size(); ++i)
                compare(a[i], b[i], path + QStringLiteral("[%1]").arg(i));
        } else if (file != worked) {
            differs(path, file, worked);
        }
    }

    int differences() const { return differences_; }
    const QByteArray& report() const { return report_; }

private:
    static QString join(const QString& path, const QString& key) {
        return path.isEmpty() ? key : path + QLatin1Char('.') + key;
    }

    void differs(const QString& path, const QJsonValue& file, const QJsonValue& worked) {
        report(path + QStringLiteral(": the file has %1, the reading gives %2")
                          .arg(shown(file), shown(worked)));
    }

    void report(const QString& line) {
        ++differences_;
        report_ += (where_ + line + QLatin1Char('\n')).toUtf8();
    }

    QString where_;
    int differences_ = 0;
    QByteArray report_;
};

// The readings of the file: one object over any number of lines, or one
// object per line. Empty when the file holds neither; `error` says why.
std::vector<Entry> readingsOf(const QByteArray& contents, QString& error) {
    if (contents.contains('\0')) {
        error = QStringLiteral("is binary, not readings written by --format json");
        return {};
    }
    QJsonParseError parse;
    const QJsonDocument whole = QJsonDocument::fromJson(contents, &parse);
    if (parse.error == QJsonParseError::NoError) {
        if (!whole.isObject()) {
            error = QStringLiteral("holds JSON but no reading object");
            return {};
        }
        return {{1, whole.object()}};
    }
    std::vector<Entry> entries;
    const QList<QByteArray> lines = contents.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        const QJsonDocument line = QJsonDocument::fromJson(lines[i], &parse);
        if (parse.error != QJsonParseError::NoError || !line.isObject()) {
            error = QStringLiteral("line %1 is not a reading (%2)")
                        .arg(i + 1)
                        .arg(parse.error != QJsonParseError::NoError
                                 ? parse.errorString()
                                 : QStringLiteral("not a JSON object"));
            return {};
        }
        entries.push_back({static_cast<int>(i + 1), line.object()});
    }
    if (entries.empty())
        error = QStringLiteral("holds no reading");
    return entries;
}

// Castings 1-4's lines, or an error naming what is not a reading.
std::optional<CastLineValues> castLines(const QJsonObject& reading, QString& error) {
    const QJsonArray castings = reading.value(QLatin1String("castings")).toArray();
    if (castings.size() != geomancy::CastingCount) {
        error = QStringLiteral("has no eight castings");
        return std::nullopt;
    }
    CastLineValues lines{};
    for (qsizetype k = 0; k < 4; ++k) {
        const QJsonArray values = castings[k].toObject().value(QLatin1String("lines")).toArray();
        if (values.size() != 4) {
            error = QStringLiteral("casting %1 has no four lines").arg(k + 1);
            return std::nullopt;
        }
        for (qsizetype j = 0; j < 4; ++j) {
            const QJsonValue value = values[j];
            if (value != QJsonValue(1) && value != QJsonValue(2)) {
                error = QStringLiteral("casting %1 line %2 is %3; each line is 1 or 2")
                            .arg(k + 1)
                            .arg(j + 1)
                            .arg(shown(value));
                return std::nullopt;
            }
            lines[static_cast<std::size_t>(4 * k + j)] =
                static_cast<geomancy::LineValue>(value.toInt());
        }
    }
    return lines;
}

// The methods the reading names; an unknown name leaves the default, and
// the comparison then reports it.
ReadingMethods methodsOf(const QJsonObject& reading) {
    ReadingMethods methods;
    const auto name = [&](const char* object, const char* key) {
        return reading.value(QLatin1String(object))
            .toObject()
            .value(QLatin1String(key))
            .toString()
            .toStdString();
    };
    methods.scheme =
        geomancy::findHouseScheme(name("houseChart", "scheme")).value_or(methods.scheme);
    methods.index =
        geomancy::findIndexMethod(name("shield", "indexMethod")).value_or(methods.index);
    methods.viaPuncti = geomancy::findViaPunctiMethod(name("shield", "viaPunctiMethod"))
                            .value_or(methods.viaPuncti);
    const QJsonValue quesited =
        reading.value(QLatin1String("judgement")).toObject().value(QLatin1String("quesited"));
    if (quesited.isDouble() && quesited.toDouble() == quesited.toInt() && quesited.toInt() >= 2 &&
        quesited.toInt() <= geomancy::HouseCount)
        methods.quesited = quesited.toInt();
    return methods;
}

} // namespace

CheckResult checkReadings(const QByteArray& contents, const QString& name) {
    CheckResult result;
    QString error;
    const std::vector<Entry> entries = readingsOf(contents, error);
    std::vector<CastLineValues> lines;
    for (const Entry& entry : entries) {
        const std::optional<CastLineValues> cast = castLines(entry.reading, error);
        if (!cast) {
            error = QStringLiteral("the reading on line %1 %2").arg(entry.line).arg(error);
            break;
        }
        lines.push_back(*cast);
    }
    if (!error.isEmpty()) {
        result.status = 2;
        result.error = name + QLatin1Char(' ') + error;
        return result;
    }

    int differing = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QJsonObject worked =
            QJsonDocument::fromJson(
                formatJson(castReading(lines[i], methodsOf(entries[i].reading))))
                .object();
        Comparison comparison(QStringLiteral("%1:%2: ").arg(name).arg(entries[i].line));
        comparison.compare(entries[i].reading, worked, QString());
        result.report += comparison.report();
        differing += comparison.differences() > 0 ? 1 : 0;
    }
    result.report +=
        QStringLiteral("%1: %2 %3 checked, %4\n")
            .arg(name)
            .arg(entries.size())
            .arg(entries.size() == 1 ? QStringLiteral("reading") : QStringLiteral("readings"))
            .arg(differing == 0 ? QStringLiteral("all agree")
                                : QStringLiteral("%1 differ").arg(differing))
            .toUtf8();
    result.status = differing == 0 ? 0 : 1;
    return result;
}

namespace {

// All of standard input, read with the C library: on Windows QFile takes the
// end of a pipe (the writer closing it) for a read error, where the C
// library sees the end of the input. Binary mode there, so that a CR LF or a
// Ctrl-Z in the input is read as it is, as from a file.
bool readStandardInput(QByteArray& contents) {
#ifdef Q_OS_WIN
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
        contents.append(buffer, static_cast<qsizetype>(count));
    return std::ferror(stdin) == 0;
}

CheckResult cannotRead(const QString& name, const QString& why) {
    CheckResult result;
    result.status = 2;
    result.error = QStringLiteral("cannot read %1: %2").arg(name, why);
    return result;
}

} // namespace

CheckResult checkReadingsFile(const QString& path) {
    QByteArray contents;
    if (path == QLatin1String("-")) {
        const QString name = QStringLiteral("standard input");
        if (!readStandardInput(contents))
            return cannotRead(name, QStringLiteral("a read error"));
        return checkReadings(contents, name);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return cannotRead(path, file.errorString());
    contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return cannotRead(path, file.errorString());
    return checkReadings(contents, path);
}

} // namespace cli
