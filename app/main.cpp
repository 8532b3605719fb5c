#include "program/BenchProbe.h"
#include "program/Program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installBenchProbe(); // does nothing unless scripts/bench.sh asks
    // The application name stays Qt's default, the executable's base name:
    // the settings store and the single-instance lock are kept under it.
    Program program;
    if (!program.start())
        return 0; // another copy runs; the user has been told
    return app.exec();
}
