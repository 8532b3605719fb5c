#include "ui/widgets/CachedFrames.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace {

// Every colour the style may use, or an empty key when a brush is more than
// a colour and the picture cannot be named by its colours.
QString colourKey(const QPalette& palette, QPalette::ColorGroup group) {
    QString key;
    key.reserve(QPalette::NColorRoles * 9);
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const QBrush& brush = palette.brush(group, static_cast<QPalette::ColorRole>(role));
        if (brush.style() != Qt::SolidPattern && brush.style() != Qt::NoBrush)
            return QString();
        key += QString::number(brush.color().rgba(), 16) + QLatin1Char(',');
    }
    return key;
}

} // namespace

void paintCachedFrame(QPainter& painter, const QRect& rect, const QString& tag,
                      const QStyleOption& option, const QStyle* style,
                      const std::function<void(QPainter&, const QRect&)>& draw,
                      const QColor& background) {
    const QString colours = colourKey(option.palette, option.palette.currentColorGroup());
    if (colours.isEmpty() || rect.isEmpty() || painter.device() == nullptr) {
        if (background.alpha() != 0)
            painter.fillRect(rect, background);
        draw(painter, rect);
        return;
    }
    const qreal ratio = painter.device()->devicePixelRatio();
    const QString key = QStringLiteral("azivoder-frame:%1:%2x%3@%4:%5:%6:%7:%8:%9")
                            .arg(tag)
                            .arg(rect.width())
                            .arg(rect.height())
                            .arg(ratio)
                            .arg(quintptr(style), 0, 16)
                            .arg(int(option.state), 0, 16)
                            .arg(int(option.direction))
                            .arg(colours)
                            .arg(background.rgba(), 0, 16);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap(rect.size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(background);
        QPainter onPicture(&picture);
        draw(onPicture, QRect(QPoint(0, 0), rect.size()));
        onPicture.end();
        QPixmapCache::insert(key, picture);
    }
    painter.drawPixmap(rect.topLeft(), picture);
}

void CachedFrameGroupBox::paintEvent(QPaintEvent*) {
    // As QGroupBox paints itself, with the frame taken out of the complex
    // control and drawn through the cache.
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    QPainter painter(this);
    if (option.subControls & QStyle::SC_GroupBoxFrame) {
        QStyleOptionFrame frame;
        frame.QStyleOption::operator=(option);
        frame.features = option.features;
        frame.lineWidth = option.lineWidth;
        frame.midLineWidth = option.midLineWidth;
        const QRect at =
            style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
        const QString tag = QStringLiteral("groupbox:%1:%2:%3")
                                .arg(int(frame.features))
                                .arg(frame.lineWidth)
                                .arg(frame.midLineWidth);
        paintCachedFrame(
            painter, at, tag, frame, style(), [&](QPainter& target, const QRect& rect) {
                frame.rect = rect;
                style()->drawPrimitive(QStyle::PE_FrameGroupBox, &frame, &target, this);
            });
        option.subControls &= ~QStyle::SC_GroupBoxFrame;
    }
    style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
}
