#pragma once

#include "ui/widgets/ScriptedAnswers.h"

#include <QAbstractPrintDialog>
#include <QDialog>
#include <QString>

#include <functional>

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
    // when none is left) instead of showing it. An answer may make the
    // choices a user makes in the dialog (a printer, a file) on `printer`.
    struct Shown {
        QAbstractPrintDialog::PrintDialogOptions options;
        QAbstractPrintDialog::PrintRange range;
    };
    struct Answer {
        QDialog::DialogCode code;
        std::function<void(QPrinter&)> choose;
    };
    static ScriptedAnswers<Answer, Shown>& script();
};
