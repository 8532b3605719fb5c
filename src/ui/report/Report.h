#pragma once

#include "ui/report/ReportOperations.h"

#include <QObject>
#include <QPointer>

class QTextDocument;
class QWidget;
class ReportWindow;

// The reading report: owns the document the castings write and the window
// that shows it. The window is created hidden by the first append, reset or
// opening; closing it only hides it, and the document lives until the reset
// or the end of the program.
class Report : public QObject {
    Q_OBJECT
public:
    explicit Report(QWidget* dialogParent = nullptr);
    ~Report() override;

    // What the main window calls: append, reset and show.
    ReportOperations operations();

    void append(int castCount, int row);
    void reset();
    void show(); // modal; returns when the user closes the window

    QTextDocument* document() const { return document_; }

    // The report window, or nullptr while none has been created.
    ReportWindow* window() const;

private:
    ReportWindow* ensureWindow();

    QPointer<QWidget> dialogParent_;
    QTextDocument* document_;
    QPointer<ReportWindow> window_;
};
