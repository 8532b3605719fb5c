#include "ui/mainwindow/DotPictures.h"

#include "ui/mainwindow/MainWindowTexts.h"
#include "ui/widgets/PictureLabel.h"

#include <QGuiApplication>

#include <stdexcept>

namespace {

QIcon loadPicture(const QString& path, const QString& doubleSizePath) {
    // Both sizes are added by hand: QIcon finds the @2x file on its own
    // only when the program runs at a scale above 100 % from the start.
    QIcon picture(path);
    picture.addFile(doubleSizePath);
    return picture;
}

void requireLineValue(int value) {
    if (value != 1 && value != 2)
        throw std::out_of_range("a line value is 1 or 2");
}

} // namespace

DotPictures::DotPictures()
    : oneDot_(
          loadPicture(QStringLiteral(":/images/dot1.png"), QStringLiteral(":/images/dot1@2x.png"))),
      twoDots_(loadPicture(QStringLiteral(":/images/dot2.png"),
                           QStringLiteral(":/images/dot2@2x.png"))) {}

const QIcon& DotPictures::icon(int value) const {
    requireLineValue(value);
    return value == 1 ? oneDot_ : twoDots_;
}

QPixmap DotPictures::picture(int value) const {
    return pictureFor(icon(value), Size, qApp != nullptr ? qApp->devicePixelRatio() : 1.0);
}

QString DotPictures::accessibleName(int value) {
    requireLineValue(value);
    return value == 1 ? maintexts::OneDotName : maintexts::TwoDotsName;
}
