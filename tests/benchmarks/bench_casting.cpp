// How long the casting button and the window's construction take, on the
// real window. Run: QT_QPA_PLATFORM=offscreen ./bench_casting
// (add -iterations N or -median N for steadier numbers). Under a display,
// e.g. xvfb-run with QT_QPA_PLATFORM=xcb, the window benchmarks include
// the time until the window is shown and painted.
#include "support/MainWindowFixture.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace {

// Enough scripted line values for `readings` whole readings.
std::vector<int> randomLines(int readings) {
    std::mt19937 engine(20260101);
    std::uniform_int_distribution<int> line(1, 2);
    std::vector<int> lines(static_cast<std::size_t>(16 * readings));
    for (int& value : lines)
        value = line(engine);
    return lines;
}

// Until the window is on the screen and painted once: with a display
// (xvfb-run, QT_QPA_PLATFORM=xcb) this includes the window system's part.
void showAndPaint(QMainWindow& window) {
    window.show();
    if (QTest::qWaitForWindowExposed(&window))
        QCoreApplication::processEvents();
}

QtMessageHandler previousHandler = nullptr;

// The offscreen platform warns on every fixed-size window it shows; the
// benchmarks show thousands.
void dropSizeHintWarnings(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (!message.contains(QLatin1String("propagateSizeHints")))
        previousHandler(type, context, message);
}

} // namespace

class BenchCasting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(dropSizeHintWarnings); }
    void readingAndReset();
    void singlePressMedian();
    void buildMainWindow();
    void buildBareWindow();
};

// Nine presses: eight castings and the reset.
void BenchCasting::readingAndReset() {
    MainWindowFixture f;
    f.window.show();
    f.script(randomLines(20000));
    QBENCHMARK {
        f.castWholeReading();
        f.press();
    }
    QCOMPARE(f.reading.castCount(), std::int16_t(0));
}

// QBENCHMARK times whole blocks; a single press's median needs each press
// timed alone, so this one reports it (it asserts nothing about time).
void BenchCasting::singlePressMedian() {
    MainWindowFixture f;
    f.window.show();
    constexpr int Readings = 200;
    f.script(randomLines(Readings));
    std::vector<qint64> castings;
    std::vector<qint64> resets;
    QElapsedTimer timer;
    for (int reading = 0; reading < Readings; ++reading) {
        for (int press = 1; press <= 9; ++press) {
            timer.start();
            f.press();
            (press == 9 ? resets : castings).push_back(timer.nsecsElapsed());
        }
    }
    const auto median = [](std::vector<qint64> values) {
        std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
        return values[values.size() / 2] / 1000.0;
    };
    qInfo("median casting press: %.1f us, median reset press: %.1f us (%d readings)",
          median(castings), median(resets), Readings);
    QCOMPARE(f.random.remaining(), std::size_t(0));
}

void BenchCasting::buildMainWindow() {
    ScriptedRandom random;
    geomancy::Reading reading(random);
    QBENCHMARK {
        MainWindow window(reading);
        showAndPaint(window);
    }
}

// The yardstick for start-up: an empty main window of the same size.
void BenchCasting::buildBareWindow() {
    QBENCHMARK {
        QMainWindow window;
        window.setCentralWidget(new QWidget);
        window.centralWidget()->setFixedSize(866, 578);
        showAndPaint(window);
    }
}

QTEST_MAIN(BenchCasting)
#include "bench_casting.moc"
