#include "ui/report/ReportComposer.h"

#include "geomancy/FigureCatalogue.h"
#include "geomancy/Reading.h"
#include "ui/widgets/Colours.h"
#include "ui/widgets/Fonts.h"

#include <QTextCursor>
#include <QTextDocument>

#include <array>

namespace {

using geomancy::CatalogueRow;

struct ReportField {
    const char* label;
    const char* CatalogueRow::*value;
    int lineBreaks;
};

// The ten fields of an entry, in order. The significance closes the entry
// with three empty lines.
constexpr ReportField Fields[] = {
    {"Geomantic Figure Name : ", &CatalogueRow::title, 2},
    {"Keyword : ", &CatalogueRow::keyword, 2},
    {"Associated Day : ", &CatalogueRow::day, 2},
    {"Associated Element : ", &CatalogueRow::element, 2},
    {"Associated Quality : ", &CatalogueRow::quality, 2},
    {"Associated Planet : ", &CatalogueRow::planet, 2},
    {"Associated Sign : ", &CatalogueRow::sign, 2},
    {"Associated Body Part : ", &CatalogueRow::bodyPart, 2},
    {"Direction : ", &CatalogueRow::direction, 2},
    {"Significance : ", &CatalogueRow::significance, 4},
};

const QString LineBreak = QStringLiteral("\r\n");

// Each piece gets its bold flag, then its colour, then its text, even where
// they match the previous piece; font name and size come from the document.
void insertPiece(QTextCursor& cursor, bool bold, const QColor& colour, const QString& text) {
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(colour);
    cursor.insertText(text, format);
}

} // namespace

QFont reportFont() {
    return fonts::verdana(9.75);
}

QColor reportLabelColour() {
    return colours::Maroon;
}

QColor reportValueColour() {
    return colours::Green;
}

QString reportHeading(int castCount) {
    // Casting 1 (the Ascendant) has no heading.
    if (castCount < 2 || castCount > geomancy::CastingCount)
        return QString();
    return QLatin1String(
               geomancy::castingSequence()[static_cast<std::size_t>(castCount - 1)].chartName) +
           QStringLiteral(" Position");
}

void prepareReportDocument(QTextDocument& document) {
    document.setDefaultFont(reportFont());
    document.setUndoRedoEnabled(false);
}

void appendReportEntry(QTextDocument& document, int castCount, int row) {
    if (row < 0 || row >= geomancy::FigureCount)
        return;
    const CatalogueRow& figure = geomancy::figureCatalogue()[static_cast<std::size_t>(row)];

    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    // One edit block: the views and the clipboard rule see one change per entry.
    cursor.beginEditBlock();
    const QString heading = reportHeading(castCount);
    if (!heading.isEmpty())
        insertPiece(cursor, true, reportLabelColour(), heading);
    for (const ReportField& field : Fields) {
        insertPiece(cursor, true, reportLabelColour(), QString::fromLatin1(field.label));
        // QTextCursor turns each CR LF into one paragraph break.
        insertPiece(cursor, false, reportValueColour(),
                    QString::fromUtf8(figure.*field.value) + LineBreak.repeated(field.lineBreaks));
    }
    cursor.endEditBlock();
}
