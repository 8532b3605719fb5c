#pragma once

#include <QColor>
#include <QPalette>

#include <initializer_list>

class QWidget;

// Every colour the windows are painted in, each named once. Entries of the
// classic sixteen-colour palette carry their classic names; the others are
// named by what they look like.
namespace colours {

inline const QColor Black{0, 0, 0};
inline const QColor White{255, 255, 255};
inline const QColor Red{255, 0, 0};
inline const QColor Blue{0, 0, 255};
inline const QColor Yellow{255, 255, 0};
inline const QColor Maroon{128, 0, 0};
inline const QColor Green{0, 128, 0};
inline const QColor Navy{0, 0, 128};
inline const QColor Silver{192, 192, 192};

inline const QColor DarkRed{192, 0, 0};
inline const QColor DarkBlue{0, 0, 192};
inline const QColor DarkMagenta{192, 0, 192};
inline const QColor Rust{192, 64, 0};
inline const QColor DarkGrey{64, 64, 64};
inline const QColor Charcoal{58, 58, 58};

// The desktop's own colour for a role, for controls that keep the system look.
QColor system(QPalette::ColorRole role);

} // namespace colours

// Gives every role in roles the colour in the widget's palette; the other
// roles stay as inherited. A widget given a Window colour also fills its
// background with it, which Qt leaves to the window alone otherwise.
void setPaletteColour(QWidget* widget, std::initializer_list<QPalette::ColorRole> roles,
                      const QColor& colour);
