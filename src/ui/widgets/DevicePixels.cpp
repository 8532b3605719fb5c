#include "ui/widgets/DevicePixels.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace devicepixels {

QRect deviceRect(const QPainter& painter, const QRect& rect) {
    const QTransform toDevice = painter.deviceTransform();
    const QPointF topLeft = toDevice.map(QPointF(rect.topLeft()));
    const QPointF farCorner =
        toDevice.map(QPointF(rect.x() + rect.width(), rect.y() + rect.height()));
    const int left = qRound(topLeft.x());
    const int top = qRound(topLeft.y());
    // Qt rounds a lone rectangle's size on its own and the corners of a
    // region of several; the nearer of the two edges is inside both.
    const int right = std::min(qRound(farCorner.x()), left + qRound(rect.width() * toDevice.m11()));
    const int bottom =
        std::min(qRound(farCorner.y()), top + qRound(rect.height() * toDevice.m22()));
    return QRect(left, top, right - left, bottom - top);
}

int lineWidth(const QPainter& painter) {
    return std::max(1, qRound(painter.deviceTransform().m11()));
}

void fillDeviceRect(QPainter& painter, const QRect& deviceArea, const QColor& colour) {
    // Undo everything that maps the painter's coordinates onto the device,
    // so that the rectangle is filled pixel for pixel.
    painter.save();
    painter.setWorldTransform(painter.deviceTransform().inverted() * painter.worldTransform());
    painter.fillRect(deviceArea, colour);
    painter.restore();
}

void drawBorder(QPainter& painter, const QRect& rect, const QColor& colour) {
    const QRect box = deviceRect(painter, rect);
    const int width = std::min({lineWidth(painter), box.width(), box.height()});
    if (width <= 0)
        return;
    fillDeviceRect(painter, QRect(box.left(), box.top(), box.width(), width), colour);
    fillDeviceRect(painter, QRect(box.left(), box.bottom() + 1 - width, box.width(), width),
                   colour);
    fillDeviceRect(painter, QRect(box.left(), box.top(), width, box.height()), colour);
    fillDeviceRect(painter, QRect(box.right() + 1 - width, box.top(), width, box.height()), colour);
}

} // namespace devicepixels

void PixelFrame::paintEvent(QPaintEvent* event) {
    const bool plainLine = frameShadow() == QFrame::Plain && lineWidth() == 1 &&
                           (frameShape() == QFrame::Box || frameShape() == QFrame::HLine);
    if (!plainLine) {
        QFrame::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QColor colour = palette().color(foregroundRole());
    if (frameShape() == QFrame::Box) {
        devicepixels::drawBorder(painter, rect(), colour);
        return;
    }
    // A horizontal line across the middle of the frame, as QFrame draws it.
    const QRect box = devicepixels::deviceRect(painter, rect());
    const int width = std::min(devicepixels::lineWidth(painter), box.height());
    const int top = box.top() + (box.height() - width) / 2;
    devicepixels::fillDeviceRect(painter, QRect(box.left(), top, box.width(), width), colour);
}
