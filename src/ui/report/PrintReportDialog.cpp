#include "ui/report/PrintReportDialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QString>

namespace {

struct Answer {
    QDialog::DialogCode code;
    QString pdfFile;
};

struct Script {
    bool scripted = false;
    QList<Answer> answers;
    QList<PrintReportDialog::Shown> shown;
};

Script& script() {
    static Script instance;
    return instance;
}

void configure(QPrintDialog& dialog, bool hasSelection) {
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
    dialog.setPrintRange(hasSelection ? QAbstractPrintDialog::Selection : QAbstractPrintDialog::AllPages);
}

} // namespace

bool PrintReportDialog::ask(QPrinter& printer, bool hasSelection, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    configure(dialog, hasSelection);
    Script& s = script();
    if (!s.scripted)
        return dialog.exec() == QDialog::Accepted;

    s.shown.append(Shown{dialog.options(), dialog.printRange()});
    const Answer answer = s.answers.isEmpty() ? Answer{QDialog::Rejected, QString()} : s.answers.takeFirst();
    // The file is chosen even for a cancelled dialog, so that printing after
    // a cancel would leave a file behind for the test to find.
    if (!answer.pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(answer.pdfFile);
    }
    return answer.code == QDialog::Accepted;
}

void PrintReportDialog::setScripted(bool scripted) { script().scripted = scripted; }

void PrintReportDialog::setNextAnswer(QDialog::DialogCode answer, const QString& pdfFile) {
    script().answers.append(Answer{answer, pdfFile});
}

const QList<PrintReportDialog::Shown>& PrintReportDialog::shown() { return script().shown; }

void PrintReportDialog::clear() {
    script().answers.clear();
    script().shown.clear();
}
