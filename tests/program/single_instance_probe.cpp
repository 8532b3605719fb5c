// The program's start as a separate process, for test_single_instance: the
// real composition, with the lock directory and the settings file given as
// arguments and scripted message boxes; a third argument "broken" makes the
// main window's build fail. It reports on stdout:
//   "running"                        its main window is up; it waits to be killed
//   "box: <text>" ... "ended" <n>    it was refused, told the user and ended
//                                    with n windows left, and exits with the
//                                    program's status
#include "program/Program.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/widgets/MessageBoxes.h"

#include <QApplication>
#include <QSettings>
#include <QTextStream>

#include <stdexcept>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (app.arguments().size() != 3 && app.arguments().value(3) != QLatin1String("broken"))
        return 2;
    MessageBoxes::script().setScripted(true);
    QTextStream out(stdout);

    Program::Services services;
    services.lockDirectory = app.arguments().at(1);
    const QString settingsFile = app.arguments().at(2);
    services.settings = [settingsFile] {
        return std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
    };
    bool ended = false;
    services.end = [&] { ended = true; };
    if (app.arguments().size() == 4)
        services.mainWindow = [](geomancy::Reading&) -> MainWindow* {
            throw std::runtime_error("a control missing from the window's table");
        };

    Program program(services);
    if (!program.start()) {
        for (const MessageBoxes::Shown& box : MessageBoxes::script().shown())
            out << "box: " << box.text << '\n';
        out << (ended ? "ended " : "not ended ") << QApplication::topLevelWidgets().size()
            << Qt::endl;
        return program.exitCode();
    }
    QWidget* mainWindow = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        mainWindow = window->objectName() == QLatin1String("frmMain") ? window : mainWindow;
    out << (mainWindow && mainWindow->isVisible() ? "running" : "no window") << Qt::endl;
    return app.exec();
}
