#pragma once

#include "program/StartUp.h"

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class ExitWindow;
class MainWindow;
class QSettings;
class Report;
class SingleInstance;

namespace geomancy {
class RandomSource;
class Reading;
} // namespace geomancy

// The whole program from start to end: it makes the reading, the main
// window and the report, connects them, and carries out the start-up and
// the shut-down around them.
class Program : public QObject {
    Q_OBJECT
public:
    // Everything the program reaches outside itself, replaceable for tests.
    // An empty member means the real thing.
    struct Services {
        geomancy::RandomSource* random = nullptr; // a clock-seeded source
        std::function<std::unique_ptr<QSettings>()>
            settings;                 // the user's store under the program's name
        std::function<QDate()> today; // the system date
        QString
            lockDirectory; // only this one; by default the runtime, then the temporary directory
        EndProcess end;    // leave the event loop with status 0
        std::function<MainWindow*(geomancy::Reading&)> mainWindow; // a new MainWindow
    };

    Program();
    explicit Program(Services services);
    ~Program() override;

    // The start-up. False when the program is ending before its event loop:
    // another copy runs (the user has been told), or no main window could be
    // shown (one line on standard error says so, and the lock is let go).
    // main() then returns exitCode() without an event loop.
    bool start();
    int exitCode() const { return exitCode_; }

    // Closes every window, the hidden report window included, and ends.
    void closeAllAndEnd();

private:
    bool anotherInstanceRuns();
    void remindAboutUpdate();
    void showMainWindow();
    void pickBrandLabel();
    void mainWindowClosed();
    void showAbout();

    Services services_;
    std::unique_ptr<geomancy::RandomSource> ownRandom_;
    geomancy::RandomSource* random_ = nullptr;
    std::unique_ptr<geomancy::Reading> reading_;
    std::unique_ptr<SingleInstance> instance_;
    QPointer<MainWindow> mainWindow_;
    std::unique_ptr<Report> report_;
    QPointer<ExitWindow> exitWindow_;
    bool ending_ = false;
    int exitCode_ = 0;
};
