// Draws the program icon and the two dot pictures and writes them as PNG
// files (plus a multi-size Windows .ico) into a resources directory.
//
// Usage: make_pictures <resources-dir>
//        make_pictures --hicolor <theme-dir> <icon-name> <size>...
//
// The first form is run by hand (see CMakeLists.txt next to this file) and
// its files are committed. The second is run by the main build: it draws the
// icon at each size into <theme-dir>/<size>x<size>/apps/<icon-name>.png, the
// layout of the freedesktop icon theme, for installation.
//
// The icon geometry below is the same as in icons/azivoder.svg (a 32 x 32
// design grid). Every edge is snapped to whole pixels for the target size, so
// the small sizes stay crisp; the top-left quarter is snapped and then
// mirrored in pixel space, so the result stays exactly symmetric.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <QtEndian>

#include <cmath>
#include <cstdio>
#include <vector>

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
double Snap(double v, int size) {
    return std::floor(v * size / kGrid + 0.5);
}

// The L-shaped bracket of the top-left corner, in pixels, mirrored as asked.
QPainterPath BracketPath(int size, bool mirrorX, bool mirrorY) {
    const double o = Snap(kBracketOuter, size);
    const double i = Snap(kBracketInner, size);
    const double e = Snap(kBracketEnd, size);
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

QImage DrawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kIconGreen);

    // The cross: both bars in one path, so the overlap is filled once.
    const double n = Snap(kCrossNear, size);
    const double f = size - n;
    const double a = Snap(kCrossEnd, size);
    const double b = size - a;
    QPainterPath cross;
    cross.setFillRule(Qt::WindingFill);
    cross.addRect(QRectF(QPointF(n, a), QPointF(f, b)));
    cross.addRect(QRectF(QPointF(a, n), QPointF(b, f)));
    p.drawPath(cross);

    // The four corner brackets, opening towards the centre.
    for (bool mx : {false, true}) {
        for (bool my : {false, true}) {
            p.drawPath(BracketPath(size, mx, my));
        }
    }

    // The four corner dots.
    const double d0 = Snap(kDotNear, size);
    const double d1 = Snap(kDotFar, size);
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

// ------------------------------------------------------------ the dot balls

constexpr int kDotWidth = 66; // device-independent size of a dot picture
constexpr int kDotHeight = 20;
constexpr double kBallRadius = 7.0;
constexpr double kBallSpacing = 22.0; // centre to centre for the pair

// One dark bronze ball lit from the upper left.
void DrawBall(QPainter& p, QPointF c, double r) {
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

QImage DrawDots(int count, int scale) {
    QImage image(kDotWidth * scale, kDotHeight * scale, QImage::Format_RGB32);
    image.fill(Qt::white);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.scale(scale, scale);
    const double cy = kDotHeight / 2.0;
    const double cx = kDotWidth / 2.0;
    if (count == 1) {
        DrawBall(p, QPointF(cx, cy), kBallRadius);
    } else {
        DrawBall(p, QPointF(cx - kBallSpacing / 2, cy), kBallRadius);
        DrawBall(p, QPointF(cx + kBallSpacing / 2, cy), kBallRadius);
    }
    p.end();
    return image;
}

// ------------------------------------------------------------------ output

bool Save(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s (%dx%d)\n", qPrintable(path), image.width(), image.height());
    return true;
}

QByteArray PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void PutLe16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void PutLe32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

// A Windows icon file holding one PNG-compressed image per size.
bool SaveIco(const std::vector<QImage>& images, const QString& path) {
    QByteArray out;
    PutLe16(out, 0);                                   // reserved
    PutLe16(out, 1);                                   // type: icon
    PutLe16(out, static_cast<quint16>(images.size())); // image count

    std::vector<QByteArray> pngs;
    for (const QImage& image : images) {
        pngs.push_back(PngBytes(image));
    }
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (size_t k = 0; k < images.size(); ++k) {
        const int w = images[k].width();
        const int h = images[k].height();
        out.append(static_cast<char>(w >= 256 ? 0 : w)); // 0 means 256
        out.append(static_cast<char>(h >= 256 ? 0 : h));
        out.append('\0'); // no palette
        out.append('\0'); // reserved
        PutLe16(out, 1);  // colour planes
        PutLe16(out, 32); // bits per pixel
        PutLe32(out, static_cast<quint32>(pngs[k].size()));
        PutLe32(out, offset);
        offset += static_cast<quint32>(pngs[k].size());
    }
    for (const QByteArray& png : pngs) {
        out.append(png);
    }

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s (%zu sizes)\n", qPrintable(path), images.size());
    return true;
}

// The icon at each size, in the directory layout of an icon theme.
bool SaveThemeIcons(const QDir& theme, const QString& name, const QStringList& sizes) {
    bool ok = true;
    for (const QString& text : sizes) {
        bool isNumber = false;
        const int size = text.toInt(&isNumber);
        if (!isNumber || size < 1) {
            std::fprintf(stderr, "not an icon size: %s\n", qPrintable(text));
            return false;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!theme.mkpath(folder)) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(theme.filePath(folder)));
            return false;
        }
        ok &= Save(DrawIcon(size),
                   theme.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png")));
    }
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() >= 5 && arguments.at(1) == QLatin1String("--hicolor")) {
        return SaveThemeIcons(QDir(arguments.at(2)), arguments.at(3), arguments.mid(4)) ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <resources-dir>\n"
                             "       make_pictures --hicolor <theme-dir> <icon-name> <size>...\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.mkpath(QStringLiteral("icons")) || !root.mkpath(QStringLiteral("images"))) {
        std::fprintf(stderr, "cannot create the output directories\n");
        return 1;
    }
    auto icons = [&](const QString& name) {
        return root.filePath(QStringLiteral("icons/") + name);
    };
    auto images = [&](const QString& name) {
        return root.filePath(QStringLiteral("images/") + name);
    };

    bool ok = true;
    ok &= Save(DrawIcon(32), icons(QStringLiteral("azivoder.png")));
    ok &= Save(DrawIcon(64), icons(QStringLiteral("azivoder@2x.png")));
    for (int size : {16, 48, 256}) {
        ok &= Save(DrawIcon(size), icons(QStringLiteral("azivoder-%1.png").arg(size)));
    }
    std::vector<QImage> icoImages;
    for (int size : {16, 24, 32, 48, 64, 256}) {
        icoImages.push_back(DrawIcon(size));
    }
    ok &= SaveIco(icoImages, icons(QStringLiteral("azivoder.ico")));

    ok &= Save(DrawDots(1, 1), images(QStringLiteral("dot1.png")));
    ok &= Save(DrawDots(1, 2), images(QStringLiteral("dot1@2x.png")));
    ok &= Save(DrawDots(2, 1), images(QStringLiteral("dot2.png")));
    ok &= Save(DrawDots(2, 2), images(QStringLiteral("dot2@2x.png")));
    return ok ? 0 : 1;
}
