// Draws the program icon and the two dot pictures and writes them as PNG
// files (plus a multi-size Windows .ico) into a resources directory, to be
// committed: the windows embed them and the icon theme installs them, so a
// build anywhere ships the same bytes. The tests draw them again and check
// the committed files still show what tools/Pictures.cpp draws.
//
// Usage: make_pictures <resources-dir>

#include "tools/Pictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>

#include <cstdio>
#include <vector>

namespace {

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

} // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <resources-dir>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.mkpath(QStringLiteral("icons")) || !root.mkpath(QStringLiteral("images"))) {
        std::fprintf(stderr, "cannot create the output directories\n");
        return 1;
    }

    bool ok = true;
    for (const pictures::CommittedPicture& picture : pictures::CommittedPictures) {
        ok &= Save(pictures::draw(picture), root.filePath(QString::fromLatin1(picture.path)));
    }
    std::vector<QImage> icoImages;
    for (int size : {16, 24, 32, 48, 64, 256}) {
        icoImages.push_back(pictures::drawIcon(size));
    }
    ok &= SaveIco(icoImages, root.filePath(QStringLiteral("icons/azivoder.ico")));
    return ok ? 0 : 1;
}
