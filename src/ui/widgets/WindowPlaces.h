#pragma once

#include <cstddef>

class QWidget;

// One row of a window's layout table: a control (by objectName) and its
// place in twips inside its container.
struct TwipPlace {
    const char* name;
    int left;
    int top;
    int width;
    int height;
};

// Moves every named control of the table to its place; the controls must
// exist as (grand)children of window.
void placeControls(QWidget* window, const TwipPlace* places, std::size_t count);

template <std::size_t N>
void placeControls(QWidget* window, const TwipPlace (&places)[N]) {
    placeControls(window, places, N);
}

// Puts a top-level window in the middle of the screen it is on.
void centreOnScreen(QWidget* window);
