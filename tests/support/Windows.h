#pragma once

class QWidget;

// Shows a window and waits until the window system has put it on screen. A
// window that never appears is a broken set-up rather than a finding about
// the program, and no check of it would mean anything: the run ends, saying
// which window it was.
void showExposed(QWidget& window);
