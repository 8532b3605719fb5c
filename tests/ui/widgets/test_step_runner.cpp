#include "ui/widgets/StepRunner.h"

#include <QtTest>

#include <stdexcept>

namespace {

QStringList logged;

void keepMessage(QtMsgType, const QMessageLogContext& context, const QString& message) {
    logged << QString::fromLatin1(context.category) + QStringLiteral(": ") + message;
}

} // namespace

class TestStepRunner : public QObject {
    Q_OBJECT
private slots:
    void aSkippedStepIsLoggedOnlyWhenAskedFor_data();
    void aSkippedStepIsLoggedOnlyWhenAskedFor();
};

void TestStepRunner::aSkippedStepIsLoggedOnlyWhenAskedFor_data() {
    QTest::addColumn<QString>("rules");
    QTest::addColumn<bool>("standard");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("nothing is written unless asked") << QString() << true << QStringList();
    QTest::newRow("asked for, the step is named with its error")
        << "azivoder.*=true" << true
        << QStringList{QStringLiteral("azivoder.steps: skipped step \"open the settings\": no "
                                      "settings")};
    QTest::newRow("an exception of another type is still told")
        << "azivoder.steps=true" << false
        << QStringList{QStringLiteral("azivoder.steps: skipped step \"open the settings\": an "
                                      "exception of no standard type")};
}

void TestStepRunner::aSkippedStepIsLoggedOnlyWhenAskedFor() {
    QFETCH(QString, rules);
    QFETCH(bool, standard);
    QFETCH(QStringList, expected);
    QLoggingCategory::setFilterRules(rules);
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepMessage);
    bool nextRan = false;
    runSteps({{"open the settings",
               [standard] {
                   if (standard)
                       throw std::runtime_error("no settings");
                   throw 1;
               }},
              {"pick the brand label", [&nextRan] { nextRan = true; }}});
    qInstallMessageHandler(previous);
    QCOMPARE(logged, expected);
    QVERIFY(nextRan);
}

QTEST_GUILESS_MAIN(TestStepRunner)
#include "test_step_runner.moc"
