#include "program/SingleInstance.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#ifndef SINGLE_INSTANCE_PROBE
#error "SINGLE_INSTANCE_PROBE must name the probe executable"
#endif

namespace {

// One start of the probe, a real second process.
struct Start {
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    QString output;

    // display: the DISPLAY the copy is told it runs on (the probe itself
    // draws offscreen); empty keeps the test's own.
    explicit Start(const QString& lockDirectory, const QString& display = QString()) {
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (!display.isEmpty()) {
            environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
            environment.insert(QStringLiteral("DISPLAY"), display);
        }
        process->setProcessEnvironment(environment);
        // Text mode: Windows ends the probe's lines with \r\n.
        process->start(QStringLiteral(SINGLE_INSTANCE_PROBE),
                       {lockDirectory, lockDirectory + QStringLiteral("/settings.ini")},
                       QIODevice::ReadWrite | QIODevice::Text);
    }
    ~Start() {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }

    // Reads until the probe has said which way its start went.
    QString firstWord() {
        while (!output.contains(QLatin1Char('\n')) && process->waitForReadyRead(10000))
            output += QString::fromUtf8(process->readAll());
        return output.section(QLatin1Char('\n'), 0, 0);
    }
    QString rest() {
        process->waitForFinished(10000);
        output += QString::fromUtf8(process->readAll());
        return output;
    }
};

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void init();
    void secondStartIsRefusedAndTheFirstGoesOn();
    void startAfterAKilledCopySucceeds();
    void aStartWithoutItsWindowEndsAtOnceAndSaysSo();
    void anOldLockOfARunningCopyStillRefuses();
    void claimWithinOneProcess();
    void lockNameHoldsProgramUserAndDesktop();
    void unusableDirectoryIsNoRefusal();
    void defaultDirectoryIsTheUsersRuntimeDirectory();
    void oneDesktopWrittenTwoWaysIsOneDesktop_data();
    void oneDesktopWrittenTwoWaysIsOneDesktop();
    void x11DisplayNames_data();
    void x11DisplayNames();
    void waylandSessionIsNamedByItsSocket();
    void aFolderThatCannotHoldTheLockPassesToTheNext();
    void aLockHeldInTheFirstFolderRefusesWithoutTryingTheNext();
    void aWindowsSessionIsOneDesktopWhateverItsDisplay();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestSingleInstance::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestSingleInstance::secondStartIsRefusedAndTheFirstGoesOn() {
    Start first(dir_->path());
    QCOMPARE(first.firstWord(), QStringLiteral("running"));

    Start second(dir_->path());
    QVERIFY(second.process->waitForFinished(10000));
    QCOMPARE(second.process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.process->exitCode(), 0);
    QCOMPARE(second.rest(), QStringLiteral("box: Application is already running\nended 0\n"));

    QCOMPARE(first.process->state(), QProcess::Running);
    QVERIFY(first.process->readAll().isEmpty()); // the first copy was not disturbed
}

void TestSingleInstance::startAfterAKilledCopySucceeds() {
    {
        Start killed(dir_->path());
        QCOMPARE(killed.firstWord(), QStringLiteral("running"));
        killed.process->kill(); // SIGKILL: the lock file stays behind
        QVERIFY(killed.process->waitForFinished(10000));
    }
    QVERIFY(!QDir(dir_->path()).entryList({QStringLiteral("*.lock")}, QDir::Files).isEmpty());

    Start next(dir_->path());
    QCOMPARE(next.firstWord(), QStringLiteral("running"));
}

void TestSingleInstance::aStartWithoutItsWindowEndsAtOnceAndSaysSo() {
    QProcess broken;
    broken.start(
        QStringLiteral(SINGLE_INSTANCE_PROBE),
        {dir_->path(), dir_->filePath(QStringLiteral("settings.ini")), QStringLiteral("broken")},
        QIODevice::ReadOnly | QIODevice::Text);
    QVERIFY(broken.waitForFinished(10000));
    QCOMPARE(broken.exitCode(), 1);
    // One line of its own, after whatever Qt may have said about this machine.
    const QStringList errors = QString::fromUtf8(broken.readAllStandardError())
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(!errors.isEmpty());
    QCOMPARE(errors.last(),
             QStringLiteral("single_instance_probe: the main window could not be shown"));
    QCOMPARE(errors.filter(QStringLiteral("single_instance_probe:")).size(), 1);

    Start next(dir_->path()); // no lock was left behind to refuse it
    QCOMPARE(next.firstWord(), QStringLiteral("running"));
}

void TestSingleInstance::anOldLockOfARunningCopyStillRefuses() {
#ifdef Q_OS_WIN
    QSKIP("Windows keeps a held lock file shut to every other process, so no test can age it");
#endif
    Start first(dir_->path());
    QCOMPARE(first.firstWord(), QStringLiteral("running"));
    // A copy that has run for a day: the lock's age alone must not free it.
    const QStringList locks = QDir(dir_->path()).entryList({QStringLiteral("*.lock")}, QDir::Files);
    QCOMPARE(locks.size(), 1);
    QFile lock(dir_->filePath(locks.first()));
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addDays(-1),
                             QFileDevice::FileModificationTime));
    lock.close();

    Start second(dir_->path());
    QVERIFY(second.process->waitForFinished(10000));
    QCOMPARE(second.rest(), QStringLiteral("box: Application is already running\nended 0\n"));
    QCOMPARE(first.process->state(), QProcess::Running);
}

void TestSingleInstance::claimWithinOneProcess() {
    SingleInstance first(dir_->path());
    QCOMPARE(first.claim(), SingleInstance::Claim::Claimed);
    QCOMPARE(first.claim(), SingleInstance::Claim::Claimed); // asking again changes nothing
    {
        SingleInstance second(dir_->path());
        QCOMPARE(second.claim(), SingleInstance::Claim::HeldByAnother);
        QVERIFY(!second.isClaimed());
    }
    QVERIFY(first.isClaimed());
}

void TestSingleInstance::lockNameHoldsProgramUserAndDesktop() {
#ifdef Q_OS_WIN
    QSKIP("Windows names the logon session, not an X display; see "
          "aWindowsSessionIsOneDesktopWhateverItsDisplay");
#endif
    qputenv("WAYLAND_DISPLAY", "");
    qputenv("DISPLAY", ":7.0");
    const QString onSeven = SingleInstance::lockFileName();
    qputenv("DISPLAY", ":8.0");
    const QString onEight = SingleInstance::lockFileName();
    QVERIFY(onSeven != onEight);
    QVERIFY(onSeven.startsWith(QCoreApplication::applicationName()));
    QVERIFY(onSeven.endsWith(QStringLiteral(".lock")));
    QVERIFY(!onSeven.contains(QLatin1Char(':')));

    // Two desktops, two locks: both copies may run.
    qputenv("DISPLAY", ":7.0");
    SingleInstance seven(dir_->path());
    qputenv("DISPLAY", ":8.0");
    SingleInstance eight(dir_->path());
    QCOMPARE(seven.claim(), SingleInstance::Claim::Claimed);
    QCOMPARE(eight.claim(), SingleInstance::Claim::Claimed);
}

void TestSingleInstance::unusableDirectoryIsNoRefusal() {
    QFile blocker(dir_->filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SingleInstance instance(blocker.fileName());
    QCOMPARE(instance.claim(), SingleInstance::Claim::Unavailable);
}

void TestSingleInstance::defaultDirectoryIsTheUsersRuntimeDirectory() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QString temporary = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    const QStringList directories = SingleInstance::defaultDirectories();
    QVERIFY(!directories.isEmpty());
#ifdef Q_OS_WIN
    // Qt's runtime location on Windows is the home folder, no place for a lock.
    QCOMPARE(directories, QStringList{temporary});
    Q_UNUSED(runtime)
#else
    QCOMPARE(directories.first(), runtime.isEmpty() ? temporary : runtime);
#endif
    QCOMPARE(directories.last(), temporary);
    // The lock is that file in the directory it is claimed in.
    QTemporaryDir dir;
    SingleInstance instance(dir.path());
    QCOMPARE(instance.claim(), SingleInstance::Claim::Claimed);
    QVERIFY(QFileInfo::exists(QDir(dir.path()).filePath(SingleInstance::lockFileName())));
}

void TestSingleInstance::oneDesktopWrittenTwoWaysIsOneDesktop_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("a display and its screen 0 are one desktop") << ":7"
                                                                << ":7.0";
    QTest::newRow("the unix socket host is the local display") << "unix:7.1"
                                                               << ":7";
}

void TestSingleInstance::oneDesktopWrittenTwoWaysIsOneDesktop() {
#ifdef Q_OS_WIN
    QSKIP("Windows has no X display names to write two ways");
#endif
    QFETCH(QString, first);
    QFETCH(QString, second);
    Start one(dir_->path(), first);
    QCOMPARE(one.firstWord(), QStringLiteral("running"));

    Start other(dir_->path(), second);
    QVERIFY(other.process->waitForFinished(10000));
    QCOMPARE(other.rest(), QStringLiteral("box: Application is already running\nended 0\n"));
    QCOMPARE(one.process->state(), QProcess::Running);
}

void TestSingleInstance::x11DisplayNames_data() {
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("normalised");
    QTest::newRow("a bare display number is local") << ":0"
                                                    << ":0";
    QTest::newRow("the screen number is dropped") << ":0.1"
                                                  << ":0";
    QTest::newRow("unix means the local socket") << "unix:3.0"
                                                 << ":3";
    QTest::newRow("a remote host stays part of the name") << "remote.example:10.0"
                                                          << "remote.example:10";
    QTest::newRow("an IPv6 host keeps its colons") << "::1:2.0"
                                                   << "::1:2";
    QTest::newRow("no display at all stays empty") << ""
                                                   << "";
}

void TestSingleInstance::x11DisplayNames() {
    QFETCH(QString, display);
    QFETCH(QString, normalised);
    QCOMPARE(normalisedX11Display(display), normalised);
}

void TestSingleInstance::waylandSessionIsNamedByItsSocket() {
#ifdef Q_OS_WIN
    QSKIP("Windows has no Wayland sessions");
#endif
    qputenv("DISPLAY", ":7");
    qputenv("WAYLAND_DISPLAY", "wayland-1");
    const QString waylandOne = SingleInstance::lockFileName();
    qputenv("DISPLAY", ":8"); // Xwayland's display changes nothing
    QCOMPARE(SingleInstance::lockFileName(), waylandOne);
    qputenv("WAYLAND_DISPLAY", "wayland-2");
    QVERIFY(SingleInstance::lockFileName() != waylandOne);
    qunsetenv("WAYLAND_DISPLAY");
}

void TestSingleInstance::aFolderThatCannotHoldTheLockPassesToTheNext() {
    QFile blocker(dir_->filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QTemporaryDir fallback;
    QVERIFY(fallback.isValid());

    SingleInstance first(QStringList{blocker.fileName(), fallback.path()});
    QCOMPARE(first.claim(), SingleInstance::Claim::Claimed);
    QVERIFY(QFileInfo::exists(QDir(fallback.path()).filePath(SingleInstance::lockFileName())));

    SingleInstance second(QStringList{blocker.fileName(), fallback.path()});
    QCOMPARE(second.claim(), SingleInstance::Claim::HeldByAnother);
}

void TestSingleInstance::aLockHeldInTheFirstFolderRefusesWithoutTryingTheNext() {
    QTemporaryDir fallback;
    QVERIFY(fallback.isValid());
    SingleInstance first(dir_->path());
    QCOMPARE(first.claim(), SingleInstance::Claim::Claimed);

    SingleInstance second(QStringList{dir_->path(), fallback.path()});
    QCOMPARE(second.claim(), SingleInstance::Claim::HeldByAnother);
    QVERIFY(QDir(fallback.path()).entryList({QStringLiteral("*.lock")}, QDir::Files).isEmpty());
}

void TestSingleInstance::aWindowsSessionIsOneDesktopWhateverItsDisplay() {
#ifndef Q_OS_WIN
    QSKIP(
        "Windows logon sessions exist on Windows only; the X11 and Wayland cases cover this here");
#else
    DWORD session = 0;
    QVERIFY(ProcessIdToSessionId(GetCurrentProcessId(), &session));
    const QString name = SingleInstance::lockFileName();
    QVERIFY2(name.endsWith(QStringLiteral("-session-%1.lock").arg(session)), qPrintable(name));

    // X11 variables a Windows program may inherit (under Wine, say) change
    // nothing: two copies in one session are one too many.
    Start one(dir_->path(), QStringLiteral(":7"));
    QCOMPARE(one.firstWord(), QStringLiteral("running"));
    Start other(dir_->path(), QStringLiteral(":8"));
    QVERIFY(other.process->waitForFinished(10000));
    QCOMPARE(other.rest(), QStringLiteral("box: Application is already running\nended 0\n"));
    QCOMPARE(one.process->state(), QProcess::Running);
#endif
}

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
