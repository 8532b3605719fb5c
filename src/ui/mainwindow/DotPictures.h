#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The image list of the dot boxes: picture v shows line value v (1 = one
// dot, 2 = two dots). Each picture comes with a double-size version, from
// which it is drawn for any scale above 100 %.
class DotPictures {
public:
    // The pictures' size in logical pixels, as the boxes are.
    static constexpr QSize Size{66, 20};

    DotPictures();

    // Both throw std::out_of_range for anything but 1 or 2.
    const QIcon& icon(int value) const;
    // Drawn for the program's highest pixel ratio.
    QPixmap picture(int value) const;

    // What a screen reader says for a box showing value v.
    static QString accessibleName(int value);

private:
    QIcon oneDot_;
    QIcon twoDots_;
};
