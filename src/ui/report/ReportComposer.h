#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QTextDocument;

// The reading report is one rich-text document in a single font; its
// characters carry only a bold flag and a colour. Every CR LF of an entry
// becomes one paragraph break, so each line of the report is one block.

// Verdana 9.75 pt, the font of every character of the report.
QFont reportFont();

QColor reportLabelColour(); // headings and field labels: maroon
QColor reportValueColour(); // field values: green

// "Sun Position" .. "Mars Position" for castings 2..8; empty otherwise.
QString reportHeading(int castCount);

// Gives a new document the report's font and no undo history.
void prepareReportDocument(QTextDocument& document);

// Appends casting `castCount`'s entry for catalogue row `row` at the end of
// the document: the heading (castings 2..8), then the ten labelled fields.
// A row outside the catalogue appends nothing.
void appendReportEntry(QTextDocument& document, int castCount, int row);
