#include "support/Casting.h"

#include "geomancy/FigureCatalogue.h"
#include "geomancy/Reading.h"

#include <QStringList>

#include <cstddef>

std::vector<geomancy::Casting>
castWholeReading(geomancy::Reading& reading,
                 const std::vector<geomancy::GeomanticFigure>& entered) {
    std::vector<geomancy::Casting> castings;
    for (std::size_t i = 0; i < geomancy::CastingCount; ++i) {
        const std::optional<geomancy::Casting> casting =
            i < entered.size() ? reading.castNext(entered[i]) : reading.castNext();
        if (casting)
            castings.push_back(*casting);
    }
    return castings;
}

geomancy::GeomanticFigure figureNamed(const QString& name) {
    return geomancy::figureCatalogue()[static_cast<std::size_t>(
                                           *geomancy::findCatalogueRow(name.toStdString()))]
        .pattern;
}

std::array<geomancy::GeomanticFigure, 8> castingsOf(const QStringList& mothers) {
    std::array<geomancy::GeomanticFigure, 8> castings;
    for (std::size_t k = 0; k < 4; ++k)
        castings[k] = figureNamed(mothers[static_cast<qsizetype>(k)]);
    for (std::size_t r = 0; r < 4; ++r)
        for (std::size_t j = 0; j < 4; ++j)
            castings[4 + r].lines[j] = castings[j].lines[r];
    return castings;
}
