#pragma once

class QString;
class QWidget;

// Shows a window and waits until the window system has put it on screen. A
// window that never appears is a broken set-up rather than a finding about
// the program, and no check of it would mean anything: the run ends, saying
// which window it was.
void showExposed(QWidget& window);

// The application's window (shown or hidden) whose objectName is `name`, as
// a user would find it among the windows; null when there is none.
QWidget* findWindow(const QString& name);
