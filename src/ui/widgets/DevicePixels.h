#pragma once

#include <QFrame>
#include <QRect>

class QColor;
class QPainter;

// At a fractional scale (125 %, 150 %, 175 %) a widget's origin falls
// between device pixels, and Qt clips the widget to its rectangle rounded to
// whole pixels. A one-pixel line stroked at the widget's edge is rounded on
// its own and may land on the pixel row just outside that clip, where it is
// lost. Lines and borders are therefore drawn here in device pixels, on the
// widget's own rounded rectangle.
namespace devicepixels {

// Where `rect` (in the painter's logical coordinates) lies on the device, as
// Qt rounds a widget's rectangle to clip it.
QRect deviceRect(const QPainter& painter, const QRect& rect);

// The width of a one-pixel line of the design, in device pixels.
int lineWidth(const QPainter& painter);

// Fills `deviceArea`, given in device pixels, exactly.
void fillDeviceRect(QPainter& painter, const QRect& deviceArea, const QColor& colour);

// A one-pixel border just inside `rect`, whole on every side at any scale.
void drawBorder(QPainter& painter, const QRect& rect, const QColor& colour);

// At a fractional scale, maps the painter's coordinates so that lines the
// style strokes along `rect`'s edges land on the first and last device
// pixels Qt gives it, not outside or one pixel in.
void snapEdgesToDevice(QPainter& painter, const QRect& rect);

// Has the style draw `frame`'s own frame (a text box's) snapped as above.
void drawFrameOnDevicePixels(QFrame* frame);

} // namespace devicepixels

// A plain framed box or horizontal line (QFrame::Box or QFrame::HLine with a
// plain shadow and a one-pixel line) whose line is drawn in device pixels as
// above; any other frame is drawn by the style as usual.
class PixelFrame : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent* event) override;
};
