#include "cli/TextFormat.h"

#include "cli/QuestionFormat.h"
#include "cli/ShieldFormat.h"

#include "geomancy/FigureCatalogue.h"

#include <QStringList>

namespace cli {

namespace {

// The figure's dots take the first columns of a casting block; its texts
// start at column TextIndent.
constexpr int TextIndent = 11;

QString dots(geomancy::LineValue value) {
    return value == 1 ? QStringLiteral("    *") : QStringLiteral("   * *");
}

// Column c of the catalogue (its display order) of one row: "Day: Monday".
QString field(const geomancy::CatalogueRow& row, int c) {
    const geomancy::CatalogueColumn& column =
        geomancy::catalogueColumns()[static_cast<std::size_t>(c)];
    return QLatin1String(column.textLabel) + QStringLiteral(": ") +
           QString::fromUtf8(geomancy::columnText(row, column));
}

QStringList castingBlock(const CastingResult& casting) {
    const geomancy::CatalogueRow& row =
        geomancy::figureCatalogue()[static_cast<std::size_t>(casting.catalogueRow)];
    const QString gap = QStringLiteral("   ");
    QStringList texts{
        QString::fromUtf8(row.name) + QStringLiteral(" (") + QString::fromUtf8(row.title) +
            QLatin1Char(')'),
        field(row, 1) + gap + field(row, 2) + gap + field(row, 3),
        field(row, 4) + gap + field(row, 5) + gap + field(row, 6),
        field(row, 7) + gap + field(row, 8),
    };
    // One column short of the width: some terminals break a line that fills
    // the last column.
    texts << wrapped(QString::fromUtf8(row.significance), TextWidth - 1 - TextIndent);

    QStringList block{QStringLiteral("Casting %1: %2, %3")
                          .arg(casting.step->castNumber)
                          .arg(QLatin1String(casting.step->casting))
                          .arg(houseName(casting.house))};
    for (int i = 0; i < texts.size(); ++i) {
        const QString left =
            i < 4 ? dots(casting.figure.lines[static_cast<std::size_t>(i)]) : QString();
        block << left.leftJustified(TextIndent) + texts[i];
    }
    return block;
}

} // namespace

QStringList wrapped(const QString& text, int width) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

QString formatText(const ReadingResult& reading) {
    QStringList values;
    for (geomancy::LineValue value : reading.input)
        values << QString::number(value);
    QStringList lines{QStringLiteral("Line values: ") + values.join(QLatin1Char(','))};

    for (const CastingResult& casting : reading.castings)
        lines << QString() << castingBlock(casting);

    lines << QString() << QStringLiteral("Houses");
    for (const HouseResult& h : reading.houses) {
        QStringList names;
        if (h.ascendant)
            names << QStringLiteral("Asc");
        for (const std::string& planet : h.planets)
            names << QString::fromStdString(planet);
        lines << (QStringLiteral("%1  ").arg(h.number, 4) +
                  QString::fromLatin1(h.sign).leftJustified(13) + names.join(QStringLiteral(", ")));
    }
    const geomancy::ShieldChart shield = shieldOf(reading);
    lines << QString() << shieldText(shield, reading.methods) << QString()
          << houseChartText(shield, reading.methods);
    if (reading.methods.quesited)
        lines << QString() << judgementText(shield, reading.methods);

    for (QString& line : lines) {
        // An empty house would end in its sign's padding.
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace cli
