#include "ui/report/SaveReportDialog.h"

#include "ui/widgets/AppInfo.h"
#include "ui/widgets/MessageBoxes.h"

#include <QDir>
#include <QFileInfo>

SaveReportDialog::SaveReportDialog(QWidget* parent) : QFileDialog(parent) {
    setWindowTitle(ApplicationTitle);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilter(QStringLiteral("Rich Text Format (*.rtf)"));
    // The dialog adds the suffix before it checks for an existing file, so
    // the overwrite question is asked about the name that will be written.
    setDefaultSuffix(QStringLiteral("rtf"));
    setOption(QFileDialog::DontConfirmOverwrite, false);
    selectFile(QString());
}

QString SaveReportDialog::askFileName(QWidget* parent) {
    SaveReportDialog dialog(parent);
    if (script().isScripted()) {
        return script().answer(Shown{dialog.windowTitle(), dialog.nameFilters(),
                                     dialog.defaultSuffix(), dialog.acceptMode(), dialog.fileMode(),
                                     dialog.options()},
                               QString());
    }
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

ScriptedAnswers<QString, SaveReportDialog::Shown>& SaveReportDialog::script() {
    static ScriptedAnswers<QString, Shown> instance;
    return instance;
}

void SaveReportDialog::accept() {
    const QStringList files = selectedFiles();
    if (!files.isEmpty()) {
        const QFileInfo chosen(files.first());
        if (!chosen.isDir() && !chosen.absoluteDir().exists()) {
            MessageBoxes::error(this, QStringLiteral("The folder \"%1\" does not exist.")
                                          .arg(QDir::toNativeSeparators(chosen.absolutePath())));
            return; // the dialog stays open for another choice
        }
    }
    QFileDialog::accept();
}
