#include "ui/report/SaveReportDialog.h"

#include "ui/widgets/AppInfo.h"
#include "ui/widgets/MessageBoxes.h"

#include <QDir>
#include <QFileInfo>

namespace {

struct Script {
    bool scripted = false;
    QStringList names;
    QList<SaveReportDialog::Shown> shown;
};

Script& script() {
    static Script instance;
    return instance;
}

} // namespace

SaveReportDialog::SaveReportDialog(QWidget* parent) : QFileDialog(parent) {
    setWindowTitle(ApplicationTitle);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilter(tr("Rich Text Format (*.rtf)"));
    // The dialog adds the suffix before it checks for an existing file, so
    // the overwrite question is asked about the name that will be written.
    setDefaultSuffix(QStringLiteral("rtf"));
    setOption(QFileDialog::DontConfirmOverwrite, false);
    selectFile(QString());
}

QString SaveReportDialog::askFileName(QWidget* parent) {
    SaveReportDialog dialog(parent);
    Script& s = script();
    if (s.scripted) {
        s.shown.append(Shown{dialog.windowTitle(), dialog.nameFilters(), dialog.defaultSuffix(),
                             dialog.acceptMode(), dialog.fileMode(), dialog.options()});
        return s.names.isEmpty() ? QString() : s.names.takeFirst();
    }
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

void SaveReportDialog::setScripted(bool scripted) { script().scripted = scripted; }

void SaveReportDialog::setNextFileName(const QString& name) { script().names.append(name); }

const QList<SaveReportDialog::Shown>& SaveReportDialog::shown() { return script().shown; }

void SaveReportDialog::clear() {
    script().names.clear();
    script().shown.clear();
}

void SaveReportDialog::accept() {
    const QStringList files = selectedFiles();
    if (!files.isEmpty()) {
        const QFileInfo chosen(files.first());
        if (!chosen.isDir() && !chosen.absoluteDir().exists()) {
            MessageBoxes::error(this, tr("The folder \"%1\" does not exist.")
                                        .arg(QDir::toNativeSeparators(chosen.absolutePath())));
            return; // the dialog stays open for another choice
        }
    }
    QFileDialog::accept();
}
