#include "ui/widgets/DevicePixels.h"

#include <QEvent>
#include <QPaintDevice>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QtMath>

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
    // Whole pixels only, rounded down: at 150 % a line of two pixels beside
    // its neighbour's reads as a heavy rule.
    return std::max(1, qFloor(painter.deviceTransform().m11()));
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

void snapEdgesToDevice(QPainter& painter, const QRect& rect) {
    const QTransform toDevice = painter.worldTransform().inverted() * painter.deviceTransform();
    // At a whole scale the style's lines already fall on whole pixels.
    if (toDevice.m11() == qRound(toDevice.m11()) || rect.width() < 2 || rect.height() < 2)
        return;
    const QRect pixels = deviceRect(painter, rect);
    if (pixels.width() < 2 || pixels.height() < 2)
        return;
    // A one-pixel line is stroked centred on its coordinate: the centres of
    // the first and last logical pixels go to those of the first and last
    // device pixels, so both edge lines land on the widget's own pixels.
    QTransform snapped;
    snapped.translate(pixels.left() + 0.5, pixels.top() + 0.5);
    snapped.scale(qreal(pixels.width() - 1) / (rect.width() - 1),
                  qreal(pixels.height() - 1) / (rect.height() - 1));
    snapped.translate(-rect.left(), -rect.top());
    // The world transform that, followed by the device's, gives `snapped`.
    painter.setWorldTransform(snapped * toDevice.inverted());
}

namespace {

class SnappedFrame : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint)
            return false;
        // What QFrame::paintEvent draws, on the device's pixels.
        auto* frame = static_cast<QFrame*>(watched);
        QStyleOptionFrame option;
        option.initFrom(frame);
        option.rect = frame->frameRect();
        option.frameShape = frame->frameShape();
        switch (frame->frameShape()) {
        case QFrame::Box:
        case QFrame::HLine:
        case QFrame::VLine:
        case QFrame::StyledPanel:
        case QFrame::Panel:
            option.lineWidth = frame->lineWidth();
            option.midLineWidth = frame->midLineWidth();
            break;
        default:
            option.lineWidth = frame->frameWidth();
        }
        if (frame->frameShadow() == QFrame::Sunken)
            option.state |= QStyle::State_Sunken;
        else if (frame->frameShadow() == QFrame::Raised)
            option.state |= QStyle::State_Raised;
        QPainter painter(frame);
        snapEdgesToDevice(painter, frame->rect());
        frame->style()->drawControl(QStyle::CE_ShapedFrame, &option, &painter, frame);
        return true;
    }
};

} // namespace

void drawFrameOnDevicePixels(QFrame* frame) {
    frame->installEventFilter(new SnappedFrame(frame));
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
