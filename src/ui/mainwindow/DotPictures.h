#pragma once

#include <QPixmap>
#include <QString>

// The image list of the dot boxes: picture v shows line value v (1 = one
// dot, 2 = two dots). The pictures come with a double-size version that is
// used on high-density screens.
class DotPictures {
public:
    DotPictures();

    // Throws std::out_of_range for anything but 1 or 2.
    const QPixmap& picture(int value) const;

    // What a screen reader says for a box showing value v.
    static QString accessibleName(int value);

private:
    QPixmap oneDot_;
    QPixmap twoDots_;
};
