#pragma once

#include <QIcon>
#include <QLabel>
#include <QSize>

// A label showing a picture drawn for the pixel ratio of the screen it is
// on, from the largest source the picture has, and drawn again when its
// window moves to a screen of another scale: a picture made for one ratio
// and shown at another is stretched, or squeezed by dropping pixels.
class PictureLabel : public QLabel {
public:
    using QLabel::QLabel;

    // Shows `picture` at `size`, in logical pixels.
    void setPicture(const QIcon& picture, const QSize& size);

protected:
    bool event(QEvent* event) override;

private:
    void showPicture();

    QIcon picture_;
    QSize size_;
};
