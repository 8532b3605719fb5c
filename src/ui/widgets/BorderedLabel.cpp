#include "ui/widgets/BorderedLabel.h"

#include <QPainter>

BorderedLabel::BorderedLabel(QWidget* parent) : QLabel(parent) {
    setContentsMargins(1, 1, 1, 1); // keep the text off the border, as a framed label would
}

void BorderedLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
