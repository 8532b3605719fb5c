#include "MainWindow.h"

#include "AppInfo.h"

#include <Reading.h>

MainWindow::MainWindow(geomancy::Reading& reading, QWidget* parent)
    : QMainWindow(parent), reading_(reading) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(WindowCaption);
}
