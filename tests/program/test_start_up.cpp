#include "program/StartUp.h"
#include "ui/widgets/MessageBoxes.h"

#include <QPointer>
#include <QtTest>

#include <stdexcept>

namespace {

// Steps that write their names into a log, so that the order shows.
struct LoggedSteps {
    QStringList log;
    bool anotherRuns = false;
    QString failing; // the step that throws

    void step(const QString& name) {
        log << name;
        if (name == failing)
            throw std::runtime_error("step failed");
    }

    StartUpSteps steps() {
        return {[this] {
                    step(QStringLiteral("instance"));
                    return anotherRuns;
                },
                [this] { step(QStringLiteral("seed")); },
                [this] { step(QStringLiteral("reminder")); },
                [this] { step(QStringLiteral("main window")); },
                [this] { step(QStringLiteral("cobrand")); },
                [this] { step(QStringLiteral("end")); }};
    }
};

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT
private slots:
    void init();
    void stepsRunInOrder();
    void aFailingStepIsSkipped_data();
    void aFailingStepIsSkipped();
    void secondInstanceIsToldAndEnds();
    void closeAllAndEndLeavesNoWindow();
    void closeAllAndEndRunsEachWindowsCloseHandling();
    void theRealEndLeavesTheEventLoopWithStatusZero();
};

void TestStartUp::init() {
    MessageBoxes::script().setScripted(true);
    MessageBoxes::script().clear();
}

void TestStartUp::stepsRunInOrder() {
    LoggedSteps steps;
    QVERIFY(runStartUp(steps.steps()));
    QCOMPARE(steps.log, (QStringList{"instance", "seed", "reminder", "main window", "cobrand"}));
    QCOMPARE(MessageBoxes::script().shown().size(), 0);
}

void TestStartUp::aFailingStepIsSkipped_data() {
    QTest::addColumn<QString>("failing");
    for (const char* step : {"instance", "seed", "reminder", "main window", "cobrand"})
        QTest::newRow(step) << QString::fromLatin1(step);
}

void TestStartUp::aFailingStepIsSkipped() {
    QFETCH(QString, failing);
    LoggedSteps steps;
    steps.failing = failing;
    QVERIFY(runStartUp(steps.steps())); // a failing check is no refusal
    QCOMPARE(steps.log, (QStringList{"instance", "seed", "reminder", "main window", "cobrand"}));
    QCOMPARE(MessageBoxes::script().shown().size(), 0);
}

void TestStartUp::secondInstanceIsToldAndEnds() {
    LoggedSteps steps;
    steps.anotherRuns = true;
    QVERIFY(!runStartUp(steps.steps()));
    QCOMPARE(steps.log, (QStringList{"instance", "end"}));
    QCOMPARE(MessageBoxes::script().shown().size(), 1);
    const MessageBoxes::Shown& box = MessageBoxes::script().shown().first();
    QCOMPARE(box.text, QStringLiteral("Application is already running"));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.title, QStringLiteral("Ririv Evazorarizad Azivoder"));
}

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
