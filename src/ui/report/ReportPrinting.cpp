#include "ui/report/ReportPrinting.h"

#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

void printReport(const QTextDocument& document, const QTextCursor& selection, QPrinter& printer) {
    if (!selection.hasSelection()) {
        document.print(&printer);
        return;
    }
    // The selected runs keep their bold flags and colours; font name and
    // size come from the report's default font, as in the report itself.
    QTextDocument part;
    part.setDefaultFont(document.defaultFont());
    part.setUndoRedoEnabled(false);
    QTextCursor(&part).insertFragment(selection.selection());
    part.print(&printer);
}
