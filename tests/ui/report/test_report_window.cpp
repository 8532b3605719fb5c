#include "support/ReportTestSupport.h"

#include "support/Controls.h"
#include "support/UrlCatcher.h"

#include "ui/report/PrintReportDialog.h"
#include "ui/report/Report.h"
#include "ui/report/ReportWindow.h"
#include "ui/report/SaveReportDialog.h"
#include "ui/widgets/AppInfo.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/Twips.h"
#include "web/WebPage.h"

#include "ui/widgets/ClickableLabel.h"

#include <QClipboard>
#include <QMouseEvent>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#include <functional>
#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

// The user's answer to the print dialog, having chosen to print to a PDF
// file. The file is chosen even for a cancelled dialog, so that printing
// after a cancel would leave a file behind for the test to find.
PrintReportDialog::Answer printingTo(QDialog::DialogCode code, const QString& pdf) {
    return {code, [pdf](QPrinter& printer) {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(pdf);
            }};
}

bool runningAsRoot() {
#ifdef Q_OS_UNIX
    return ::geteuid() == 0;
#else
    return false;
#endif
}

// Makes a file or folder unwritable for as long as it lives. Root ignores
// permission bits, so for root the immutable attribute is used, which root
// cannot write through either.
class ReadOnlyGuard {
public:
    explicit ReadOnlyGuard(const QString& path) : path_(path) {
        if (runningAsRoot()) {
            immutable_ =
                QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path_}) == 0;
            ok_ = immutable_;
        } else {
            original_ = QFile::permissions(path_);
            ok_ =
                QFile::setPermissions(path_, original_ & ~(QFile::WriteOwner | QFile::WriteUser |
                                                           QFile::WriteGroup | QFile::WriteOther));
        }
    }
    ~ReadOnlyGuard() {
        if (immutable_)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path_});
        else if (ok_)
            QFile::setPermissions(path_, original_);
    }
    ReadOnlyGuard(const ReadOnlyGuard&) = delete;
    ReadOnlyGuard& operator=(const ReadOnlyGuard&) = delete;
    bool ok() const { return ok_; }

private:
    QString path_;
    QFile::Permissions original_;
    bool immutable_ = false;
    bool ok_ = false;
};

// The printed text; ligatures the PDF's font uses ("fi") are spelt out.
// Lets the process write no file beyond a few bytes while it lives: the
// disk seems full to every write, whatever file it goes to.
class FileSizeLimit {
public:
    FileSizeLimit() {
#ifdef Q_OS_UNIX
        std::signal(SIGXFSZ, SIG_IGN); // a failing write, not a dead process
        ok_ = ::getrlimit(RLIMIT_FSIZE, &original_) == 0;
        rlimit small = original_;
        small.rlim_cur = 16;
        ok_ = ok_ && ::setrlimit(RLIMIT_FSIZE, &small) == 0;
#endif
    }
    ~FileSizeLimit() {
#ifdef Q_OS_UNIX
        if (ok_)
            ::setrlimit(RLIMIT_FSIZE, &original_);
#endif
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool ok() const {
        return ok_;
    }

private:
    bool ok_ = false;
#ifdef Q_OS_UNIX
    rlimit original_{};
#endif
};

QString pdfText(const QString& path) {
    return toolOutput(QStringLiteral("pdftotext"),
                      {QStringLiteral("-layout"), path, QStringLiteral("-")})
        .normalized(QString::NormalizationForm_KC);
}

// Selects the text from the start of `from` to the end of `to` in the box.
void selectBetween(QTextEdit* box, const QString& from, const QString& to) {
    QTextCursor cursor = box->document()->find(from);
    const QTextCursor end = box->document()->find(to);
    cursor.setPosition(cursor.selectionStart());
    cursor.setPosition(end.selectionEnd(), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

// A mouse move over `part`, delivered straight to it: on a real display a
// synthetic move may be merged with the pointer's own position.
void moveOver(QWidget* part) {
    const QPointF at = QRectF(part->rect()).center();
    QMouseEvent move(QEvent::MouseMove, at, part->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(part, &move);
}

} // namespace

class TestReportWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsSitWhereTheLayoutSays_data();
    void controlsSitWhereTheLayoutSays();
    void windowIsAFixedWhiteDialogWithoutMinimiseOrMaximise();
    void controlsCarryTheirTextsAndFonts();
    void linkLabelsFitOnOneLine();
    void tabOrderRunsReportPrintSave();
    void linkLabelsOpenTheirPages_data();
    void linkLabelsOpenTheirPages();

    void appendWhileHiddenEmptiesTheClipboard();
    void resetEmptiesTheClipboard();
    void mouseOverTheReportEmptiesTheClipboard_data();
    void mouseOverTheReportEmptiesTheClipboard();
    void selectedTextIsOfferedAsThePrimarySelection();
    void anotherProgramsSelectionIsLeftAlone();
    void enterPressesTheFocusedButtonOnly();

    void showIsModalAndClosingKeepsTheReport();
    void reopeningAfterTheResetShowsTheNewReading();

    void saveDialogIsConfigured();
    void savingWritesTheWholeReportDespiteASelection();
    void nameWithoutExtensionGetsRtf();
    void cancelledSaveWritesNothingAndSaysNothing();
    void unwritableTargetsReportAndKeepTheOldFile_data();
    void unwritableTargetsReportAndKeepTheOldFile();
    void saveDialogRefusesAMissingFolder();
    void saveDialogAddsTheRtfSuffix();

    void printDialogOffersTheSelection_data();
    void printDialogOffersTheSelection();
    void printingASelectionPrintsOnlyIt();
    void printingWithoutASelectionPrintsTheWholeReport();
    void cancelledPrintPrintsNothing();

private:
    ReportWindow* castAndOpenHidden(Report& report);

    std::unique_ptr<UrlCatcher> browser_;
};

void TestReportWindow::initTestCase() {
    MessageBoxes::script().setScripted(true);
    SaveReportDialog::script().setScripted(true);
    PrintReportDialog::script().setScripted(true);
}

void TestReportWindow::init() {
    MessageBoxes::script().clear();
    SaveReportDialog::script().clear();
    PrintReportDialog::script().clear();
    browser_ = std::make_unique<UrlCatcher>();
}

void TestReportWindow::cleanup() {
    browser_.reset();
}

ReportWindow* TestReportWindow::castAndOpenHidden(Report& report) {
    castSampleReading(report.operations().append);
    return report.window();
}

void TestReportWindow::controlsSitWhereTheLayoutSays_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twipRect");
    QTest::newRow("forum link") << "Label14" << QRect(1747, 0, 4230, 195);
    QTest::newRow("home page link") << "Label1" << QRect(1867, 180, 3990, 195);
    QTest::newRow("report box") << "RTB" << QRect(30, 390, 7665, 6135);
    QTest::newRow("save button") << "cmdSave" << QRect(5400, 6570, 1125, 345);
    QTest::newRow("print button") << "cmdPrint" << QRect(6555, 6570, 1125, 345);
    QTest::newRow("branding link") << "Label15" << QRect(30, 6960, 7665, 615);
}

void TestReportWindow::controlsSitWhereTheLayoutSays() {
    QFETCH(QString, name);
    QFETCH(QRect, twipRect);
    Report report;
    report.reset();
    QWidget* control = findControl<QWidget>(report.window(), name);
    QCOMPARE(control->geometry(),
             twips::rect(twipRect.x(), twipRect.y(), twipRect.width(), twipRect.height()));
}

void TestReportWindow::windowIsAFixedWhiteDialogWithoutMinimiseOrMaximise() {
    Report report;
    report.reset();
    ReportWindow* window = report.window();
    QCOMPARE(window->objectName(), QStringLiteral("frmSave"));
    QCOMPARE(window->windowTitle(), WindowCaption);
    QVERIFY(!window->windowIcon().isNull());
    QCOMPARE(window->size(), twips::size(7725, 7575));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(window->palette().color(QPalette::Window), QColor(Qt::white));
}

void TestReportWindow::controlsCarryTheirTextsAndFonts() {
    Report report;
    report.reset();
    ReportWindow* window = report.window();

    auto* save = findControl<QPushButton>(window, QStringLiteral("cmdSave"));
    auto* print = findControl<QPushButton>(window, QStringLiteral("cmdPrint"));
    QCOMPARE(save->text(), QStringLiteral("&Save"));
    QCOMPARE(save->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(print->text(), QStringLiteral("&Print"));
    QCOMPARE(print->font().family(), QStringLiteral("Verdana"));
    for (QPushButton* button : {save, print}) {
        QCOMPARE(button->font().pointSizeF(), 8.25);
        QVERIFY(button->font().bold());
        QCOMPARE(button->palette().color(QPalette::Button), QColor(192, 192, 192));
    }

    QTextEdit* box = window->reportBox();
    QCOMPARE(box->objectName(), QStringLiteral("RTB"));
    QCOMPARE(box->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(box->font().pointSizeF(), 9.75);
    QCOMPARE(box->document(), report.document());

    auto* branding = findControl<ClickableLabel>(window, QStringLiteral("Label15"));
    QCOMPARE(branding->text(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                            "money online. Get this software fully branded for your website. "
                            "Click here for more details."));
    QVERIFY(branding->font().bold());
    QVERIFY(branding->wordWrap());

    auto* home = findControl<ClickableLabel>(window, QStringLiteral("Label1"));
    QVERIFY(home->text().contains(homePageDisplayName()));
    for (const char* name : {"Label14", "Label1", "Label15"}) {
        auto* label = findControl<ClickableLabel>(window, name);
        QVERIFY(label->font().underline());
        QCOMPARE(label->font().pointSizeF(), 8.25);
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
}

void TestReportWindow::linkLabelsFitOnOneLine() {
    Report report;
    report.reset();
    for (const char* name : {"Label14", "Label1"}) {
        auto* label = findControl<ClickableLabel>(report.window(), name);
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
    }
}

void TestReportWindow::tabOrderRunsReportPrintSave() {
    Report report;
    report.reset();
    ReportWindow* window = report.window();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->reportBox()->setFocus();
    QCOMPARE(QApplication::focusWidget(), window->reportBox());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdPrint"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdSave"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window->reportBox());
    window->close();
}

void TestReportWindow::linkLabelsOpenTheirPages_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QUrl>("page");
    QTest::newRow("forum link") << "Label14" << webPageAddress(WebPage::HomePage);
    QTest::newRow("home page link") << "Label1" << webPageAddress(WebPage::HomePage);
    QTest::newRow("branding link") << "Label15" << webPageAddress(WebPage::FullBrandingPage);
}

void TestReportWindow::linkLabelsOpenTheirPages() {
    QFETCH(QString, name);
    QFETCH(QUrl, page);
    Report report;
    report.reset();
    report.window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(report.window()));
    auto* label = findControl<ClickableLabel>(report.window(), name);
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    QCOMPARE(browser_->opened(), QList<QUrl>{page});
    report.window()->close();
}

void TestReportWindow::appendWhileHiddenEmptiesTheClipboard() {
    Report report;
    report.reset();
    for (int k = 1; k <= 3; ++k) {
        QGuiApplication::clipboard()->setText(QStringLiteral("copied"));
        report.operations().append(k, k);
        QVERIFY(!report.window()->isVisible());
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    }
}

void TestReportWindow::resetEmptiesTheClipboard() {
    Report report;
    report.operations().append(1, 0);
    QGuiApplication::clipboard()->setText(QStringLiteral("copied"));
    report.operations().reset();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
}

void TestReportWindow::mouseOverTheReportEmptiesTheClipboard_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("onScrollBar");
    for (bool onScrollBar : {false, true}) {
        const char* part = onScrollBar ? "scroll bar" : "text";
        for (const char* action : {"move", "press", "release", "click"})
            QTest::addRow("%s, %s", part, action) << action << onScrollBar;
    }
}

void TestReportWindow::mouseOverTheReportEmptiesTheClipboard() {
    QFETCH(QString, action);
    QFETCH(bool, onScrollBar);
    Report report;
    ReportWindow* window = castAndOpenHidden(report);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QWidget* area = onScrollBar ? static_cast<QWidget*>(window->reportBox()->verticalScrollBar())
                                : window->reportBox()->viewport();
    QVERIFY(area->isVisible()); // a whole reading is longer than the box
    const QPoint where = area->rect().center();
    QTest::mouseMove(area, where - QPoint(10, 10)); // start elsewhere in the box
    QGuiApplication::clipboard()->setText(QStringLiteral("copied"));

    if (action == QLatin1String("move"))
        QTest::mouseMove(area, where);
    else if (action == QLatin1String("press"))
        QTest::mousePress(area, Qt::LeftButton, {}, where);
    else if (action == QLatin1String("release"))
        QTest::mouseRelease(area, Qt::LeftButton, {}, where);
    else
        QTest::mouseClick(area, Qt::LeftButton, {}, where);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    window->close();
}

void TestReportWindow::selectedTextIsOfferedAsThePrimarySelection() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        QSKIP("This platform has no primary selection; the X11 run checks it");
    Report report;
    ReportWindow* window = castAndOpenHidden(report);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTextEdit* box = window->reportBox();

    selectBetween(box, QStringLiteral("Rubeus"), QStringLiteral("Red"));
    QTRY_COMPARE(clipboard->text(QClipboard::Selection), QStringLiteral("Rubeus - Red"));
    QVERIFY(clipboard->ownsSelection());

    // The rule empties the clipboard, but the text still shown selected
    // stays offered for a middle click.
    clipboard->setText(QStringLiteral("copied"));
    moveOver(box->viewport());
    QCOMPARE(clipboard->text(), QString());
    QCOMPARE(clipboard->text(QClipboard::Selection), QStringLiteral("Rubeus - Red"));

    // Once nothing is selected, nothing of the report is left there.
    box->moveCursor(QTextCursor::Start);
    QTRY_VERIFY(clipboard->text(QClipboard::Selection).isEmpty());
    window->close();
}

void TestReportWindow::anotherProgramsSelectionIsLeftAlone() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        QSKIP("This platform has no primary selection; the X11 run checks it");
    const QString xclip = QStandardPaths::findExecutable(QStringLiteral("xclip"));
    if (xclip.isEmpty())
        QSKIP("xclip is needed to play the other program");
    Report report;
    ReportWindow* window = castAndOpenHidden(report);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTextEdit* box = window->reportBox();

    // Ours, then dropped when the rule fires with nothing selected.
    selectBetween(box, QStringLiteral("Rubeus"), QStringLiteral("Red"));
    QTRY_VERIFY(clipboard->ownsSelection());
    QTextCursor cursor = box->textCursor();
    cursor.clearSelection();
    box->setTextCursor(cursor);
    moveOver(box->viewport());
    QTRY_VERIFY(!clipboard->ownsSelection());

    // Another program's selection survives the rule.
    QProcess other;
    other.start(
        xclip, {QStringLiteral("-selection"), QStringLiteral("primary"), QStringLiteral("-quiet")});
    QVERIFY(other.waitForStarted());
    other.write("selected elsewhere");
    other.closeWriteChannel();
    QTRY_COMPARE(clipboard->text(QClipboard::Selection), QStringLiteral("selected elsewhere"));
    QVERIFY(!clipboard->ownsSelection());
    moveOver(box->viewport());
    moveOver(box->verticalScrollBar());
    QCOMPARE(clipboard->text(QClipboard::Selection), QStringLiteral("selected elsewhere"));
    other.kill();
    other.waitForFinished();
    window->close();
}

void TestReportWindow::enterPressesTheFocusedButtonOnly() {
    Report report;
    ReportWindow* window = castAndOpenHidden(report);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTemporaryDir dir;
    SaveReportDialog::script().queueAnswer(dir.filePath(QStringLiteral("keys.rtf")));

    // Return in the report box, also after a button has had the focus,
    // presses nothing.
    window->reportBox()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdPrint"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(PrintReportDialog::script().shown().size(), 0);
    QCOMPARE(SaveReportDialog::script().shown().size(), 0);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Print
    QCOMPARE(PrintReportDialog::script().shown().size(), 1);
    QCOMPARE(SaveReportDialog::script().shown().size(), 0);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdSave"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(SaveReportDialog::script().shown().size(), 1);
    QCOMPARE(PrintReportDialog::script().shown().size(), 1);
    QVERIFY(
        readFile(dir.filePath(QStringLiteral("keys.rtf"))).startsWith(QLatin1String("{\\rtf1")));
    window->close();
}

void TestReportWindow::showIsModalAndClosingKeepsTheReport() {
    Report report;
    const ReportOperations operations = report.operations();
    castSampleReading(operations.append);
    const QString reading = report.document()->toPlainText();

    for (int opening = 1; opening <= 2; ++opening) {
        bool visible = false, modal = false;
        int cursorAt = -1;
        QString shown;
        QTimer::singleShot(0, this, [&] {
            ReportWindow* window = report.window();
            visible = window->isVisible();
            modal = window->isModal();
            shown = window->reportBox()->toPlainText();
            cursorAt = window->reportBox()->textCursor().position();
            window->reportBox()->moveCursor(QTextCursor::End);
            window->close();
        });
        operations.show();
        QVERIFY(visible);
        QVERIFY(modal);
        QCOMPARE(cursorAt, 0); // read from the top, not from the last entry
        QCOMPARE(shown, reading);
        QVERIFY(!report.window()->isVisible());
    }
}

void TestReportWindow::reopeningAfterTheResetShowsTheNewReading() {
    Report report;
    const ReportOperations operations = report.operations();
    castSampleReading(operations.append);
    QTimer::singleShot(0, this, [&] { report.window()->close(); });
    operations.show();

    operations.reset();
    castSampleReading(operations.append, std::vector<int>(16, 1)); // VIA eight times
    QString shown;
    QTimer::singleShot(0, this, [&] {
        shown = report.window()->reportBox()->toPlainText();
        report.window()->close();
    });
    operations.show();
    QVERIFY(shown.startsWith(QLatin1String("Geomantic Figure Name : Via - The Way\n")));
    QVERIFY(!shown.contains(QLatin1String("Rubeus")));
}

void TestReportWindow::saveDialogIsConfigured() {
    Report report;
    castAndOpenHidden(report)->saveReport();
    QCOMPARE(SaveReportDialog::script().shown().size(), 1);
    const SaveReportDialog::Shown& dialog = SaveReportDialog::script().shown().first();
    QCOMPARE(dialog.title, ApplicationTitle);
    QCOMPARE(dialog.nameFilters, QStringList{QStringLiteral("Rich Text Format (*.rtf)")});
    QCOMPARE(dialog.defaultSuffix, QStringLiteral("rtf"));
    QCOMPARE(dialog.acceptMode, QFileDialog::AcceptSave);
    QCOMPARE(dialog.fileMode, QFileDialog::AnyFile);
    QVERIFY(!dialog.options.testFlag(QFileDialog::DontConfirmOverwrite));
}

void TestReportWindow::savingWritesTheWholeReportDespiteASelection() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.rtf"));
    Report report;
    ReportWindow* window = castAndOpenHidden(report);
    selectBetween(window->reportBox(), QStringLiteral("Keyword : Passion"),
                  QStringLiteral("Tuesday"));
    SaveReportDialog::script().queueAnswer(path);
    findControl<QPushButton>(window, QStringLiteral("cmdSave"))->click();

    QVERIFY(MessageBoxes::script().shown().isEmpty());
    const QString rtf = readFile(path);
    QVERIFY(rtf.startsWith(QLatin1String("{\\rtf1")));
    SKIP_READ_BACK_WITHOUT("unrtf");
    QCOMPARE(collapseBlanks(unrtfTextLines(path)),
             collapseBlanks(documentLines(*report.document())));
}

void TestReportWindow::nameWithoutExtensionGetsRtf() {
    QTemporaryDir dir;
    Report report;
    ReportWindow* window = castAndOpenHidden(report);
    SaveReportDialog::script().queueAnswer(dir.filePath(QStringLiteral("reading")));
    window->saveReport();
    QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("reading.rtf"))));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("reading"))));
    QVERIFY(MessageBoxes::script().shown().isEmpty());
}

void TestReportWindow::cancelledSaveWritesNothingAndSaysNothing() {
    QTemporaryDir dir;
    Report report;
    ReportWindow* window = castAndOpenHidden(report);
    const QString previousFolder = QDir::currentPath();
    QDir::setCurrent(dir.path()); // wherever a careless save might land
    SaveReportDialog::script().queueAnswer(QString());
    window->saveReport();
    QDir::setCurrent(previousFolder);
    QCOMPARE(SaveReportDialog::script().shown().size(), 1);
    QVERIFY(QDir(dir.path()).isEmpty());
    QVERIFY(MessageBoxes::script().shown().isEmpty());
}

void TestReportWindow::unwritableTargetsReportAndKeepTheOldFile_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("full disk") << "full disk";
    QTest::newRow("disk fills up over an existing file") << "disk fills up";
    QTest::newRow("new file in a read-only folder") << "read-only folder, new file";
    QTest::newRow("existing file in a read-only folder") << "read-only folder, existing file";
    QTest::newRow("read-only file") << "read-only file";
    QTest::newRow("folder that does not exist") << "missing folder";
}

void TestReportWindow::unwritableTargetsReportAndKeepTheOldFile() {
    QFETCH(QString, target);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("reports"));
    QVERIFY(QDir().mkpath(folder));
    const QString existing = folder + QStringLiteral("/old.rtf");
    const QByteArray oldContents = "{\\rtf1 an earlier reading}";
    QVERIFY(writeFile(existing, oldContents));

    QString path;
    std::unique_ptr<ReadOnlyGuard> readOnly;
    if (target == QLatin1String("full disk")) {
        if (!QFileInfo::exists(QStringLiteral("/dev/full")))
            QSKIP("this system has no /dev/full");
        path = QStringLiteral("/dev/full");
    } else if (target.startsWith(QLatin1String("read-only folder"))) {
#ifdef Q_OS_WIN
        QSKIP("Windows ignores the read-only attribute of a folder; only an access list denies "
              "writing there");
#endif
        readOnly = std::make_unique<ReadOnlyGuard>(folder);
        path = target.endsWith(QLatin1String("new file")) ? folder + QStringLiteral("/new.rtf")
                                                          : existing;
    } else if (target == QLatin1String("disk fills up")) {
        path = existing;
    } else if (target == QLatin1String("read-only file")) {
        readOnly = std::make_unique<ReadOnlyGuard>(existing);
        path = existing;
    } else {
        path = dir.filePath(QStringLiteral("no such folder/reading.rtf"));
    }
    if (readOnly && !readOnly->ok())
        QSKIP("cannot make the target read-only here (running as root without chattr support)");

    Report report;
    ReportWindow* window = castAndOpenHidden(report);
    SaveReportDialog::script().queueAnswer(path);
    {
        std::unique_ptr<FileSizeLimit> diskFull;
        if (target == QLatin1String("disk fills up")) {
            diskFull = std::make_unique<FileSizeLimit>();
            if (!diskFull->ok())
                QSKIP("cannot limit the size of written files here");
        }
        window->saveReport();
    }

    QCOMPARE(MessageBoxes::script().shown().size(), 1);
    const MessageBoxes::Shown& box = MessageBoxes::script().shown().first();
    QCOMPARE(box.title, ApplicationTitle);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QVERIFY2(box.text.contains(QDir::toNativeSeparators(path)), qPrintable(box.text));
    const QString reason = box.text.section(QStringLiteral("\r\n\r\n"), 1);
    QVERIFY2(!reason.trimmed().isEmpty(), qPrintable(box.text));

    readOnly.reset();
    QCOMPARE(readFile(existing).toUtf8(), oldContents);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("old.rtf")});
    if (target == QLatin1String("full disk"))
        QVERIFY(!QFileInfo(path).isFile()); // still the device
}

void TestReportWindow::saveDialogRefusesAMissingFolder() {
    QTemporaryDir dir;
    SaveReportDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDirectory(dir.path());
    dialog.selectFile(dir.filePath(QStringLiteral("no such folder/reading.rtf")));
    static_cast<QDialog&>(dialog).accept(); // as the dialog's Save button does
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(MessageBoxes::script().shown().size(), 1);
    QVERIFY(MessageBoxes::script().shown().first().text.contains(QStringLiteral("no such folder")));
}

void TestReportWindow::saveDialogAddsTheRtfSuffix() {
    QTemporaryDir dir;
    SaveReportDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDirectory(dir.path());
    dialog.selectFile(QStringLiteral("reading"));
    QCOMPARE(dialog.selectedFiles(), QStringList{dir.filePath(QStringLiteral("reading.rtf"))});
    static_cast<QDialog&>(dialog).accept(); // as the dialog's Save button does
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(MessageBoxes::script().shown().isEmpty());
}

void TestReportWindow::printDialogOffersTheSelection_data() {
    QTest::addColumn<bool>("select");
    QTest::newRow("with a selection") << true;
    QTest::newRow("without a selection") << false;
}

void TestReportWindow::printDialogOffersTheSelection() {
    QFETCH(bool, select);
    Report report;
    ReportWindow* window = castAndOpenHidden(report);
    if (select)
        selectBetween(window->reportBox(), QStringLiteral("Keyword"), QStringLiteral("Passion"));
    window->printWithDialog();
    QCOMPARE(PrintReportDialog::script().shown().size(), 1);
    const PrintReportDialog::Shown& dialog = PrintReportDialog::script().shown().first();
    QVERIFY(!dialog.options.testFlag(QAbstractPrintDialog::PrintPageRange));
    QCOMPARE(dialog.options.testFlag(QAbstractPrintDialog::PrintSelection), select);
    QCOMPARE(dialog.range,
             select ? QAbstractPrintDialog::Selection : QAbstractPrintDialog::AllPages);
}

void TestReportWindow::printingASelectionPrintsOnlyIt() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("selection.pdf"));
    Report report;
    ReportWindow* window = castAndOpenHidden(report);
    selectBetween(window->reportBox(), QStringLiteral("Keyword : Passion"),
                  QStringLiteral("Element : Water"));
    PrintReportDialog::script().queueAnswer(printingTo(QDialog::Accepted, pdf));
    findControl<QPushButton>(window, QStringLiteral("cmdPrint"))->click();

    QVERIFY(QFileInfo(pdf).size() > 0);
    SKIP_READ_BACK_WITHOUT("pdftotext");
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(QLatin1String("Keyword : Passion")), qPrintable(text));
    QVERIFY(text.contains(QLatin1String("Associated Day : Tuesday")));
    QVERIFY(text.contains(QLatin1String("Associated Element : Water")));
    QVERIFY(!text.contains(QLatin1String("Geomantic Figure Name")));
    QVERIFY(!text.contains(QLatin1String("Associated Quality")));
    // The empty lines between the fields are printed too.
    QVERIFY(QRegularExpression(QStringLiteral("Passion\\s*\\n\\s*\\n\\s*Associated Day"))
                .match(text)
                .hasMatch());
}

void TestReportWindow::printingWithoutASelectionPrintsTheWholeReport() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    Report report;
    ReportWindow* window = castAndOpenHidden(report);
    PrintReportDialog::script().queueAnswer(printingTo(QDialog::Accepted, pdf));
    window->printWithDialog();

    QVERIFY(QFileInfo(pdf).size() > 0);
    SKIP_READ_BACK_WITHOUT("pdftotext");
    const QString text = pdfText(pdf);
    QVERIFY2(text.startsWith(QLatin1String("Geomantic Figure Name : Rubeus - Red")),
             qPrintable(text.left(200)));
    for (const char* heading :
         {"Sun Position", "Moon Position", "Venus Position", "Mercury Position", "Saturn Position",
          "Jupiter Position", "Mars Position"})
        QCOMPARE(text.count(QLatin1String(heading)), 1);
    QCOMPARE(text.count(QLatin1String("Significance : ")), 8);
}

void TestReportWindow::cancelledPrintPrintsNothing() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cancelled.pdf"));
    Report report;
    ReportWindow* window = castAndOpenHidden(report);
    PrintReportDialog::script().queueAnswer(printingTo(QDialog::Rejected, pdf));
    window->printWithDialog();
    QCOMPARE(PrintReportDialog::script().shown().size(), 1);
    QVERIFY(!QFileInfo::exists(pdf));
    QVERIFY(MessageBoxes::script().shown().isEmpty());
}

QTEST_MAIN(TestReportWindow)
#include "test_report_window.moc"
