#include "cli/FigureNames.h"

#include "geomancy/FigureCatalogue.h"

#include <QRegularExpression>
#include <QStringList>

namespace cli {

namespace {

// The catalogue's row of a name as people write it. Blanks, hyphens and
// underscores are left out, and the catalogue's spelling is found again by
// trying the name whole and with one blank at each place: every catalogue
// name is one word or two joined by a blank, and no two of them differ only
// in where the blank stands.
std::optional<int> figureRowByName(const QString& name) {
    static const QRegularExpression separators(QStringLiteral("[\\s_-]"));
    const std::string wanted = QString(name).remove(separators).toUpper().toStdString();
    if (std::optional<int> row = geomancy::findCatalogueRow(wanted))
        return row;
    for (std::size_t blank = 1; blank < wanted.size(); ++blank) {
        if (std::optional<int> row =
                geomancy::findCatalogueRow(wanted.substr(0, blank) + ' ' + wanted.substr(blank)))
            return row;
    }
    return std::nullopt;
}

} // namespace

std::optional<CastLineValues> parseFigureNames(const QString& text, QString& error) {
    const QStringList names = text.split(QLatin1Char(','));
    constexpr qsizetype Mothers = 4;
    if (names.size() != Mothers) {
        error = QStringLiteral("--figures needs %1 names separated by commas, found %2")
                    .arg(Mothers)
                    .arg(names.size());
        return std::nullopt;
    }
    CastLineValues lines{};
    for (qsizetype i = 0; i < names.size(); ++i) {
        const std::optional<int> row = figureRowByName(names[i]);
        if (!row) {
            error =
                QStringLiteral("--figures name %1 is '%2'; it names none of the sixteen figures")
                    .arg(i + 1)
                    .arg(names[i]);
            return std::nullopt;
        }
        const auto& pattern = geomancy::figureCatalogue()[static_cast<std::size_t>(*row)].pattern;
        for (std::size_t j = 0; j < 4; ++j)
            lines[static_cast<std::size_t>(4 * i) + j] = pattern.lines[j];
    }
    return lines;
}

} // namespace cli
