#include "ui/report/Report.h"

#include "ui/report/ReportComposer.h"
#include "ui/report/ReportWindow.h"

#include <QTextDocument>

Report::Report(QWidget* dialogParent)
    : dialogParent_(dialogParent), document_(new QTextDocument(this)) {
    prepareReportDocument(*document_);
}

Report::~Report() {
    // The window shows our document; it must go first.
    delete window_.data();
}

ReportOperations Report::operations() {
    return ReportOperations{[this](int castCount, int row) { append(castCount, row); },
                            [this] { reset(); }, [this] { show(); }};
}

void Report::append(int castCount, int row) {
    ensureWindow();
    appendReportEntry(*document_, castCount, row);
}

void Report::reset() {
    ensureWindow();
    document_->clear();
    prepareReportDocument(*document_);
}

void Report::show() {
    ensureWindow()->exec();
}

ReportWindow* Report::window() const {
    return window_.data();
}

ReportWindow* Report::ensureWindow() {
    if (window_.isNull())
        window_ = new ReportWindow(document_, dialogParent_.data());
    return window_.data();
}
