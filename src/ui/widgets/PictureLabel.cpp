#include "ui/widgets/PictureLabel.h"

#include <QEvent>
#include <QtMath>

#include <algorithm>

QPixmap pictureFor(const QIcon& picture, const QSize& size, qreal ratio) {
    const QSize device = (QSizeF(size) * ratio).toSize();
    // A source of exactly the device size, if the picture has one; else the
    // source for the next whole scale (the double-size one above 100 %),
    // scaled down smoothly. The icon would scale up its 1x source for a
    // fractional ratio.
    QPixmap shown = picture.pixmap(device, 1.0);
    if (shown.size() != device) {
        shown = picture.pixmap(size, std::max(1, qCeil(ratio)));
        if (shown.size() != device && !shown.isNull())
            shown = shown.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    shown.setDevicePixelRatio(ratio);
    return shown;
}

void PictureLabel::setPicture(const QIcon& picture, const QSize& size) {
    picture_ = picture;
    size_ = size;
    showPicture();
}

void PictureLabel::showPicture() {
    if (picture_.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    // The same picture again would repaint the label for nothing.
    if (!pixmap().isNull() && pixmap().devicePixelRatio() == ratio &&
        shownPicture_ == picture_.cacheKey())
        return;
    shownPicture_ = picture_.cacheKey();
    setPixmap(pictureFor(picture_, size_, ratio));
}

bool PictureLabel::event(QEvent* event) {
    // A window shown on a screen other than the one it was made on gets no
    // change of screen: the picture is checked as it is shown, too.
    if (event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::Show)
        showPicture();
    return QLabel::event(event);
}
