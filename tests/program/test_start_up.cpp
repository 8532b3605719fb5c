#include "program/StartUp.h"

#include <QDialog>
#include <QPointer>
#include <QtTest>

class TestStartUp : public QObject {
    Q_OBJECT
private slots:
    void closeAllAndEndLeavesNoWindow();
    void closeAllAndEndRunsEachWindowsCloseHandling();
    void theRealEndLeavesTheEventLoopWithStatusZero();
};

void TestStartUp::closeAllAndEndLeavesNoWindow() {
    // A shown window, a hidden one (like the report window between showings),
    // a dialog owned by another window, and one that deletes itself on closing.
    auto* shown = new QWidget;
    shown->show();
    auto* hidden = new QWidget;
    auto* owned = new QDialog(shown);
    owned->show();
    QPointer<QWidget> selfDeleting = new QWidget;
    selfDeleting->setAttribute(Qt::WA_DeleteOnClose);
    selfDeleting->show();

    int ends = 0;
    int visibleAtEnd = -1;
    closeAllAndEnd([&] {
        ++ends;
        visibleAtEnd = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            visibleAtEnd += window->isVisible() ? 1 : 0;
    });
    QCOMPARE(ends, 1);
    QCOMPARE(visibleAtEnd, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(selfDeleting.isNull());
    delete shown;
    delete hidden;
}

void TestStartUp::closeAllAndEndRunsEachWindowsCloseHandling() {
    // The hidden window gets its close event too.
    class Counting : public QWidget {
    public:
        int closes = 0;

    protected:
        void closeEvent(QCloseEvent* event) override {
            ++closes;
            QWidget::closeEvent(event);
        }
    };
    Counting hidden;
    Counting shown;
    shown.show();
    closeAllAndEnd([] {});
    QCOMPARE(hidden.closes, 1);
    QCOMPARE(shown.closes, 1);
}

void TestStartUp::theRealEndLeavesTheEventLoopWithStatusZero() {
    QWidget window;
    window.show();
    QEventLoop loop;
    QTimer::singleShot(0, &window, [] { closeAllAndEnd(); });
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(7); }); // only if the end never comes
    QCOMPARE(loop.exec(), 0);
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(TestStartUp)
#include "test_start_up.moc"
