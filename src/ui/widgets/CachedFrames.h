#pragma once

#include <QGroupBox>
#include <QString>

#include <functional>

class QPainter;
class QStyleOption;

// The style's frames around a tab page and a group box are costly to draw
// (a scaled, blended border picture over the whole area), and a page change
// draws them again over hundreds of thousands of pixels. These helpers draw
// a frame once into a picture kept in QPixmapCache and copy that picture on
// later repaints. The picture is drawn on a transparent background and laid
// over what lies beneath, which gives the same pixels as drawing directly.
//
// A work-around for Qt 6.4's styles, which keep no picture of these frames:
// it can go once scripts/bench.sh shows a change of tab as quick without it
// on the Qt the program is built with.

// Paints what `draw` would paint into `rect` through a cached picture. The
// picture is found by `tag`, the rectangle's size, the painter's pixel ratio
// and the option's style, state, direction and colours; when the colours are
// not plain (gradients, textures) it is drawn directly. With a `background`
// colour the picture is drawn over it and is opaque: it then replaces
// whatever lies beneath, which makes the copy cheaper still.
void paintCachedFrame(QPainter& painter, const QRect& rect, const QString& tag,
                      const QStyleOption& option, const QStyle* style,
                      const std::function<void(QPainter&, const QRect&)>& draw,
                      const QColor& background = Qt::transparent);

// Drops every picture made by paintCachedFrame(), as when a window moves to
// a screen of another scale; the frames are drawn anew on their next paint.
void forgetCachedFrames();

// A group box whose frame is drawn through the cache above; its caption is
// drawn as usual.
class CachedFrameGroupBox : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
