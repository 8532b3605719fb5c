#pragma once

#include <QByteArray>

class QTextDocument;

// Writes a whole document as Rich Text Format: the document's font, one
// \par per paragraph break, \line per line separator, bold runs and text
// colours (gathered into the colour table in order of first use). Any
// character survives: RTF's special characters are escaped, everything
// beyond ASCII goes out as \uN? in UTF-16 code units.
QByteArray documentToRtf(const QTextDocument& document);
