#pragma once

#include "ui/widgets/ScriptedAnswers.h"

#include <QFileDialog>
#include <QStringList>

// The dialog that asks where to save the report: one file type (RTF), ".rtf"
// added to a name typed without an extension, a question before an existing
// file is overwritten, and names in folders that do not exist refused.
class SaveReportDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit SaveReportDialog(QWidget* parent = nullptr);

    // The chosen path, or an empty string when the dialog was cancelled.
    static QString askFileName(QWidget* parent);

    // Scripted mode for tests: askFileName() configures the dialog, records
    // it and answers with the next queued name instead of showing it. An
    // empty name, or an empty queue, answers "cancelled".
    struct Shown {
        QString title;
        QStringList nameFilters;
        QString defaultSuffix;
        AcceptMode acceptMode;
        FileMode fileMode;
        Options options;
    };
    static ScriptedAnswers<QString, Shown>& script();

protected:
    void accept() override;
};
