#include "MainWindow.h"

#include <QApplication>
#include <RandomSource.h>
#include <Reading.h>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    geomancy::ClockSeededRandom random;
    geomancy::Reading reading(random);
    MainWindow window(reading);
    window.show();
    return app.exec();
}
