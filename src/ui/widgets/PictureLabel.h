#pragma once

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QSize>

// `picture` at `size` (logical pixels) for a screen of pixel ratio `ratio`,
// made from a source at least as large as its device pixels, so it is drawn
// pixel for pixel, neither stretched nor squeezed.
QPixmap pictureFor(const QIcon& picture, const QSize& size, qreal ratio);

// A label showing a picture drawn for the pixel ratio of the screen it is
// on, from the largest source the picture has, and drawn again when its
// window moves to a screen of another scale: a picture made for one ratio
// and shown at another is stretched, or squeezed by dropping pixels.
class PictureLabel : public QLabel {
public:
    using QLabel::QLabel;

    // Shows `picture` at `size`, in logical pixels.
    void setPicture(const QIcon& picture, const QSize& size);
    const QIcon& picture() const { return picture_; }

protected:
    bool event(QEvent* event) override;

private:
    void showPicture();

    QIcon picture_;
    QSize size_;
    qint64 shownPicture_ = 0;
};
