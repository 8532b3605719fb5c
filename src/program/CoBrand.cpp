#include "program/CoBrand.h"

#include "geomancy/RandomSource.h"

#include <QWidget>

#include <cmath>

std::int16_t coBrandNumber(float r) {
    // In double precision r * 6 + 1 is exact for every float r, so the
    // rounding sees the true value: a tie is a real tie (r = 0.25 or 0.75),
    // never one made up by an intermediate rounding. std::rint rounds ties to
    // even under the default rounding mode, which the program never changes.
    const double value = static_cast<double>(r) * 6.0 + 1.0;
    return static_cast<std::int16_t>(std::rint(value));
}

std::int16_t coBrandRandomize(geomancy::RandomSource& random, QWidget* cobrand,
                              QWidget* fullBrand) {
    const std::int16_t number = coBrandNumber(random.next());
    switch (number) {
    case 1:
    case 3:
    case 5:
        if (cobrand)
            cobrand->raise();
        break;
    case 2:
    case 4:
    case 6:
        if (fullBrand)
            fullBrand->raise();
        break;
    default:
        break; // 7: the window's own stacking order stays
    }
    return number;
}
