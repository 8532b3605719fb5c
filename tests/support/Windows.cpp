#include "support/Windows.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

QWidget* findWindow(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name)
            return window;
    }
    return nullptr;
}

void showExposed(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("window %s was never exposed", qPrintable(window.objectName()));
}
