#pragma once

#include "ui/widgets/ScriptedAnswers.h"

#include <QAbstractPrintDialog>
#include <QDialog>
#include <QString>

class QPrinter;
class QWidget;

// The printer dialog of the report window: no page range; the selection is
// offered and preselected when the report has one, otherwise all is.
class PrintReportDialog {
public:
    // True when the user chose to print; `printer` is then set up.
    static bool ask(QPrinter& printer, bool hasSelection, QWidget* parent);

    // Scripted mode for tests: ask() configures a real dialog, records its
    // options and range and answers with the next queued answer (Rejected
    // when none is left) instead of showing it. An answer may name a PDF
    // file, as if the user had chosen to print to that file.
    struct Shown {
        QAbstractPrintDialog::PrintDialogOptions options;
        QAbstractPrintDialog::PrintRange range;
    };
    struct Answer {
        QDialog::DialogCode code;
        QString pdfFile;
    };
    static ScriptedAnswers<Answer, Shown>& script();
};
