#include "support/Controls.h"
#include "support/ScriptedRandom.h"
#include "support/UrlCatcher.h"
#include "support/Windows.h"
#include "ui/exit/ExitWindow.h"
#include "ui/exit/Referral.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/Twips.h"
#include "web/WebPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrlQuery>
#include <QtTest>

namespace {

// An exit window over a scripted random source, shown as the program shows it.
struct Fixture {
    ScriptedRandom random{{0.3f}};
    ExitWindow window{random};

    Fixture() {
        window.setAttribute(Qt::WA_DeleteOnClose, false); // the test owns it
        showExposed(window);
        window.activateWindow();
    }

    template <typename T = QWidget> T* find(const QString& name) const {
        return findControl<T>(&window, name);
    }
    QLineEdit* box(const QString& name) const { return find<QLineEdit>(name); }
    QPlainTextEdit* message() const { return find<QPlainTextEdit>(QStringLiteral("txtMessage")); }

    void fill(const QString& name, const QString& email, const QString& friendName,
              const QString& friendEmail) {
        box("txtName")->setText(name);
        box("txtEmail")->setText(email);
        box("txtFriendName")->setText(friendName);
        box("txtFriendEmail")->setText(friendEmail);
    }
};

} // namespace

class TestExitWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowIsATopmostNonActivatingWindow();
    void controlsSitAtTheirPlaces_data();
    void controlsSitAtTheirPlaces();
    void looksAndTexts();
    void supportMessageIsPickedAfterReseeding_data();
    void supportMessageIsPickedAfterReseeding();
    void exitIsFirstAndTabReachesTheHiddenMessage();
    void placeholderClearsOnEntryAndReturnsWhenEmpty_data();
    void placeholderClearsOnEntryAndReturnsWhenEmpty();
    void messageBoxKeepsItsFirstTextUntilRestored();
    void emailBoxesRefuseATypedBlank_data();
    void emailBoxesRefuseATypedBlank();
    void otherBoxesAcceptBlanks();
    void untouchedFormAsksForProperAddresses();
    void submitSendsTheTrimmedValues();
    void submitWithAProblemOpensNothingAndKeepsTheForm();
    void check1OpensTheHomePageAndStaysUnchecked();
    void lblGoToHomeOpensOtherSoftware();
    void exitAndCloseBoxBothReportClosing_data();
    void exitAndCloseBoxBothReportClosing();

private:
    std::unique_ptr<UrlCatcher> browser_;
};

void TestExitWindow::init() {
    browser_ = std::make_unique<UrlCatcher>();
    MessageBoxes::script().setScripted(true);
    MessageBoxes::script().clear();
}

void TestExitWindow::cleanup() {
    browser_.reset();
    MessageBoxes::script().clear();
}

void TestExitWindow::windowIsATopmostNonActivatingWindow() {
    Fixture f;
    QCOMPARE(f.window.objectName(), QStringLiteral("frmExit"));
    QCOMPARE(f.window.windowTitle(), QStringLiteral("Ririv Evazorarizad Azivoder v1.0"));
    const Qt::WindowFlags flags = f.window.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(f.window.testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(f.window.size(), twips::size(11115, 4725));
    QCOMPARE(f.window.palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(!f.window.windowIcon().isNull());

    // Centred on its screen, frame included.
    const QPoint offset =
        f.window.frameGeometry().center() - f.window.screen()->availableGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("off centre by %1, %2").arg(offset.x()).arg(offset.y())));
}

void TestExitWindow::controlsSitAtTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twipsRect");
    QTest::newRow("Picture1") << "Picture1"
                              << "frmExit" << QRect(360, 120, 540, 540);
    QTest::newRow("Label1") << "Label1"
                            << "frmExit" << QRect(1080, 240, 5070, 435);
    QTest::newRow("Label2") << "Label2"
                            << "frmExit" << QRect(120, 840, 6975, 1095);
    QTest::newRow("Check1") << "Check1"
                            << "frmExit" << QRect(30, 2040, 7185, 555);
    QTest::newRow("cmdClose") << "cmdClose"
                              << "frmExit" << QRect(6000, 2760, 1245, 375);
    QTest::newRow("Frame2") << "Frame2"
                            << "frmExit" << QRect(120, 3240, 7065, 1455);
    QTest::newRow("Frame6") << "Frame6"
                            << "frmExit" << QRect(7320, 120, 3735, 4575);
    QTest::newRow("txtName") << "txtName"
                             << "Frame2" << QRect(85, 360, 3375, 285);
    QTest::newRow("txtEmail") << "txtEmail"
                              << "Frame2" << QRect(3600, 360, 3375, 285);
    QTest::newRow("txtFriendName") << "txtFriendName"
                                   << "Frame2" << QRect(85, 720, 3375, 285);
    QTest::newRow("txtFriendEmail") << "txtFriendEmail"
                                    << "Frame2" << QRect(3600, 720, 3375, 285);
    QTest::newRow("cmdSubmit") << "cmdSubmit"
                               << "Frame2" << QRect(1920, 1080, 3375, 285);
    QTest::newRow("txtMessage") << "txtMessage"
                                << "Frame2" << QRect(4800, 3600, 1815, 495);
    QTest::newRow("Label3") << "Label3"
                            << "Frame6" << QRect(120, 360, 3495, 3855);
    QTest::newRow("lblGoToHome") << "lblGoToHome"
                                 << "Frame6" << QRect(75, 4250, 3585, 210);
}

void TestExitWindow::controlsSitAtTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, twipsRect);
    Fixture f;
    QWidget* control = f.find(name);
    QCOMPARE(control->parentWidget()->objectName(), container);
    const QString problem = placementProblem(
        control, twips::rect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestExitWindow::looksAndTexts() {
    Fixture f;
    QCOMPARE(f.find<QLabel>("Label1")->text(), QStringLiteral("Ririv Evazorarizad Azivoder v1.0"));
    QCOMPARE(f.find<QLabel>("Label1")->font().pointSizeF(), 18.0);
    QVERIFY(f.find<QLabel>("Label2")->wordWrap());
    QVERIFY(f.find<QLabel>("Label2")->font().bold());
    QVERIFY(!f.find<QLabel>("Picture1")->pixmap().isNull());

    auto* check = f.find<QCheckBox>("Check1");
    QVERIFY(!check->isChecked());
    QVERIFY(check->text().contains(homePageDisplayName()));
    QCOMPARE(check->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QCOMPARE(check->cursor().shape(), Qt::PointingHandCursor);

    QCOMPARE(f.find<QPushButton>("cmdClose")->text(), QStringLiteral("E&xit"));
    QCOMPARE(f.find<QPushButton>("cmdSubmit")->text(), QStringLiteral("Refer A Friend &Now"));
    for (const char* name : {"Frame2", "Frame6"}) {
        auto* frame = f.find<QGroupBox>(name);
        QCOMPARE(frame->palette().color(QPalette::Window), QColor(0, 0, 128));
        QCOMPARE(frame->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(frame->font().bold());
    }
    QCOMPARE(f.find<QGroupBox>("Frame2")->title(), QStringLiteral("Refer A Friend"));
    QCOMPARE(f.find<QLabel>("Label3")->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(f.find<QLabel>("lblGoToHome")->palette().color(QPalette::WindowText),
             QColor(255, 255, 0));
    QCOMPARE(f.find<QLabel>("lblGoToHome")->cursor().shape(), Qt::PointingHandCursor);

    QCOMPARE(f.box("txtName")->text(), QStringLiteral("Your Name"));
    QCOMPARE(f.box("txtEmail")->text(), QStringLiteral("Your Email Address"));
    QCOMPARE(f.box("txtFriendName")->text(), QStringLiteral("Friend's Name"));
    QCOMPARE(f.box("txtFriendEmail")->text(), QStringLiteral("Friend's Email Address"));
    QCOMPARE(f.message()->toPlainText(), QStringLiteral("Your Message\n"));
    QCOMPARE(f.message()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

void TestExitWindow::supportMessageIsPickedAfterReseeding_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("message");
    QTest::newRow("0") << 0.0f << 0;
    QTest::newRow("just below 1/4") << std::nextafter(0.25f, 0.0f) << 0;
    QTest::newRow("1/4") << 0.25f << 1;
    QTest::newRow("1/2") << 0.5f << 2;
    QTest::newRow("3/4") << 0.75f << 3;
    QTest::newRow("largest draw") << std::nextafter(1.0f, 0.0f) << 3;
}

void TestExitWindow::supportMessageIsPickedAfterReseeding() {
    QFETCH(float, r);
    QFETCH(int, message);
    ScriptedRandom random({r});
    ExitWindow window(random);
    QCOMPARE(random.seeds(), std::size_t(1));
    QCOMPARE(random.draws(), std::size_t(1));
    QCOMPARE(findControl<QLabel>(&window, QStringLiteral("Label2"))->text(),
             ExitWindow::supportMessage(message));

    QSet<QString> distinct;
    for (int i = 0; i < ExitWindow::SupportMessageCount; ++i) {
        QVERIFY(ExitWindow::supportMessage(i).contains(homePageDisplayName()));
        distinct.insert(ExitWindow::supportMessage(i));
    }
    QCOMPARE(distinct.size(), ExitWindow::SupportMessageCount);
}

void TestExitWindow::exitIsFirstAndTabReachesTheHiddenMessage() {
    Fixture f;
    QCOMPARE(f.window.focusWidget(), f.find("cmdClose"));
    QWidget* widget = f.find("cmdClose");
    QStringList chain;
    for (int i = 0; i < 8; ++i) {
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus)
            widget = widget->nextInFocusChain();
        chain << widget->objectName();
    }
    QVERIFY2(chain.contains(QStringLiteral("txtMessage")), qPrintable(chain.join(u',')));
    QVERIFY(chain.indexOf(QStringLiteral("txtName")) <
            chain.indexOf(QStringLiteral("txtFriendEmail")));
    // The frame clips it: no part of the box lies inside the frame's visible area.
    QVERIFY(!f.find("Frame2")->rect().intersects(f.message()->geometry()));
}

void TestExitWindow::placeholderClearsOnEntryAndReturnsWhenEmpty_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("placeholder");
    QTest::newRow("txtName") << "txtName"
                             << "Your Name";
    QTest::newRow("txtEmail") << "txtEmail"
                              << "Your Email Address";
    QTest::newRow("txtFriendName") << "txtFriendName"
                                   << "Friend's Name";
    QTest::newRow("txtFriendEmail") << "txtFriendEmail"
                                    << "Friend's Email Address";
}

void TestExitWindow::placeholderClearsOnEntryAndReturnsWhenEmpty() {
    QFETCH(QString, name);
    QFETCH(QString, placeholder);
    Fixture f;
    QLineEdit* box = f.box(name);
    QWidget* elsewhere = f.find("cmdSubmit");

    box->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(box->text(), QString()); // once the focus change has been told
    elsewhere->setFocus(Qt::TabFocusReason);
    QCOMPARE(box->text(), placeholder);

    // Blanks around the hint count as the hint; blanks alone as empty.
    box->setText(QStringLiteral("  ") + placeholder + QStringLiteral(" "));
    box->setFocus(Qt::MouseFocusReason);
    QTRY_COMPARE(box->text(), QString());
    box->setText(QStringLiteral("   "));
    elsewhere->setFocus(Qt::MouseFocusReason);
    QCOMPARE(box->text(), placeholder);

    // Real text is kept both ways.
    box->setText(QStringLiteral("x@y.z"));
    box->setFocus(Qt::TabFocusReason);
    elsewhere->setFocus(Qt::TabFocusReason);
    QCOMPARE(box->text(), QStringLiteral("x@y.z"));
}

void TestExitWindow::messageBoxKeepsItsFirstTextUntilRestored() {
    Fixture f;
    QWidget* elsewhere = f.find("cmdSubmit");
    f.message()->setFocus(Qt::TabFocusReason);
    QCOMPARE(f.message()->toPlainText(),
             QStringLiteral("Your Message\n")); // not the bare hint: kept
    f.message()->clear();
    elsewhere->setFocus(Qt::TabFocusReason);
    QCOMPARE(f.message()->toPlainText(), QStringLiteral("Your Message"));
    f.message()->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(f.message()->toPlainText(), QString());
}

void TestExitWindow::emailBoxesRefuseATypedBlank_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("txtEmail") << "txtEmail";
    QTest::newRow("txtFriendEmail") << "txtFriendEmail";
}

void TestExitWindow::emailBoxesRefuseATypedBlank() {
    QFETCH(QString, name);
    Fixture f;
    QLineEdit* box = f.box(name);
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, QStringLiteral("a b@c.d"));
    QCOMPARE(box->text(), QStringLiteral("ab@c.d"));
    QCOMPARE(MessageBoxes::script().shown().size(), 1);
    QCOMPARE(MessageBoxes::script().shown().first().text,
             QStringLiteral("Email Address Cannot Contain Space"));
    QCOMPARE(MessageBoxes::script().shown().first().icon, QMessageBox::Critical);
    QCOMPARE(MessageBoxes::script().shown().first().buttons,
             QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(f.window.focusWidget(), box);
}

void TestExitWindow::otherBoxesAcceptBlanks() {
    Fixture f;
    f.box("txtName")->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(f.box("txtName"), QStringLiteral("Ann Lee"));
    f.message()->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(f.message(), QStringLiteral(" hi there"));
    QCOMPARE(f.box("txtName")->text(), QStringLiteral("Ann Lee"));
    QVERIFY(f.message()->toPlainText().contains(QStringLiteral(" hi there")));
    QCOMPARE(MessageBoxes::script().shown().size(), 0);
}

void TestExitWindow::untouchedFormAsksForProperAddresses() {
    Fixture f;
    // Return on the focused button sends as a click does.
    QTest::keyClick(f.find("cmdSubmit"), Qt::Key_Return);
    QCOMPARE(MessageBoxes::script().shown().size(), 1);
    QCOMPARE(MessageBoxes::script().shown().first().text,
             QStringLiteral("Please Enter Proper Email Address"));
    MessageBoxes::script().clear();

    QTest::mouseClick(f.find("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(MessageBoxes::script().shown().size(), 1);
    QCOMPARE(MessageBoxes::script().shown().first().text,
             QStringLiteral("Please Enter Proper Email Address"));
    QCOMPARE(MessageBoxes::script().shown().first().icon, QMessageBox::Critical);
    QCOMPARE(MessageBoxes::script().shown().first().title,
             QStringLiteral("Ririv Evazorarizad Azivoder"));
    QVERIFY(browser_->opened().isEmpty());
}

void TestExitWindow::submitSendsTheTrimmedValues() {
    Fixture f;
    f.fill(QStringLiteral("  Ann  "), QStringLiteral(" ann@mail.example"), QStringLiteral("Bob "),
           QStringLiteral("bob@mail.example"));
    QTest::mouseClick(f.find("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(MessageBoxes::script().shown().size(), 0);
    QCOMPARE(browser_->opened().size(), 1);

    const QUrlQuery query(browser_->last());
    QCOMPARE(query.queryItemValue(QStringLiteral("taf1"), QUrl::FullyDecoded),
             QStringLiteral("Ann"));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf2"), QUrl::FullyDecoded),
             QStringLiteral("ann@mail.example"));
    // The message box was never visited: its first text goes out as it stands.
    QCOMPARE(query.queryItemValue(QStringLiteral("taf3"), QUrl::FullyDecoded),
             QStringLiteral("Your Message\r\n"));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf4"), QUrl::FullyDecoded),
             QStringLiteral("Bob"));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf5"), QUrl::FullyDecoded),
             QStringLiteral("bob@mail.example"));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf6"), QUrl::FullyDecoded),
             programPageAddress().toString());
    QUrl page = browser_->last();
    page.setQuery(QString());
    QCOMPARE(page, webPageAddress(WebPage::ReferralPage));

    // The form keeps its contents and the window stays.
    QCOMPARE(f.box("txtName")->text(), QStringLiteral("  Ann  "));
    QVERIFY(f.window.isVisible());
}

void TestExitWindow::submitWithAProblemOpensNothingAndKeepsTheForm() {
    Fixture f;
    f.fill(QStringLiteral("Your Name"), QStringLiteral("a@b.c"), QStringLiteral("Bob"),
           QStringLiteral("A@b.c"));
    QTest::mouseClick(f.find("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(MessageBoxes::script().shown().size(), 1);
    QCOMPARE(MessageBoxes::script().shown().first().text, QStringLiteral("Please Enter Your Name"));
    QVERIFY(browser_->opened().isEmpty());
    QCOMPARE(f.box("txtName")->text(), QStringLiteral("Your Name"));

    f.box("txtFriendEmail")->setText(QStringLiteral("a@b.c"));
    QTest::mouseClick(f.find("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(MessageBoxes::script().shown().last().text,
             QStringLiteral("Please Enter Distinct Email Addresses"));
}

void TestExitWindow::check1OpensTheHomePageAndStaysUnchecked() {
    Fixture f;
    auto* check = f.find<QCheckBox>("Check1");
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    QCOMPARE(browser_->opened(), QList<QUrl>{webPageAddress(WebPage::HomePage)});
    QVERIFY(!check->isChecked());
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    QCOMPARE(browser_->opened().size(), 2);
    QVERIFY(!check->isChecked());
}

void TestExitWindow::lblGoToHomeOpensOtherSoftware() {
    Fixture f;
    QTest::mouseClick(f.find("lblGoToHome"), Qt::LeftButton);
    QCOMPARE(browser_->opened(), QList<QUrl>{webPageAddress(WebPage::OtherSoftwarePage)});
}

void TestExitWindow::exitAndCloseBoxBothReportClosing_data() {
    QTest::addColumn<bool>("byExitButton");
    QTest::addColumn<int>("key");
    QTest::newRow("E&xit") << true << 0;
    QTest::newRow("Return on E&xit") << true << int(Qt::Key_Return);
    QTest::newRow("close box") << false << 0;
}

void TestExitWindow::exitAndCloseBoxBothReportClosing() {
    QFETCH(bool, byExitButton);
    QFETCH(int, key);
    Fixture f;
    QSignalSpy closed(&f.window, &ExitWindow::closed);
    if (key != 0)
        QTest::keyClick(f.find("cmdClose"), static_cast<Qt::Key>(key));
    else if (byExitButton)
        QTest::mouseClick(f.find("cmdClose"), Qt::LeftButton);
    else
        f.window.close();
    QCOMPARE(closed.size(), 1);
    QVERIFY(!f.window.isVisible());
}

QTEST_MAIN(TestExitWindow)
#include "test_exit_window.moc"
