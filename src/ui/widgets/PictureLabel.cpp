#include "ui/widgets/PictureLabel.h"

#include <QEvent>

void PictureLabel::setPicture(const QIcon& picture, const QSize& size) {
    picture_ = picture;
    size_ = size;
    showPicture();
}

void PictureLabel::showPicture() {
    if (picture_.isNull())
        return;
    const QPixmap shown = picture_.pixmap(size_, devicePixelRatioF());
    // The same picture set again would repaint the label for nothing.
    if (pixmap().cacheKey() != shown.cacheKey())
        setPixmap(shown);
}

bool PictureLabel::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal)
        showPicture();
    return QLabel::event(event);
}
