#include "ui/widgets/CachedFrames.h"

#include "ui/widgets/DevicePixels.h"

#include <QEvent>

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSet>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace {

const QString KeyPrefix = QStringLiteral("azivoder-frame:");

// The keys of the pictures made here, so that they can all be dropped.
QSet<QString>& cachedKeys() {
    static QSet<QString> keys;
    return keys;
}

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
    // The picture covers the pixels Qt gives `rect` on the device, no more
    // and no less: drawn at the rectangle's logical size and placed at its
    // fractional origin, its edge rows would be rounded a second time and
    // fall outside the widget at a fractional scale.
    const qreal ratio = painter.device()->devicePixelRatio();
    const QRect pixels = devicepixels::deviceRect(painter, rect);
    if (pixels.isEmpty())
        return;
    const QString key = QStringLiteral("%1%2:%3x%4:%5x%6@%7:%8:%9:%10:%11:%12")
                            .arg(KeyPrefix, tag)
                            .arg(rect.width())
                            .arg(rect.height())
                            .arg(pixels.width())
                            .arg(pixels.height())
                            .arg(ratio)
                            .arg(quintptr(style), 0, 16)
                            .arg(int(option.state), 0, 16)
                            .arg(int(option.direction))
                            .arg(colours)
                            .arg(background.rgba(), 0, 16);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap(pixels.size());
        // Drawn at the screen's ratio, so the style picks its pictures for
        // it, and stretched by the rounding so the frame fills the pixels.
        picture.setDevicePixelRatio(ratio);
        picture.fill(background);
        QPainter onPicture(&picture);
        onPicture.scale(pixels.width() / (rect.width() * ratio),
                        pixels.height() / (rect.height() * ratio));
        draw(onPicture, QRect(QPoint(0, 0), rect.size()));
        onPicture.end();
        picture.setDevicePixelRatio(1);
        QPixmapCache::insert(key, picture);
        cachedKeys().insert(key);
    }
    // Copied pixel for pixel onto the device.
    painter.save();
    painter.setWorldTransform(painter.deviceTransform().inverted() * painter.worldTransform());
    painter.drawPixmap(pixels.topLeft(), picture);
    painter.restore();
}

void forgetCachedFrames() {
    for (const QString& key : std::as_const(cachedKeys()))
        QPixmapCache::remove(key);
    cachedKeys().clear();
}

bool CachedFrameGroupBox::event(QEvent* event) {
    // On a screen of another scale the pictures of the old one are of no
    // use; they go, and the frames are drawn anew.
    if (event->type() == QEvent::ScreenChangeInternal)
        forgetCachedFrames();
    return QGroupBox::event(event);
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
