#include "cli/ShieldFormat.h"

#include "geomancy/FigureCatalogue.h"
#include "geomancy/Reading.h"

namespace cli {

namespace {

using geomancy::ShieldPlace;

// Short labels in the picture, explained by the legend below it.
constexpr std::array<const char*, geomancy::ShieldPlaceCount> Labels{
    "M1", "M2", "M3", "M4", "D1", "D2", "D3", "D4", "N1", "N2", "N3", "N4", "RW", "LW", "J", "R",
};

// Column of the middle of each figure. The eight on top are ten columns
// apart, Mother 1 on the right; each figure below stands between the two it
// is added from; the Reconciler stands under Mother 1, beside the Judge.
constexpr std::array<int, geomancy::ShieldPlaceCount> Centres{
    75, 65, 55, 45, 35, 25, 15, 5, // Mothers 1-4, Daughters 1-4
    70, 50, 30, 10,                // Nieces
    60, 20,                        // Right and Left Witness
    40, 75,                        // Judge, Reconciler
};

// The rows of the picture, each a list of places drawn side by side.
const std::array<std::vector<ShieldPlace>, 4> Rows{{
    {ShieldPlace::Daughter4, ShieldPlace::Daughter3, ShieldPlace::Daughter2, ShieldPlace::Daughter1,
     ShieldPlace::Mother4, ShieldPlace::Mother3, ShieldPlace::Mother2, ShieldPlace::Mother1},
    {ShieldPlace::Niece4, ShieldPlace::Niece3, ShieldPlace::Niece2, ShieldPlace::Niece1},
    {ShieldPlace::LeftWitness, ShieldPlace::RightWitness},
    {ShieldPlace::Judge, ShieldPlace::Reconciler},
}};

void put(QString& line, int column, const QString& text) {
    if (line.size() < column + text.size())
        line = line.leftJustified(column + text.size());
    line.replace(column, text.size(), text);
}

} // namespace

QString houseName(int number) {
    return QStringLiteral("house %1 (%2)")
        .arg(number)
        .arg(QLatin1String(geomancy::houseSigns()[static_cast<std::size_t>(number - 1)]));
}

geomancy::ShieldChart shieldOf(const ReadingResult& reading) {
    std::array<geomancy::GeomanticFigure, 8> castings;
    for (std::size_t k = 0; k < castings.size(); ++k)
        castings[k] = reading.castings[k].figure;
    return geomancy::drawShieldChart(castings);
}

QStringList shieldText(const geomancy::ShieldChart& shield, const ReadingMethods& methods) {
    QStringList lines{QStringLiteral("Shield")};
    for (const std::vector<ShieldPlace>& row : Rows) {
        QString labels;
        std::array<QString, 4> dots;
        for (ShieldPlace place : row) {
            const int centre = Centres[geomancy::slotOf(place)];
            const QString label = QLatin1String(Labels[geomancy::slotOf(place)]);
            put(labels, centre - (label.size() - 1) / 2, label);
            for (std::size_t j = 0; j < 4; ++j) {
                if (shield[place].lines[j] == 1)
                    put(dots[j], centre, QStringLiteral("*"));
                else
                    put(dots[j], centre - 1, QStringLiteral("* *"));
            }
        }
        lines << labels;
        for (const QString& line : dots)
            lines << line;
        lines << QString();
    }

    for (int p = 0; p < geomancy::ShieldPlaceCount; ++p) {
        const auto place = static_cast<ShieldPlace>(p);
        const geomancy::CatalogueRow& row = geomancy::figureCatalogue()[static_cast<std::size_t>(
            geomancy::identifyFigure(shield[place]).value())];
        lines << QStringLiteral("  ") +
                     QString::fromLatin1(Labels[geomancy::slotOf(place)]).leftJustified(4) +
                     QString::fromLatin1(geomancy::shieldPlaceName(place)).leftJustified(15) +
                     QString::fromUtf8(row.name) + QStringLiteral(" (") +
                     QString::fromUtf8(row.title) + QLatin1Char(')');
    }

    const auto pathText = [](const std::vector<ShieldPlace>& path) {
        QStringList places;
        for (ShieldPlace place : path)
            places << QLatin1String(geomancy::shieldPlaceName(place));
        return places.join(QStringLiteral(", "));
    };
    const auto paths = geomancy::viaPunctiPaths(shield, methods.viaPuncti);
    lines << QString();
    if (methods.viaPuncti == geomancy::ViaPunctiMethod::Single) {
        lines << QStringLiteral("Via Puncti: ") +
                     (paths.empty() ? QStringLiteral("none (two dots in the Judge's head)")
                                    : pathText(paths.front()));
    } else {
        lines << QStringLiteral("Via Puncti, branching on the Judge's head line: %1 %2")
                     .arg(paths.size())
                     .arg(paths.size() == 1 ? QStringLiteral("way") : QStringLiteral("ways"));
        for (const auto& path : paths)
            lines << QStringLiteral("  ") + pathText(path);
    }
    lines << QStringLiteral("Index: ") + houseName(geomancy::indexHouse(shield, methods.index)) +
                 (methods.index == geomancy::IndexMethod::Points
                      ? QStringLiteral(", counting every dot")
                      : QStringLiteral(", counting the single dots"));
    return lines;
}

} // namespace cli
