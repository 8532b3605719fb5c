#include "ui/report/PrintReportDialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QString>

namespace {

void configure(QPrintDialog& dialog, bool hasSelection) {
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
    dialog.setPrintRange(hasSelection ? QAbstractPrintDialog::Selection
                                      : QAbstractPrintDialog::AllPages);
}

} // namespace

bool PrintReportDialog::ask(QPrinter& printer, bool hasSelection, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    configure(dialog, hasSelection);
    if (!script().isScripted())
        return dialog.exec() == QDialog::Accepted;

    const Answer answer = script().answer(Shown{dialog.options(), dialog.printRange()},
                                          Answer{QDialog::Rejected, {}});
    if (answer.choose)
        answer.choose(printer);
    return answer.code == QDialog::Accepted;
}

ScriptedAnswers<PrintReportDialog::Answer, PrintReportDialog::Shown>& PrintReportDialog::script() {
    static ScriptedAnswers<Answer, Shown> instance;
    return instance;
}
