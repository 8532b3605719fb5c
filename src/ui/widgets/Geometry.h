#pragma once

#include "ui/widgets/Twips.h"

#include <QRect>

#include <cstddef>

class QWidget;

// Every window's layout is a table drawn up in twips, relative to each
// control's container, so that a whole window can be read and checked in
// one place. placeControls() is the one way a table reaches the widgets.

struct TwipRect {
    int left;
    int top;
    int width;
    int height;

    QRect toPixels() const { return twips::rect(left, top, width, height); }
};

// One row of a layout table: a control, found by its objectName, and its place.
struct ControlPlace {
    const char* name;
    TwipRect at;
};

// Puts one control at its place. Controls that repeat (a row of dots, the
// houses of the chart) have their places computed and come through here.
// A label, button or check box whose text needs more room than the place
// gives (a substitute font wider or taller than the one the layout was drawn
// for) is then grown to fit, as fitToText() does.
void placeControl(QWidget* control, const TwipRect& at);

// Grows a label, push button or check box just enough to show its text
// whole with the font it uses, keeping the side or centre its alignment
// names (a button keeps its centre). It never shrinks a control, so with the
// fonts the layout was drawn for every control stays exactly at its place.
void fitToText(QWidget* control);

// Moves `control` up until its bottom edge no longer runs under `cover`, an
// opaque control stacked above it, so that what it shows is not hidden.
void keepClearAbove(QWidget* control, const QWidget* cover);

// Puts every control of the table, found among the (grand)children of
// window, at its place. A name no control has is a fault of the table (a
// renamed control would silently keep Qt's default place): it throws
// std::invalid_argument naming it, before any control has moved.
void placeControls(QWidget* window, const ControlPlace* places, std::size_t count);

template <std::size_t N> void placeControls(QWidget* window, const ControlPlace (&places)[N]) {
    placeControls(window, places, N);
}

// Puts a top-level window, frame included, in the middle of the available
// area of the screen it is on, each time it is shown (once the frame is
// known). Every window of the program is centred this way.
void centreOnScreenWhenShown(QWidget* window);
