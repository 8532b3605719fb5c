#include "program/StartUp.h"

#include "ui/widgets/MessageBoxes.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

// A failing step is skipped without a word, as at any start.
void runQuietly(const std::function<void()>& step) {
    if (!step)
        return;
    try {
        step();
    } catch (...) {
    }
}

} // namespace

bool runStartUp(const StartUpSteps& steps) {
    bool refused = false;
    runQuietly([&] { refused = steps.anotherInstanceRuns && steps.anotherInstanceRuns(); });
    if (refused) {
        runQuietly([] { MessageBoxes::information(nullptr, QString::fromLatin1(AlreadyRunningMessage)); });
        runQuietly(steps.closeAllAndEnd);
        return false;
    }
    runQuietly(steps.seedRandom);
    runQuietly(steps.updateReminder);
    runQuietly(steps.showMainWindow);
    runQuietly(steps.coBrandRandomize);
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
