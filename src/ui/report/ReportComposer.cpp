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
    // The catalogue's columns in order; the significance closes the entry
    // with three empty lines.
    for (const geomancy::CatalogueColumn& column : geomancy::catalogueColumns()) {
        insertPiece(cursor, true, reportLabelColour(),
                    QLatin1String(column.label) + QStringLiteral(" : "));
        const bool last = column.member == &CatalogueRow::significance;
        // QTextCursor turns each CR LF into one paragraph break.
        insertPiece(cursor, false, reportValueColour(),
                    QString::fromUtf8(geomancy::columnText(figure, column)) +
                        LineBreak.repeated(last ? 4 : 2));
    }
    cursor.endEditBlock();
}
