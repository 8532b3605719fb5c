#pragma once

#include <QList>
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
// - a plain top-level widget is a window;
// - a tab page belongs to its tab header, so the tab list holds tabs alone.
// The tab control's interfaces are in TabAccessibility.cpp, the review list
// in ReviewList.cpp, announcements in Announcer.cpp; the factory, labels and
// frames here.
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

// Gives a control its accessible description, telling assistive tools only
// when it really changed.
void setDescription(QWidget* control, const QString& description);

// Has a screen reader say `text` now, without moving the focus, as a
// notification of `window` (an invisible control of it that is shown anew
// with each text). The one place that speaks outside the focus: with an
// announcement event in the toolkit it becomes that event.
void announce(QWidget* window, const QString& text);

// Makes `list` a single Tab stop whose arrow keys (Up, Down, Home, End)
// move through `items` for a screen reader: the item reached is told
// focused and read out. Nothing is drawn differently.
void makeReviewList(QWidget* list, const QList<QWidget*>& items);

// The item of a review list that a screen reader is on, or none.
QWidget* reviewedItem(const QWidget* list);

// Makes a top-level widget a dialog for screen readers, which then read its
// message (its labels) as it opens; call before it is shown.
void markAsDialog(QWidget* window);

// Tells screen readers that `control` has the focus before its focus-in
// handling changes its text, so the reader hears the control and not the
// change first.
void tellFocus(QWidget* control);

} // namespace accessibility
