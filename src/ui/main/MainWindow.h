#pragma once

#include <QMainWindow>

namespace geomancy {
class Reading;
}

// The working window: figures, chart, tabs and the casting button.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(geomancy::Reading& reading, QWidget* parent = nullptr);

private:
    geomancy::Reading& reading_;
};
