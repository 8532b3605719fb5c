#include "support/Pixels.h"

#include <algorithm>
#include <cstdlib>

namespace {

int largestChannelDifference(QRgb p, QRgb q) {
    return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                     std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
}

} // namespace

QString PictureDifference::describe() const {
    if (!sameSize)
        return QStringLiteral("the pictures differ in size");
    return QStringLiteral("%1 pixels beyond the tolerance, the first at (%2, %3); largest "
                          "difference %4 levels")
        .arg(pixelsOver)
        .arg(firstOver.x())
        .arg(firstOver.y())
        .arg(largest);
}

PictureDifference compareImages(const QImage& actual, const QImage& expected, int tolerance) {
    PictureDifference difference;
    const QImage left = actual.convertToFormat(QImage::Format_ARGB32);
    const QImage right = expected.convertToFormat(QImage::Format_ARGB32);
    if (left.size() != right.size()) {
        difference.sameSize = false;
        return difference;
    }
    for (int y = 0; y < left.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            const int channel = largestChannelDifference(a[x], b[x]);
            difference.largest = std::max(difference.largest, channel);
            if (channel > tolerance && difference.pixelsOver++ == 0)
                difference.firstOver = QPoint(x, y);
        }
    }
    return difference;
}

bool nearColour(const QColor& actual, const QColor& expected, int tolerance) {
    return largestChannelDifference(actual.rgba(), expected.rgba()) <= tolerance;
}
