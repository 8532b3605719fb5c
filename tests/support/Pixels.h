#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>

// Rendered pictures are compared within a tolerance, never bit for bit: Qt
// picks its blending and alpha conversion routines by processor and by how it
// was built, and where the exact value is a rounding tie (an edge pixel of
// alpha 238 over green 143, say) two routines round it one level apart.
//
// Two levels per channel covers the two roundings a picture passes through
// (blending onto its background and converting premultiplied alpha back),
// while a real fault is tens of levels off: a missing 1-pixel line, a
// shifted text or another colour differ by 50 to 255.
constexpr int RoundingTolerance = 2;

struct PictureDifference {
    bool sameSize = true;
    int largest = 0;    // the largest difference of one channel
    int pixelsOver = 0; // pixels with some channel more than the tolerance off
    QPoint firstOver;   // the first such pixel, row by row

    bool withinTolerance() const { return sameSize && pixelsOver == 0; }
    // Says where and by how much, for a failed check's message.
    QString describe() const;
};

// Compares two pictures channel by channel, after converting both to 32-bit ARGB.
PictureDifference compareImages(const QImage& actual, const QImage& expected,
                                int tolerance = RoundingTolerance);

// Whether two colours are within `tolerance` on every channel; for points
// inside flat fills, which a real fault (another colour) moves far further.
bool nearColour(const QColor& actual, const QColor& expected, int tolerance = RoundingTolerance);

// Fails the running Qt Test, saying where, when two pictures are not alike.
#define QVERIFY_SAME_PICTURE(actual, expected)                                                     \
    do {                                                                                           \
        const PictureDifference difference_ = compareImages((actual), (expected));                 \
        QVERIFY2(difference_.withinTolerance(), qPrintable(difference_.describe()));               \
    } while (false)
