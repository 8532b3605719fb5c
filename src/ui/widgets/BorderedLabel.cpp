#include "ui/widgets/BorderedLabel.h"

#include "ui/widgets/DevicePixels.h"

#include <QPainter>

BorderedLabel::BorderedLabel(QWidget* parent) : QLabel(parent) {
    setContentsMargins(1, 1, 1, 1); // keep the text off the border, as a framed label would
}

void BorderedLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    // In device pixels: the cells stand edge to edge, and at a fractional
    // scale a stroked border would fall outside the cell on some sides.
    devicepixels::drawBorder(painter, rect(), palette().color(QPalette::WindowText));
}
