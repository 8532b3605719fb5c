#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class QAccessibleInterface;
class QWidget;

// What the parts of the screen-reader support share: Accessibility.cpp (the
// factory, labels and frames), TabAccessibility.cpp (the tab control),
// ReviewList.cpp and Announcer.cpp. For ui/widgets alone.
namespace accessibility {

// A caption as read out: the mnemonic marks gone, a doubled one kept as "&".
QString withoutMnemonic(QString text);

// The widget's accessible name, or `caption` where it has none.
QString nameOr(const QWidget* widget, const QString& caption);

// The interface of the tab control, of one of its headers or of one of its
// pages; null for any other widget.
QAccessibleInterface* createTabInterface(const QString& className, QWidget* widget);

// The items of the review list `list` is, or null where it is none.
const QList<QPointer<QWidget>>* reviewItems(const QWidget* list);

// Whether `widget` is the control a window's announcements are spoken by.
bool isAnnouncer(const QWidget* widget);

} // namespace accessibility
