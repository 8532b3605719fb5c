#include "cli/FigureNames.h"

#include "geomancy/FigureCatalogue.h"

#include <QRegularExpression>
#include <QStringList>

namespace cli {

std::optional<int> figureRowByName(const QString& name) {
    // Blanks, hyphens and underscores are left out on both sides: no two
    // of the sixteen names differ only in them.
    static const QRegularExpression separators(QStringLiteral("[\\s_-]"));
    const QString wanted = QString(name).remove(separators).toUpper();
    const auto& catalogue = geomancy::figureCatalogue();
    for (std::size_t row = 0; row < catalogue.size(); ++row) {
        if (!wanted.isEmpty() &&
            wanted == QString::fromUtf8(catalogue[row].name).remove(separators))
            return static_cast<int>(row);
    }
    return std::nullopt;
}

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
