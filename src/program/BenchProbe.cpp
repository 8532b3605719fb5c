#include "program/BenchProbe.h"

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

} // namespace

void installBenchProbe() {
    const QString path = qEnvironmentVariable("AZIVODER_BENCH_PROBE");
    if (path.isEmpty() || qApp == nullptr)
        return;
    qApp->installEventFilter(new BenchProbe(path));
}
