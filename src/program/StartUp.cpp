#include "program/StartUp.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

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
