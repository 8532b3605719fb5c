#include "support/Casting.h"

#include "geomancy/Reading.h"

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
