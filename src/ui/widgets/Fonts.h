#pragma once

#include <QFont>

// The windows are designed in Verdana and MS Sans Serif. Both are asked for
// by name so the real face is used wherever it is installed; elsewhere a
// substitution picks the nearest font on the system.
namespace fonts {

enum Style : unsigned { Regular = 0, Bold = 1, Italic = 2, Underline = 4 };

QFont verdana(qreal points, unsigned style = Regular);
QFont msSansSerif(qreal points, unsigned style = Regular);

// Registers the substitutes once; verdana() and msSansSerif() call it too.
void installSubstitutions();

} // namespace fonts
