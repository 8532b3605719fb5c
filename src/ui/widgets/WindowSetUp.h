#pragma once

#include "ui/widgets/Geometry.h"

#include <QIcon>
#include <QSize>

class QWidget;

// What every window of the program is given the same way. First: its name
// (the design's), the program's caption, its icon, and a white client area
// of a fixed size (the window itself, or the main window's central widget).
void setUpWindow(QWidget* window, const char* name, const QIcon& icon, QWidget* client,
                 QSize clientSize);

// Then, once its controls exist: each at its place in the window's table,
// and the window centred on its screen each time it is shown.
template <std::size_t N> void placeAndCentre(QWidget* window, const ControlPlace (&places)[N]) {
    placeControls(window, places, N);
    centreOnScreenWhenShown(window);
}
