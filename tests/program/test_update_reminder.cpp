#include "program/UpdateReminder.h"
#include "support/UrlCatcher.h"
#include "ui/widgets/MessageBoxes.h"
#include "web/WebPage.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDate Today(2026, 12, 7);

} // namespace

class TestUpdateReminder : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstStartStoresTodayWithoutAsking();
    void quietWithinFourteenDays_data();
    void quietWithinFourteenDays();
    void asksFromFifteenDaysOn_data();
    void asksFromFifteenDaysOn();
    void malformedDateIsSkippedAndLeft_data();
    void malformedDateIsSkippedAndLeft();
    void unwritableStoreOnFirstStartIsSilent();
    void unwritableStoreStopsBeforeTheDownloadPage();

private:
    QString iniPath() const { return dir_->filePath(QStringLiteral("azivoder.ini")); }
    void store(const QString& value) {
        QSettings settings(iniPath(), QSettings::IniFormat);
        settings.setValue(updatereminder::Key, value);
    }
    QVariant stored() const {
        QSettings settings(iniPath(), QSettings::IniFormat);
        return settings.value(updatereminder::Key);
    }
    void remind() {
        QSettings settings(iniPath(), QSettings::IniFormat);
        updateReminder(settings, Today);
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<UrlCatcher> browser_;
};

void TestUpdateReminder::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    browser_ = std::make_unique<UrlCatcher>();
    MessageBoxes::script().setScripted(true);
    MessageBoxes::script().clear();
}

void TestUpdateReminder::cleanup() {
    browser_.reset();
    dir_.reset();
    MessageBoxes::script().clear();
}

void TestUpdateReminder::firstStartStoresTodayWithoutAsking() {
    remind();
    QCOMPARE(MessageBoxes::script().shown().size(), 0);
    QCOMPARE(stored().toString(), QStringLiteral("2026-12-07"));
    QVERIFY(browser_->opened().isEmpty());

    // The stored group is "Settings", as the file shows.
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains("[Settings]"), text.constData());
}

void TestUpdateReminder::quietWithinFourteenDays_data() {
    QTest::addColumn<int>("offset");
    QTest::newRow("today") << 0;
    QTest::newRow("14 days ago") << -14;
    QTest::newRow("1 day ago") << -1;
    QTest::newRow("14 days ahead") << 14;
}

void TestUpdateReminder::quietWithinFourteenDays() {
    QFETCH(int, offset);
    const QString date = Today.addDays(offset).toString(Qt::ISODate);
    store(date);
    remind();
    QCOMPARE(MessageBoxes::script().shown().size(), 0);
    QCOMPARE(stored().toString(), date); // nothing written
    QVERIFY(browser_->opened().isEmpty());
}

void TestUpdateReminder::asksFromFifteenDaysOn_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("downloadOpened");
    QTest::newRow("15 days ago, Yes") << -15 << int(QMessageBox::Yes) << true;
    QTest::newRow("15 days ago, No") << -15 << int(QMessageBox::No) << false;
    QTest::newRow("a year ago, Yes") << -365 << int(QMessageBox::Yes) << true;
    QTest::newRow("15 days ahead (clock set back), No") << 15 << int(QMessageBox::No) << false;
    QTest::newRow("15 days ahead (clock set back), Yes") << 15 << int(QMessageBox::Yes) << true;
}

void TestUpdateReminder::asksFromFifteenDaysOn() {
    QFETCH(int, offset);
    QFETCH(int, answer);
    QFETCH(bool, downloadOpened);
    store(Today.addDays(offset).toString(Qt::ISODate));
    MessageBoxes::script().queueAnswer(static_cast<MessageBoxes::Button>(answer));
    remind();

    QCOMPARE(MessageBoxes::script().shown().size(), 1);
    const MessageBoxes::Shown& box = MessageBoxes::script().shown().first();
    QCOMPARE(box.text, QStringLiteral("There maybe an update to this software available\r"
                                      "Do you want to check for an update?"));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.title, QStringLiteral("Ririv Evazorarizad Azivoder"));

    QCOMPARE(stored().toString(), QStringLiteral("2026-12-07"));
    if (downloadOpened)
        QCOMPARE(browser_->opened(), QList<QUrl>{webPageAddress(WebPage::DownloadPage)});
    else
        QVERIFY(browser_->opened().isEmpty());
}

void TestUpdateReminder::malformedDateIsSkippedAndLeft_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("words") << QStringLiteral("last Tuesday");
    QTest::newRow("empty") << QString();
    QTest::newRow("no such day") << QStringLiteral("2026-02-30");
}

void TestUpdateReminder::malformedDateIsSkippedAndLeft() {
    QFETCH(QString, value);
    store(value);
    remind();
    QCOMPARE(MessageBoxes::script().shown().size(), 0);
    QCOMPARE(stored().toString(), value);
    QVERIFY(browser_->opened().isEmpty());
}

void TestUpdateReminder::unwritableStoreOnFirstStartIsSilent() {
    // A settings file inside a regular file cannot be created, not even by root.
    QFile blocker(dir_->filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettings settings(blocker.fileName() + QStringLiteral("/azivoder.ini"), QSettings::IniFormat);
    updateReminder(settings, Today);
    QCOMPARE(MessageBoxes::script().shown().size(), 0);
    QCOMPARE(settings.status(), QSettings::AccessError);
}

void TestUpdateReminder::unwritableStoreStopsBeforeTheDownloadPage() {
    // The old date is read from the system-wide file, while the user's own
    // file, where the date would be written, sits inside a regular file.
    const QString systemDir = dir_->filePath(QStringLiteral("system"));
    QVERIFY(QDir().mkpath(systemDir));
    {
        QSettings system(systemDir + QStringLiteral("/azivoder-reminder-test.ini"),
                         QSettings::IniFormat);
        system.setValue(updatereminder::Key, Today.addDays(-30).toString(Qt::ISODate));
    }
    QFile blocker(dir_->filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, systemDir);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, blocker.fileName());

    QSettings settings(QSettings::IniFormat, QSettings::UserScope,
                       QStringLiteral("azivoder-reminder-test"));
    QVERIFY(settings.contains(updatereminder::Key));
    MessageBoxes::script().queueAnswer(QMessageBox::Yes);
    updateReminder(settings, Today);

    QCOMPARE(MessageBoxes::script().shown().size(), 1); // the question still comes
    QCOMPARE(settings.status(), QSettings::AccessError);
    QVERIFY(browser_->opened().isEmpty());
}

QTEST_MAIN(TestUpdateReminder)
#include "test_update_reminder.moc"
