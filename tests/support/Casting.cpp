#include "support/Casting.h"

#include "geomancy/Reading.h"

#include <cstddef>
#include <cstdint>

namespace {

void cast(geomancy::Reading& reading, int k, const geomancy::GeomanticFigure* entered) {
    reading.setCastCount(static_cast<std::int16_t>(k));
    if (entered != nullptr)
        reading.enterLines(k, *entered);
    else
        reading.castLines(k);
    reading.placePlanet(k);
    reading.interpretCasting(k);
}

} // namespace

void castOne(geomancy::Reading& reading, int k) {
    cast(reading, k, nullptr);
}

void castWholeReading(geomancy::Reading& reading,
                      const std::vector<geomancy::GeomanticFigure>& entered) {
    for (int k = 1; k <= geomancy::CastingCount; ++k) {
        const auto index = static_cast<std::size_t>(k - 1);
        cast(reading, k, index < entered.size() ? &entered[index] : nullptr);
    }
}
