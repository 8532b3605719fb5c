#include "program/Program.h"

#include "program/CoBrand.h"
#include "program/SingleInstance.h"
#include "program/UpdateReminder.h"
#include "ui/exit/ExitWindow.h"
#include "ui/mainwindow/AboutWindow.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/StepRunner.h"

#include "geomancy/RandomSource.h"
#include "geomancy/Reading.h"
#include "ui/report/Report.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSettings>

#include <cstdio>

namespace {

std::unique_ptr<QSettings> userSettings() {
    // Per user, under the executable's name (Qt's default application name),
    // given as both organisation and application so that no extra level
    // appears: the registry on Windows, a .conf file elsewhere.
    const QString name = QCoreApplication::applicationName();
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, name, name);
}

} // namespace

Program::Program() : Program(Services()) {}

Program::Program(Services services) : services_(std::move(services)) {
    if (!services_.random) {
        ownRandom_ = std::make_unique<geomancy::ClockSeededRandom>();
        services_.random = ownRandom_.get();
    }
    random_ = services_.random;
    if (!services_.settings)
        services_.settings = userSettings;
    if (!services_.today)
        services_.today = [] { return QDate::currentDate(); };
    if (!services_.end)
        services_.end = endProcessNow;
    reading_ = std::make_unique<geomancy::Reading>(*random_);
}

Program::~Program() {
    // The windows call into the report and the reading: they go first.
    ending_ = true;
    delete exitWindow_.data();
    delete mainWindow_.data();
    report_.reset();
}

bool Program::start() {
    // The program ends when the exit window is closed, not when the last
    // window happens to disappear (between the main window and the exit
    // window, or before the first window of a refused start).
    QGuiApplication::setQuitOnLastWindowClosed(false);

    // Five steps in order; a failing one is skipped without a word to the
    // user, as at any start, and a failing check is no refusal.
    bool refused = false;
    runSteps({{"check for another copy", [this, &refused] { refused = anotherInstanceRuns(); }}});
    if (refused) {
        MessageBoxes::information(nullptr, QString::fromLatin1(AlreadyRunningMessage));
        runSteps({{"close all and end", [this] { closeAllAndEnd(); }}});
        return false;
    }
    runSteps({{"seed the random source", [this] { random_->seedFromClock(); }},
              {"remind about an update", [this] { remindAboutUpdate(); }},
              {"show the main window", [this] { showMainWindow(); }},
              {"pick the brand label", [this] { pickBrandLabel(); }}});
    // Without its window the program could only hold the lock, invisibly,
    // and refuse every later start.
    if (!mainWindow_ || !mainWindow_->isVisible()) {
        instance_.reset();
        std::fputs(qPrintable(QCoreApplication::applicationName() +
                              QStringLiteral(": the main window could not be shown\n")),
                   stderr);
        std::fflush(stderr);
        exitCode_ = 1;
        closeAllAndEnd();
        return false;
    }
    return true;
}

bool Program::anotherInstanceRuns() {
    instance_ = services_.lockDirectory.isEmpty()
                    ? std::make_unique<SingleInstance>()
                    : std::make_unique<SingleInstance>(services_.lockDirectory);
    return instance_->claim() == SingleInstance::Claim::HeldByAnother;
}

void Program::remindAboutUpdate() {
    const std::unique_ptr<QSettings> settings = services_.settings();
    updateReminder(*settings, services_.today());
}

void Program::showMainWindow() {
    mainWindow_ =
        services_.mainWindow ? services_.mainWindow(*reading_) : new MainWindow(*reading_);
    // Owned by the main window, the report window stays out of the task bar;
    // it goes when the main window goes.
    report_ = std::make_unique<Report>(mainWindow_);
    mainWindow_->setReportOperations(report_->operations());
    connect(mainWindow_, &MainWindow::aboutRequested, this, &Program::showAbout);
    connect(mainWindow_, &MainWindow::closed, this, &Program::mainWindowClosed);
    mainWindow_->show();
}

void Program::pickBrandLabel() {
    if (mainWindow_)
        coBrandRandomize(*random_, mainWindow_->cobrandLabel(), mainWindow_->fullBrandLabel());
}

void Program::showAbout() {
    AboutWindow::showModal(mainWindow_);
}

void Program::mainWindowClosed() {
    if (ending_ || exitWindow_)
        return; // the main window is being closed on the way out
    runSteps({{"show the exit window", [this] {
                   exitWindow_ = new ExitWindow(*random_);
                   connect(exitWindow_, &ExitWindow::closed, this, &Program::closeAllAndEnd);
                   exitWindow_->show();
               }}});
    if (!exitWindow_ || !exitWindow_->isVisible()) {
        closeAllAndEnd();
        return;
    }
    // The main window goes once its closing is over.
    mainWindow_->deleteLater();
}

void Program::closeAllAndEnd() {
    if (ending_)
        return;
    ending_ = true;
    ::closeAllAndEnd(services_.end);
}
