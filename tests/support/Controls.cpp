#include "support/Controls.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QtGlobal>

void failMissingControl(const QString& name) {
    qFatal("no control named %s", qPrintable(name));
}

namespace {

// Whether the control's text would show whole at the given size.
bool textFitsSize(const QWidget* control, const QSize& size) {
    const QSize frame = control->size() - control->contentsRect().size();
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const QFontMetrics metrics(label->font());
        const QSize room = size - frame;
        const QSize text = label->wordWrap() ? metrics
                                                   .boundingRect(QRect(0, 0, room.width(), 100000),
                                                                 Qt::TextWordWrap, label->text())
                                                   .size()
                                             : metrics.size(0, label->text());
        return text.width() <= room.width() && text.height() <= room.height();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        const QStyle* style = button->style();
        const int edge = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        const QSize text =
            QFontMetrics(button->font()).size(Qt::TextShowMnemonic, button->text()) +
            QSize(style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) + edge, edge);
        return text.width() <= size.width() && text.height() <= size.height();
    }
    return true;
}

// The same edge, or the same centre within a pixel of rounding.
bool anchorKept(int designStart, int designLength, int start, int length, bool atEnd,
                bool atCentre) {
    if (atEnd)
        return designStart + designLength == start + length;
    if (atCentre)
        return qAbs((2 * designStart + designLength) - (2 * start + length)) <= 1;
    return designStart == start;
}

} // namespace

QString placementProblem(const QWidget* control, const QRect& design) {
    const QRect actual = control->geometry();
    if (actual == design)
        return {};
    const auto where = [&](const char* why) {
        return QStringLiteral("%1 at %2,%3 %4x%5 instead of %6,%7 %8x%9: %10")
            .arg(control->objectName())
            .arg(actual.x())
            .arg(actual.y())
            .arg(actual.width())
            .arg(actual.height())
            .arg(design.x())
            .arg(design.y())
            .arg(design.width())
            .arg(design.height())
            .arg(QLatin1String(why));
    };
    if (textFitsSize(control, design.size()))
        return where("its text fits the design's place");
    if (!actual.contains(design))
        return where("it is not grown from its place");
    Qt::Alignment anchor = Qt::AlignCenter;
    if (const auto* label = qobject_cast<const QLabel*>(control))
        anchor = label->alignment();
    const bool horizontal =
        anchorKept(design.x(), design.width(), actual.x(), actual.width(),
                   (anchor & Qt::AlignRight) != 0, (anchor & Qt::AlignHCenter) != 0);
    const bool vertical =
        anchorKept(design.y(), design.height(), actual.y(), actual.height(),
                   (anchor & Qt::AlignBottom) != 0, (anchor & Qt::AlignVCenter) != 0);
    return horizontal && vertical ? QString() : where("it moved off its anchor");
}
