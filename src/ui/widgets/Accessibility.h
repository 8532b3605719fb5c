#pragma once

#include <QString>

class QWidget;

// What screen readers are told about the program's controls, through Qt's
// accessibility interfaces (AT-SPI on Linux, UI Automation on Windows):
// - the two-row tab control is a page-tab list of page tabs, the selected
//   tab marked selected;
// - a label or frame that cannot be seen although it is shown (beyond its
//   window's edge, or wholly behind an opaque control stacked above it) is
//   marked off screen, and such a frame offers none of its controls;
// - a link label is a link that can be pressed;
// - a plain top-level widget is a window.
namespace accessibility {

// Installs the interfaces once. The tab control and the clickable labels
// call it, so every window of the program has it before it is read.
void install();

// Gives a control its accessible name, telling assistive tools only when
// the name really changed.
void setName(QWidget* control, const QString& name);

// Whether a shown control still cannot be seen: fewer than a line of it (or
// none) lies inside its window, or an opaque control stacked above it
// covers it whole.
bool isOutOfSight(const QWidget* control);

} // namespace accessibility
