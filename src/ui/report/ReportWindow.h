#pragma once

#include <QDialog>

class ClickableLabel;
class QPrinter;
class QPushButton;
class QTextDocument;
class QTextEdit;

// The report window (frmSave): shows the reading report and saves it as an
// RTF file or prints it. It displays a document it does not own, so closing
// the window only hides it and the report stays for the next opening.
class ReportWindow : public QDialog {
    Q_OBJECT
public:
    explicit ReportWindow(QTextDocument* report, QWidget* parent = nullptr);

    QTextEdit* reportBox() const { return reportBox_; }

    // The selection of the report box if there is one, else the whole report.
    void printReport(QPrinter& printer) const;

public slots:
    void saveReport();
    void printWithDialog();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createReportBox(QTextDocument* report);
    void createButtons();
    void createLinks();

    QTextEdit* reportBox_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    ClickableLabel* forumLink_ = nullptr;
    ClickableLabel* homeLink_ = nullptr;
    ClickableLabel* brandingLink_ = nullptr;
};
