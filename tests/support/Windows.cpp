#include "support/Windows.h"

#include <QTest>
#include <QWidget>

void showExposed(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("window %s was never exposed", qPrintable(window.objectName()));
}
