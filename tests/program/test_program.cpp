#include "program/Program.h"
#include "program/SingleInstance.h"
#include "program/UpdateReminder.h"
#include "support/Controls.h"
#include "support/ScriptedRandom.h"
#include "support/UrlCatcher.h"
#include "support/Windows.h"
#include "ui/exit/ExitWindow.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/report/PrintReportDialog.h"
#include "ui/report/Report.h"
#include "ui/report/ReportWindow.h"
#include "ui/report/SaveReportDialog.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/MessageBoxes.h"
#include "web/WebPage.h"

#include <QAction>
#include <QClipboard>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <stdexcept>

namespace {

const QDate Today(2026, 12, 7);

// The whole program over a scripted random source, a settings file and a
// lock directory of its own; the end of the process is only counted.
struct ProgramFixture {
    QTemporaryDir dir;
    ScriptedRandom random;
    int ends = 0;
    bool mainWindowBeforeReminder = false;
    std::unique_ptr<Program> program;

    explicit ProgramFixture(const QString& lockDirectory = QString()) {
        Program::Services services;
        services.random = &random;
        services.settings = [this] {
            mainWindowBeforeReminder = main() != nullptr;
            return std::make_unique<QSettings>(settingsPath(), QSettings::IniFormat);
        };
        services.today = [] { return Today; };
        services.lockDirectory = lockDirectory.isEmpty() ? dir.path() : lockDirectory;
        services.end = [this] { ++ends; };
        program = std::make_unique<Program>(services);
    }

    QString settingsPath() const { return dir.filePath(QStringLiteral("azivoder.ini")); }
    void storeReminderDate(const QDate& date) {
        QSettings(settingsPath(), QSettings::IniFormat)
            .setValue(updatereminder::Key, date.toString(Qt::ISODate));
    }

    // Starts with the co-branding draw r.
    bool start(float r = 0.0f) {
        random.append({r});
        return program->start();
    }

    // The program's windows, found as a user finds them.
    static MainWindow* main() {
        return qobject_cast<MainWindow*>(findWindow(QStringLiteral("frmMain")));
    }
    static ExitWindow* exitWindow() {
        return qobject_cast<ExitWindow*>(findWindow(QStringLiteral("frmExit")));
    }
    static ReportWindow* reportWindow() {
        return qobject_cast<ReportWindow*>(findWindow(QStringLiteral("frmSave")));
    }
    QAction* action(const QString& name) const { return findControl<QAction>(main(), name); }

    // One casting, so that the report window exists (hidden).
    void castOnce() {
        random.appendLines({1, 2, 1, 2});
        main()->castNext();
    }

    void closeMainWindow(bool byMenu) {
        random.append({0.6f}); // the exit window's message pick
        if (byMenu)
            action("mnuExit")->trigger();
        else
            main()->close();
    }
};

int visibleWindows() {
    int visible = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        visible += window->isVisible() ? 1 : 0;
    return visible;
}

} // namespace

class TestProgram : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startAsksBeforeTheMainWindowAndPicksTheBrand();
    void yesToTheQuestionOpensDownloadAndStillShowsTheWindow();
    void secondStartIsRefused();
    void aFailingStartStepIsSkipped_data();
    void aFailingStartStepIsSkipped();
    void aStartWithoutAMainWindowEndsAndLetsTheLockGo();
    void stackedBrandAreaOpensTheLabelInFront_data();
    void stackedBrandAreaOpensTheLabelInFront();
    void menuItemsAndLinksOpenTheirPages_data();
    void menuItemsAndLinksOpenTheirPages();
    void reportLinksOpenTheirPages_data();
    void reportLinksOpenTheirPages();
    void makeMoneyOnlineCannotBeChosen();
    void aboutIsShownModallyOverTheMainWindow();
    void closingTheMainWindowShowsTheExitWindow_data();
    void closingTheMainWindowShowsTheExitWindow();
    void closingTheExitWindowEndsWithNoWindowLeft_data();
    void closingTheExitWindowEndsWithNoWindowLeft();
    void closeAllAndEndClosesTheHiddenReportWindow();
    void startingLeavesTheClipboardAlone();
    void keyboardAloneCastsAndSavesAndPrintsTheReport();

private:
    std::unique_ptr<UrlCatcher> browser_;
};

void TestProgram::init() {
    browser_ = std::make_unique<UrlCatcher>();
    MessageBoxes::script().setScripted(true);
    MessageBoxes::script().clear();
}

void TestProgram::cleanup() {
    browser_.reset();
    MessageBoxes::script().clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestProgram::startAsksBeforeTheMainWindowAndPicksTheBrand() {
    ProgramFixture f;
    f.storeReminderDate(Today.addDays(-15));
    QVERIFY(f.start());
    QCOMPARE(MessageBoxes::script().shown().size(), 1); // the update question
    QVERIFY(!f.mainWindowBeforeReminder);
    QVERIFY(f.main());
    QVERIFY(f.main()->isVisible());
    QCOMPARE(f.random.seeds(), std::size_t(1));
    QCOMPARE(f.random.draws(), std::size_t(1)); // the co-branding pick, nothing else
    QCOMPARE(f.ends, 0);
    QVERIFY(browser_->opened().isEmpty()); // answered No
}

void TestProgram::yesToTheQuestionOpensDownloadAndStillShowsTheWindow() {
    ProgramFixture f;
    f.storeReminderDate(Today.addDays(-20));
    MessageBoxes::script().queueAnswer(QMessageBox::Yes);
    QVERIFY(f.start());
    QCOMPARE(browser_->opened(), QList<QUrl>{webPageAddress(WebPage::DownloadPage)});
    QVERIFY(f.main()->isVisible());

    // The menu's update item opens the very same page.
    f.action("mnuUpdate")->trigger();
    QCOMPARE(browser_->opened().size(), 2);
    QCOMPARE(browser_->opened().at(1), browser_->opened().at(0));
}

void TestProgram::secondStartIsRefused() {
    // The lock of a copy that runs already (in another process, as
    // test_single_instance shows with real processes).
    QTemporaryDir locks;
    SingleInstance running(locks.path());
    QCOMPARE(running.claim(), SingleInstance::Claim::Claimed);

    ProgramFixture second(locks.path());
    QVERIFY(!second.start());
    QCOMPARE(MessageBoxes::script().shown().size(), 1);
    QCOMPARE(MessageBoxes::script().shown().first().text,
             QStringLiteral("Application is already running"));
    QCOMPARE(MessageBoxes::script().shown().first().icon, QMessageBox::Information);
    QCOMPARE(MessageBoxes::script().shown().first().buttons,
             QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(MessageBoxes::script().shown().first().title,
             QStringLiteral("Ririv Evazorarizad Azivoder"));
    QCOMPARE(second.ends, 1);
    QVERIFY(!second.main()); // no window of the refused copy ever appears
    QCOMPARE(visibleWindows(), 0);
    QCOMPARE(second.random.seeds(), std::size_t(0)); // nothing after the check ran
    QVERIFY(!QFile::exists(second.settingsPath()));
    QVERIFY(running.isClaimed());
}

void TestProgram::aFailingStartStepIsSkipped_data() {
    QTest::addColumn<bool>("settingsFail");
    QTest::addColumn<bool>("brandPickFails");
    QTest::newRow("the reminder's settings cannot be opened") << true << false;
    QTest::newRow("the brand pick gets no number") << false << true;
}

void TestProgram::aFailingStartStepIsSkipped() {
    QFETCH(bool, settingsFail);
    QFETCH(bool, brandPickFails);
    ProgramFixture f;
    f.storeReminderDate(Today.addDays(-15));
    if (settingsFail) {
        Program::Services services;
        services.random = &f.random;
        services.settings = []() -> std::unique_ptr<QSettings> {
            throw std::runtime_error("no settings");
        };
        services.today = [] { return Today; };
        services.lockDirectory = f.dir.path();
        services.end = [&f] { ++f.ends; };
        f.program = std::make_unique<Program>(services);
    }
    // The steps after the failing one still run, and the start goes on.
    QVERIFY(brandPickFails ? f.program->start() : f.start());
    QCOMPARE(f.random.seeds(), std::size_t(1));
    QCOMPARE(MessageBoxes::script().shown().size(), settingsFail ? 0 : 1);
    QVERIFY(f.main() && f.main()->isVisible());
    QCOMPARE(f.random.draws(), std::size_t(brandPickFails ? 0 : 1));
    QCOMPARE(f.ends, 0);
}

void TestProgram::aStartWithoutAMainWindowEndsAndLetsTheLockGo() {
    ProgramFixture f;
    Program::Services services;
    services.random = &f.random;
    services.settings = [&f] {
        return std::make_unique<QSettings>(f.settingsPath(), QSettings::IniFormat);
    };
    services.today = [] { return Today; };
    services.lockDirectory = f.dir.path();
    services.end = [&f] { ++f.ends; };
    services.mainWindow = [](geomancy::Reading&) -> MainWindow* {
        throw std::runtime_error("no picture");
    };
    f.program = std::make_unique<Program>(services);

    QVERIFY(!f.program->start());
    QCOMPARE(f.program->exitCode(), 1);
    QCOMPARE(f.ends, 1);
    QCOMPARE(visibleWindows(), 0);
    SingleInstance next(f.dir.path()); // let go before the process ends
    QCOMPARE(next.claim(), SingleInstance::Claim::Claimed);
}

void TestProgram::stackedBrandAreaOpensTheLabelInFront_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("front");
    QTest::newRow("1: co-branding") << 0.0f << "lblCobrand";
    QTest::newRow("2: full branding") << 0.2f << "lblFullBrand";
    QTest::newRow("5: co-branding") << 0.65f << "lblCobrand";
    QTest::newRow("6: full branding") << 0.9f << "lblFullBrand";
}

void TestProgram::stackedBrandAreaOpensTheLabelInFront() {
    QFETCH(float, r);
    QFETCH(QString, front);
    ProgramFixture f;
    QVERIFY(f.start(r));
    ClickableLabel* cobrand = f.main()->cobrandLabel();
    QCOMPARE(cobrand->geometry(), f.main()->fullBrandLabel()->geometry());
    QWidget* inFront = cobrand->parentWidget()->childAt(cobrand->geometry().center());
    QVERIFY(inFront);
    QCOMPARE(inFront->objectName(), front);

    QTest::mouseClick(inFront, Qt::LeftButton);
    const WebPage page =
        front == QLatin1String("lblCobrand") ? WebPage::CoBrandingPage : WebPage::FullBrandingPage;
    QCOMPARE(browser_->opened(), QList<QUrl>{webPageAddress(page)});
}

void TestProgram::menuItemsAndLinksOpenTheirPages_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isAction");
    QTest::addColumn<int>("page");
    QTest::newRow("&Online Help") << "mnuOnline" << true << int(WebPage::OnlineHelpPage);
    QTest::newRow("&Visit Us Online") << "mnuVisit" << true << int(WebPage::HomePage);
    QTest::newRow("&Check for Software Update")
        << "mnuUpdate" << true << int(WebPage::DownloadPage);
    QTest::newRow("&Donate") << "mnuDonate" << true << int(WebPage::DonationPage);
    QTest::newRow("Label2") << "Label2" << false << int(WebPage::FullBrandingPage);
    QTest::newRow("Label61") << "Label61" << false << int(WebPage::HomePage);
}

void TestProgram::menuItemsAndLinksOpenTheirPages() {
    QFETCH(QString, name);
    QFETCH(bool, isAction);
    QFETCH(int, page);
    ProgramFixture f;
    QVERIFY(f.start());
    if (isAction)
        f.action(name)->trigger();
    else
        QTest::mouseClick(findControl<QWidget>(f.main(), name), Qt::LeftButton);
    QCOMPARE(browser_->opened(), QList<QUrl>{webPageAddress(static_cast<WebPage>(page))});
    QVERIFY(f.main()->isVisible());
    QCOMPARE(MessageBoxes::script().shown().size(), 0);
}

void TestProgram::reportLinksOpenTheirPages_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("page");
    QTest::newRow("Label1") << "Label1" << int(WebPage::HomePage);
    QTest::newRow("Label14") << "Label14" << int(WebPage::HomePage);
    QTest::newRow("Label15") << "Label15" << int(WebPage::FullBrandingPage);
}

void TestProgram::reportLinksOpenTheirPages() {
    QFETCH(QString, name);
    QFETCH(int, page);
    ProgramFixture f;
    QVERIFY(f.start());
    f.castOnce();
    ReportWindow* reportWindow = f.reportWindow();
    QVERIFY(reportWindow);
    QVERIFY(!reportWindow->isVisible()); // created hidden by the casting
    reportWindow->show();                // shown without its modal loop for the click
    QTest::mouseClick(findControl<QWidget>(reportWindow, name), Qt::LeftButton);
    QCOMPARE(browser_->opened(), QList<QUrl>{webPageAddress(static_cast<WebPage>(page))});
}

void TestProgram::makeMoneyOnlineCannotBeChosen() {
    ProgramFixture f;
    QVERIFY(f.start());
    QAction* makeMoney = f.action("mnumakemoney");
    QCOMPARE(makeMoney->text(), QStringLiteral("Make Money &Online"));
    QVERIFY(f.main()->menuBar()->actions().contains(makeMoney));
    QVERIFY(!makeMoney->isEnabled() || !makeMoney->isVisible());
    makeMoney->trigger();
    QVERIFY(browser_->opened().isEmpty());
    QCOMPARE(visibleWindows(), 1);
}

void TestProgram::aboutIsShownModallyOverTheMainWindow() {
    ProgramFixture f;
    QVERIFY(f.start());
    for (int showing = 0; showing < 2; ++showing) {
        QString modalName;
        QWidget* modalParent = nullptr;
        QTimer::singleShot(0, f.main(), [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            modalName = modal->objectName();
            modalParent = modal->parentWidget();
            QTest::mouseClick(findControl<QWidget>(modal, QStringLiteral("lblHomePage")),
                              Qt::LeftButton);
            findControl<QPushButton>(modal, QStringLiteral("cmdOK"))->click();
        });
        // Should the window not have come up modal, this ends the wait.
        QTimer::singleShot(3000, f.main(), [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        f.action("mnuAbout")->trigger();
        QCOMPARE(modalName, QStringLiteral("frmAbout"));
        QCOMPARE(modalParent, f.main());
        QVERIFY(!QApplication::activeModalWidget());
    }
    QCOMPARE(browser_->opened(),
             (QList<QUrl>{webPageAddress(WebPage::HomePage), webPageAddress(WebPage::HomePage)}));
    QVERIFY(f.main()->isVisible());
}

void TestProgram::closingTheMainWindowShowsTheExitWindow_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("E&xit") << true;
    QTest::newRow("close box") << false;
}

void TestProgram::closingTheMainWindowShowsTheExitWindow() {
    QFETCH(bool, byMenu);
    ProgramFixture f;
    QVERIFY(f.start());
    QPointer<MainWindow> main = f.main();
    f.closeMainWindow(byMenu);

    ExitWindow* exitWindow = f.exitWindow();
    QVERIFY(exitWindow);
    QVERIFY(exitWindow->isVisible());
    QVERIFY(exitWindow->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(f.random.seeds(), std::size_t(2)); // once at start, again for the exit window
    QCOMPARE(f.ends, 0);
    QVERIFY(!main->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main.isNull()); // the main window has gone
    QCOMPARE(visibleWindows(), 1);
}

void TestProgram::closingTheExitWindowEndsWithNoWindowLeft_data() {
    QTest::addColumn<bool>("byExitButton");
    QTest::newRow("E&xit") << true;
    QTest::newRow("close box") << false;
}

void TestProgram::closingTheExitWindowEndsWithNoWindowLeft() {
    QFETCH(bool, byExitButton);
    ProgramFixture f;
    QVERIFY(f.start());
    f.castOnce();
    QPointer<ReportWindow> reportWindow = f.reportWindow();
    QVERIFY(reportWindow);
    f.closeMainWindow(false);
    QPointer<ExitWindow> exitWindow = f.exitWindow();
    QVERIFY(exitWindow);

    if (byExitButton)
        QTest::mouseClick(findControl<QWidget>(exitWindow, QStringLiteral("cmdClose")),
                          Qt::LeftButton);
    else
        exitWindow->close();
    QCOMPARE(f.ends, 1);
    QCOMPARE(visibleWindows(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(exitWindow.isNull());
    QVERIFY(reportWindow.isNull());
    QVERIFY(!f.main());
}

void TestProgram::closeAllAndEndClosesTheHiddenReportWindow() {
    class CloseCounter : public QObject {
    public:
        int closes = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            closes += event->type() == QEvent::Close ? 1 : 0;
            return false;
        }
    };
    ProgramFixture f;
    QVERIFY(f.start());
    f.castOnce();
    ReportWindow* reportWindow = f.reportWindow();
    QVERIFY(reportWindow && !reportWindow->isVisible());
    CloseCounter counter;
    reportWindow->installEventFilter(&counter);

    f.program->closeAllAndEnd();
    QCOMPARE(counter.closes, 1);
    QCOMPARE(f.ends, 1);
    QCOMPARE(visibleWindows(), 0);
    QVERIFY(!f.exitWindow()); // closing the main window on the way out shows nothing
}

void TestProgram::startingLeavesTheClipboardAlone() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("copied in another program"));
    ProgramFixture f;
    QVERIFY(f.start());
    QVERIFY(QTest::qWaitForWindowExposed(f.main()));
    QCoreApplication::processEvents();
    QCOMPARE(clipboard->text(), QStringLiteral("copied in another program"));

    // The first casting is what empties it.
    f.castOnce();
    QCOMPARE(clipboard->text(), QString());
}

void TestProgram::keyboardAloneCastsAndSavesAndPrintsTheReport() {
    SaveReportDialog::script().setScripted(true);
    SaveReportDialog::script().clear();
    PrintReportDialog::script().setScripted(true);
    PrintReportDialog::script().clear();
    QTemporaryDir saved;
    const QString path = saved.filePath(QStringLiteral("reading.rtf"));
    SaveReportDialog::script().queueAnswer(path);

    ProgramFixture f;
    QVERIFY(f.start());
    f.main()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.main()));
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdProceed"));
    f.random.appendLines({2, 1, 2, 2, 2, 1, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2});
    for (int k = 1; k <= 8; ++k)
        press(Qt::Key_Return);
    // Eight presses, a whole reading: every scripted line drawn, and the
    // casting button offers the reset.
    QCOMPARE(f.random.remaining(), std::size_t(0));
    QCOMPARE(findControl<QPushButton>(f.main(), QStringLiteral("cmdProceed"))->text(),
             QStringLiteral("Refresh"));

    // Print opens the report; there Tab leads from the report to Print and Save.
    QStringList focusInReport;
    QTimer::singleShot(0, f.main(), [&] {
        QWidget* report = QApplication::activeModalWidget();
        if (!report)
            return;
        // The keys go to the window's focus, whether or not the test
        // platform has made the window active.
        const auto pressInReport = [report](Qt::Key key) {
            QTest::keyClick(report->focusWidget(), key);
        };
        findControl<QWidget>(report, QStringLiteral("RTB"))->setFocus();
        pressInReport(Qt::Key_Return); // in the report itself: nothing
        for (int i = 0; i < 2; ++i) {
            pressInReport(Qt::Key_Tab);
            focusInReport << report->focusWidget()->objectName();
            pressInReport(Qt::Key_Return);
        }
        pressInReport(Qt::Key_Escape);
    });
    QTimer::singleShot(5000, f.main(), [] { // should the report not have come up modal
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdPrint"));
    press(Qt::Key_Return);

    QCOMPARE(focusInReport, (QStringList{"cmdPrint", "cmdSave"}));
    QCOMPARE(PrintReportDialog::script().shown().size(), 1);
    QCOMPARE(SaveReportDialog::script().shown().size(), 1);
    QVERIFY(QFile::exists(path));
    QVERIFY(!QApplication::activeModalWidget());
    SaveReportDialog::script().setScripted(false);
    PrintReportDialog::script().setScripted(false);
}

QTEST_MAIN(TestProgram)
#include "test_program.moc"
