// A measuring aid for scripts/bench.sh, linked only into the executables it
// times: the bare window, and the program when built with the option
// AZIVODER_BENCH_PROBE (off by default, so no shipped executable carries
// it). Linked in, it installs itself as the application object is made and
// stays inert unless the environment variable AZIVODER_BENCH_PROBE names a
// file. Then the first window that is painted writes into that file:
//   first-paint NS     wall clock (ns since the epoch) once the frame has
//                      reached the X server (a one-pixel read-back of it)
//   button NAME X Y    the screen centre of each of its buttons, so that a
//                      script can click them without knowing the layout
//   clicks N           how many of those clicks arrived, rewritten once a
//                      burst of clicks is over
// The bare comparison window uses the same probe, so both are timed alike.
#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <chrono>

namespace {

class BenchProbe : public QObject {
public:
    explicit BenchProbe(const QString& path) : QObject(qApp), path_(path) {
        idle_.setSingleShot(true);
        idle_.setInterval(300);
        connect(&idle_, &QTimer::timeout, this, &BenchProbe::write);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && window_.isNull() && watched->isWidgetType()) {
            window_ = static_cast<QWidget*>(watched)->window();
            // Painting and the flush to the screen end with this event;
            // the queued call runs right after them.
            QMetaObject::invokeMethod(this, &BenchProbe::firstFrameDone, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void firstFrameDone() {
        if (window_.isNull())
            return;
        // Reading a pixel back is a round trip: the server has drawn the frame.
        if (QScreen* screen = window_->screen())
            screen->grabWindow(window_->winId(), 0, 0, 1, 1);
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        lines_ = QStringLiteral("first-paint %1\n")
                     .arg(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
        const auto buttons = window_->findChildren<QAbstractButton*>();
        for (QAbstractButton* button : buttons) {
            if (!button->isVisible())
                continue;
            const QPoint centre = button->mapToGlobal(button->rect().center());
            const QString name =
                button->objectName().isEmpty() ? QStringLiteral("button") : button->objectName();
            lines_ += QStringLiteral("button %1 %2 %3\n").arg(name).arg(centre.x()).arg(centre.y());
            connect(button, &QAbstractButton::clicked, this, [this] {
                ++clicks_;
                idle_.start();
            });
        }
        qApp->removeEventFilter(this);
        write();
    }

    void write() {
        QFile file(path_);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write((lines_ + QStringLiteral("clicks %1\n").arg(clicks_)).toUtf8());
    }

    QString path_;
    QPointer<QWidget> window_;
    QString lines_;
    int clicks_ = 0;
    QTimer idle_;
};

void installBenchProbe() {
    const QString path = qEnvironmentVariable("AZIVODER_BENCH_PROBE");
    if (path.isEmpty() || qApp == nullptr)
        return;
    qApp->installEventFilter(new BenchProbe(path));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installBenchProbe)
