#include "support/Controls.h"
#include "support/UrlCatcher.h"
#include "ui/mainwindow/AboutWindow.h"
#include "ui/widgets/Twips.h"
#include "web/WebPage.h"

#include "ui/widgets/ClickableLabel.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestAboutWindow : public QObject {
    Q_OBJECT
private slots:
    void windowFrame();
    void controlsSitAtTheirPlaces_data();
    void controlsSitAtTheirPlaces();
    void textsAndLooks();
    void linksOpenTheirPages_data();
    void linksOpenTheirPages();
    void okIsDefaultCancelAndFocused_data();
    void okIsDefaultCancelAndFocused();
    void everyShowingStartsFresh();
};

void TestAboutWindow::windowFrame() {
    QWidget owner;
    AboutWindow about(&owner);
    QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about.windowTitle(), QStringLiteral("Ririv Evazorarizad Azivoder v1.0"));
    QVERIFY(about.isModal());
    QCOMPARE(about.size(), twips::size(6825, 3870));
    QCOMPARE(about.palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(!about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!about.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    // A dialog owned by the main window stays out of the task bar.
    QCOMPARE(about.windowType(), Qt::Dialog);
    QCOMPARE(about.parentWidget(), &owner);
}

void TestAboutWindow::controlsSitAtTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twipsRect");
    QTest::newRow("Picture1") << "Picture1" << QRect(120, 120, 480, 480);
    QTest::newRow("Label2") << "Label2" << QRect(840, 240, 3435, 240);
    QTest::newRow("Label1") << "Label1" << QRect(360, 840, 6375, 795);
    QTest::newRow("lblHomePage") << "lblHomePage" << QRect(2040, 1800, 4650, 195);
    QTest::newRow("Label3") << "Label3" << QRect(360, 2280, 6255, 615);
    QTest::newRow("lblCoBrand") << "lblCoBrand" << QRect(4080, 2880, 2670, 195);
    QTest::newRow("Line1 from -60 to 6840") << "Line1" << QRect(-60, 3240, 6900, 15);
    QTest::newRow("cmdOK") << "cmdOK" << QRect(5400, 3360, 1260, 345);
}

void TestAboutWindow::controlsSitAtTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, twipsRect);
    AboutWindow about;
    auto* control = findControl<QWidget>(&about, name);
    const QString problem = placementProblem(
        control, twips::rect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestAboutWindow::textsAndLooks() {
    AboutWindow about;
    auto label = [&](const char* name) { return findControl<QLabel>(&about, name); };
    QCOMPARE(label("Label2")->text(), QStringLiteral("Ririv Evazorarizad Azivoder v1.0"));
    QCOMPARE(label("Label2")->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    QCOMPARE(label("Label2")->font().pointSizeF(), 9.75);
    QVERIFY(label("Label2")->font().bold());
    QCOMPARE(label("Label1")->text(),
             QStringLiteral(
                 "Ririv Evazorarizad Azivoder associates the Geomantic Figures with the Western "
                 "Astrology Natal Chart. This calculates the position of the different planets in "
                 "your chart based on geomancy."));
    QVERIFY(!label("Label1")->font().bold());
    QVERIFY(label("Label1")->wordWrap());
    QCOMPARE(label("lblHomePage")->text(),
             QStringLiteral("Click here to visit www.azivoder.example"));
    QCOMPARE(
        label("Label3")->text(),
        QStringLiteral(
            "Home Business Opportunity. Start your own Internet business and make money online. "
            "Get this software fully branded for your website."));
    QCOMPARE(label("lblCoBrand")->text(), QStringLiteral("Click here for more details."));
    for (const char* link : {"lblHomePage", "lblCoBrand"}) {
        QVERIFY(label(link)->font().underline());
        QVERIFY(label(link)->font().bold());
        QCOMPARE(label(link)->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(label(link)->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    }
    QVERIFY(!label("Picture1")->pixmap().isNull());
    auto* line = findControl<QWidget>(&about, QStringLiteral("Line1"));
    QCOMPARE(line->palette().color(QPalette::Window), QColor(64, 64, 64));
    auto* ok = findControl<QPushButton>(&about, QStringLiteral("cmdOK"));
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    QCOMPARE(ok->palette().color(QPalette::Button), QColor(192, 192, 192));
}

void TestAboutWindow::linksOpenTheirPages_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("page");
    QTest::newRow("lblHomePage") << "lblHomePage" << int(WebPage::HomePage);
    QTest::newRow("lblCoBrand") << "lblCoBrand" << int(WebPage::FullBrandingPage);
}

void TestAboutWindow::linksOpenTheirPages() {
    QFETCH(QString, name);
    QFETCH(int, page);
    UrlCatcher browser;
    AboutWindow about;
    about.show();
    QTest::mouseClick(findControl<QWidget>(&about, name), Qt::LeftButton);
    QCOMPARE(browser.opened(), QList<QUrl>{webPageAddress(static_cast<WebPage>(page))});
    QVERIFY(about.isVisible()); // a link does not close the window
}

void TestAboutWindow::okIsDefaultCancelAndFocused_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Space on the focused button") << int(Qt::Key_Space);
}

void TestAboutWindow::okIsDefaultCancelAndFocused() {
    QFETCH(int, key);
    QWidget owner;
    owner.show();
    AboutWindow about(&owner);
    auto* ok = findControl<QPushButton>(&about, QStringLiteral("cmdOK"));
    QVERIFY(ok->isDefault());
    bool focused = false;
    int pressed = 0;
    connect(ok, &QPushButton::clicked, this, [&] { ++pressed; });
    QTimer::singleShot(0, &about, [&] {
        focused = about.focusWidget() == ok;
        QTest::keyClick(about.focusWidget() ? about.focusWidget() : &about,
                        static_cast<Qt::Key>(key));
    });
    // If the key did nothing, close the window anyway so that the test ends.
    QTimer::singleShot(2000, &about, [&] { about.done(-1); });
    const int result = about.exec();
    QVERIFY(focused);
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(pressed, 1);
}

void TestAboutWindow::everyShowingStartsFresh() {
    QWidget owner;
    owner.show();
    for (int showing = 0; showing < 2; ++showing) {
        QTimer::singleShot(0, &owner, [&] {
            auto* about = qobject_cast<AboutWindow*>(QApplication::activeModalWidget());
            QVERIFY(about);
            auto* home = findControl<QLabel>(about, QStringLiteral("lblHomePage"));
            QCOMPARE(home->text(), QStringLiteral("Click here to visit www.azivoder.example"));
            home->setText(QStringLiteral("changed during the showing"));
            findControl<QPushButton>(about, QStringLiteral("cmdOK"))->click();
        });
        AboutWindow::showModal(&owner);
        QVERIFY(!QApplication::activeModalWidget());
    }
    QVERIFY(owner.findChildren<AboutWindow*>().isEmpty()); // nothing left behind
}

QTEST_MAIN(TestAboutWindow)
#include "test_about_window.moc"
