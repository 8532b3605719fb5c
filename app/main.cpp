#include "app/CommandLine.h"
#include "program/Program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // The version is set in one place, the build's project version.
    QCoreApplication::setApplicationVersion(QStringLiteral(AZIVODER_VERSION));
    if (const std::optional<int> exitCode = handleCommandLine(argc, argv))
        return *exitCode;

    QApplication app(argc, argv);
    // The application name stays Qt's default, the executable's base name:
    // the settings store and the single-instance lock are kept under it.
    // The desktop file name lets docks and task bars match the windows to
    // the installed menu entry (and is the application id on Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral(AZIVODER_APP_ID));
    Program program;
    if (!program.start())
        return program.exitCode(); // another copy runs, or no window could be shown
    return app.exec();
}
