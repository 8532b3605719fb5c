#include "ui/mainwindow/DotPictures.h"

#include "ui/mainwindow/MainWindowTexts.h"

#include <QGuiApplication>
#include <QIcon>

#include <stdexcept>

namespace {

constexpr QSize DotPictureSize(66, 20);

QPixmap loadPicture(const QString& path) {
    // QIcon, unlike QPixmap, picks the @2x file for a high-density screen.
    return QIcon(path).pixmap(DotPictureSize, qApp != nullptr ? qApp->devicePixelRatio() : 1.0);
}

void requireLineValue(int value) {
    if (value != 1 && value != 2)
        throw std::out_of_range("a line value is 1 or 2");
}

} // namespace

DotPictures::DotPictures()
    : oneDot_(loadPicture(QStringLiteral(":/images/dot1.png"))),
      twoDots_(loadPicture(QStringLiteral(":/images/dot2.png"))) {}

const QPixmap& DotPictures::picture(int value) const {
    requireLineValue(value);
    return value == 1 ? oneDot_ : twoDots_;
}

QString DotPictures::accessibleName(int value) {
    requireLineValue(value);
    return value == 1 ? maintexts::OneDotName : maintexts::TwoDotsName;
}
