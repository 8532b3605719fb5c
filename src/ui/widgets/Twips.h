#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>

// Layouts are drawn up in twips (1/1440 inch). Qt works in device-independent
// pixels at 96 dpi, which is 15 twips each; this is the one conversion.
namespace twips {

constexpr int PerPixel = 15;

constexpr int toPixels(int value) {
    return value >= 0 ? (value + PerPixel / 2) / PerPixel : -((-value + PerPixel / 2) / PerPixel);
}

inline QRect rect(int left, int top, int width, int height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline QPoint point(int left, int top) {
    return QPoint(toPixels(left), toPixels(top));
}

inline QSize size(int width, int height) {
    return QSize(toPixels(width), toPixels(height));
}

} // namespace twips
