#pragma once

#include <QImage>

#include <array>

namespace pictures {

// The device-independent size of a dot picture.
constexpr int DotWidth = 66;
constexpr int DotHeight = 20;

// The program icon, `size` pixels square, straight (not premultiplied) alpha.
QImage drawIcon(int size);

// One or two dots on white, `scale` device pixels to the unit.
QImage drawDots(int count, int scale);

// A committed picture and how it is drawn: the icon at `size` pixels, or
// `dots` dots at `size` device pixels to the unit.
struct CommittedPicture {
    const char* path; // below resources/
    int dots;         // 0 for the icon
    int size;
};

// Every PNG file under resources/ that make_pictures writes. The icon sizes
// are those desktops ask of an icon theme; the windows embed some of them.
inline constexpr std::array<CommittedPicture, 12> CommittedPictures{{
    {"icons/azivoder-16.png", 0, 16},
    {"icons/azivoder-22.png", 0, 22},
    {"icons/azivoder-24.png", 0, 24},
    {"icons/azivoder.png", 0, 32},
    {"icons/azivoder-48.png", 0, 48},
    {"icons/azivoder@2x.png", 0, 64},
    {"icons/azivoder-128.png", 0, 128},
    {"icons/azivoder-256.png", 0, 256},
    {"images/dot1.png", 1, 1},
    {"images/dot1@2x.png", 1, 2},
    {"images/dot2.png", 2, 1},
    {"images/dot2@2x.png", 2, 2},
}};

// Draws the picture that `picture` names.
QImage draw(const CommittedPicture& picture);

} // namespace pictures
