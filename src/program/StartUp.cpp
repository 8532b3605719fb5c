#include "program/StartUp.h"

#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/StepRunner.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

bool runStartUp(const StartUpSteps& steps) {
    // A failing step is skipped without a word, as at any start.
    bool refused = false;
    runSteps({[&] { refused = steps.anotherInstanceRuns && steps.anotherInstanceRuns(); }});
    if (refused) {
        MessageBoxes::information(nullptr, QString::fromLatin1(AlreadyRunningMessage));
        runSteps({steps.closeAllAndEnd});
        return false;
    }
    runSteps(
        {steps.seedRandom, steps.updateReminder, steps.showMainWindow, steps.coBrandRandomize});
    return true;
}

void endProcessNow() {
    // Leaving the event loop ends main() with status 0. Before the loop has
    // started (a refused start) main() returns on its own.
    QCoreApplication::exit(0);
}

void closeAllAndEnd(const EndProcess& end) {
    // Closing a window may delete others, so hold them by guarded pointers.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget>& window : windows) {
        if (window)
            window->close();
    }
    if (end)
        end();
}
