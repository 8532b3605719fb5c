// How the program's pictures are drawn: the icon at any size and the dot
// pictures at any scale. make_pictures writes them out to be committed; the
// tests draw them again and check the committed files still show the same.
//
// The icon geometry below is the same as in icons/azivoder.svg (a 32 x 32
// design grid). Every edge is snapped to whole pixels for the target size, so
// the small sizes stay crisp; the top-left quarter is snapped and then
// mirrored in pixel space, so the result stays exactly symmetric.

#include "tools/Pictures.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace pictures {

namespace {

// ---------------------------------------------------------------- the icon

constexpr double kGrid = 32.0; // design units across the icon
const QColor kIconGreen(0x1f, 0x8f, 0x3f);

// Geometry in design units (keep in step with icons/azivoder.svg).
constexpr double kCrossNear = 14.0;   // the cross bars run from 14 to 18 ...
constexpr double kCrossEnd = 6.0;     // ... and from 6 to 26 along their length
constexpr double kBracketOuter = 6.0; // corner of the top-left bracket
constexpr double kBracketInner = 8.0; // bracket bars are 2 units thick
constexpr double kBracketEnd = 12.0;  // and 6 units long
constexpr double kDotNear = 1.0;      // the corner dot fills the box 1..5
constexpr double kDotFar = 5.0;

// Snaps a design coordinate of the top-left quarter to whole pixels.
double snap(double v, int size) {
    return std::floor(v * size / kGrid + 0.5);
}

// The L-shaped bracket of the top-left corner, in pixels, mirrored as asked.
QPainterPath bracketPath(int size, bool mirrorX, bool mirrorY) {
    const double o = snap(kBracketOuter, size);
    const double i = snap(kBracketInner, size);
    const double e = snap(kBracketEnd, size);
    auto pt = [&](double x, double y) {
        return QPointF(mirrorX ? size - x : x, mirrorY ? size - y : y);
    };
    QPainterPath path;
    path.moveTo(pt(o, o));
    path.lineTo(pt(e, o));
    path.lineTo(pt(e, i));
    path.lineTo(pt(i, i));
    path.lineTo(pt(i, e));
    path.lineTo(pt(o, e));
    path.closeSubpath();
    return path;
}

} // namespace

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kIconGreen);

    // The cross: both bars in one path, so the overlap is filled once.
    const double n = snap(kCrossNear, size);
    const double f = size - n;
    const double a = snap(kCrossEnd, size);
    const double b = size - a;
    QPainterPath cross;
    cross.setFillRule(Qt::WindingFill);
    cross.addRect(QRectF(QPointF(n, a), QPointF(f, b)));
    cross.addRect(QRectF(QPointF(a, n), QPointF(b, f)));
    p.drawPath(cross);

    // The four corner brackets, opening towards the centre.
    for (bool mx : {false, true}) {
        for (bool my : {false, true}) {
            p.drawPath(bracketPath(size, mx, my));
        }
    }

    // The four corner dots.
    const double d0 = snap(kDotNear, size);
    const double d1 = snap(kDotFar, size);
    for (bool mx : {false, true}) {
        for (bool my : {false, true}) {
            const double x0 = mx ? size - d1 : d0;
            const double y0 = my ? size - d1 : d0;
            p.drawEllipse(QRectF(x0, y0, d1 - d0, d1 - d0));
        }
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

namespace {

// ------------------------------------------------------------ the dot balls

constexpr double kBallRadius = 7.0;
constexpr double kBallSpacing = 22.0; // centre to centre for the pair

// One dark bronze ball lit from the upper left.
void drawBall(QPainter& p, QPointF c, double r) {
    const QPointF light = c + QPointF(-0.32 * r, -0.38 * r);

    // A faint shadow below and to the right, so the ball sits on the page.
    QRadialGradient shadow(c + QPointF(0.18 * r, 0.22 * r), r * 1.12);
    shadow.setColorAt(0.80, QColor(0, 0, 0, 40));
    shadow.setColorAt(1.00, QColor(0, 0, 0, 0));
    p.setBrush(shadow);
    p.drawEllipse(c + QPointF(0.18 * r, 0.22 * r), r * 1.12, r * 1.12);

    // The body: bright where the light hits, dark bronze towards the rim.
    QRadialGradient body(c, r, light);
    body.setColorAt(0.00, QColor(0xee, 0xcf, 0x92));
    body.setColorAt(0.18, QColor(0xb6, 0x84, 0x42));
    body.setColorAt(0.50, QColor(0x7a, 0x50, 0x20));
    body.setColorAt(0.82, QColor(0x4a, 0x2d, 0x0d));
    body.setColorAt(1.00, QColor(0x2b, 0x19, 0x06));
    p.setBrush(body);
    p.drawEllipse(c, r, r);

    // A little light bounced back from the page onto the lower right rim.
    QRadialGradient bounce(c + QPointF(0.45 * r, 0.55 * r), 0.55 * r);
    bounce.setColorAt(0.0, QColor(0xc0, 0x84, 0x40, 70));
    bounce.setColorAt(1.0, QColor(0xc0, 0x84, 0x40, 0));
    p.save();
    QPainterPath clip;
    clip.addEllipse(c, r, r);
    p.setClipPath(clip);
    p.setBrush(bounce);
    p.drawEllipse(c + QPointF(0.45 * r, 0.55 * r), 0.55 * r, 0.55 * r);
    p.restore();

    // The specular highlight.
    QRadialGradient highlight(light, 0.34 * r);
    highlight.setColorAt(0.0, QColor(255, 250, 235, 220));
    highlight.setColorAt(1.0, QColor(255, 250, 235, 0));
    p.setBrush(highlight);
    p.drawEllipse(light, 0.34 * r, 0.34 * r);
}

} // namespace

QImage drawDots(int count, int scale) {
    QImage image(DotWidth * scale, DotHeight * scale, QImage::Format_RGB32);
    image.fill(Qt::white);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.scale(scale, scale);
    const double cy = DotHeight / 2.0;
    const double cx = DotWidth / 2.0;
    if (count == 1) {
        drawBall(p, QPointF(cx, cy), kBallRadius);
    } else {
        drawBall(p, QPointF(cx - kBallSpacing / 2, cy), kBallRadius);
        drawBall(p, QPointF(cx + kBallSpacing / 2, cy), kBallRadius);
    }
    p.end();
    return image;
}

QImage draw(const CommittedPicture& picture) {
    return picture.dots == 0 ? drawIcon(picture.size) : drawDots(picture.dots, picture.size);
}

} // namespace pictures
