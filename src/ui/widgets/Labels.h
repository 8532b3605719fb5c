#pragma once

#include <QColor>
#include <QString>

class QFont;
class QLabel;
class QWidget;

// A label of a window: its objectName (the design's name), text and font,
// and, when `colour` is valid, the colour its text is drawn in (set for the
// window-text and text roles, so that it reads the same whichever role a
// style draws with). Without a colour it keeps the one its parent gives.
QLabel* createLabel(const QString& name, const QString& text, const QFont& font, QWidget* parent,
                    const QColor& colour = QColor());
