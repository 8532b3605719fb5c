#include "ui/widgets/ClipboardGuard.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

// The clipboard rule of the significance and report boxes: whatever the box
// does, the clipboard is empty afterwards, and one event that changes many
// boxes empties it once.
class TestClipboardGuard : public QObject {
    Q_OBJECT
private slots:
    void init();
    void repeatedRequestsInOneEventEmptyOnce();
    void textCopiedInBetweenIsStillEmptied();
    void theNextEventEmptiesAgain();
    void manyBoxesChangingTogetherEmptyOnce();
    void mouseOverABoxEmptiesWithoutFocus_data();
    void mouseOverABoxEmptiesWithoutFocus();

private:
    static QClipboard* clipboard() { return QGuiApplication::clipboard(); }
};

void TestClipboardGuard::init() {
    // Each case starts in a fresh event, with text on the clipboard.
    QCoreApplication::sendPostedEvents();
    clipboard()->setText(QStringLiteral("copied elsewhere"));
}

void TestClipboardGuard::repeatedRequestsInOneEventEmptyOnce() {
    QSignalSpy changes(clipboard(), &QClipboard::dataChanged);
    ClipboardGuard::emptyClipboard();
    QCOMPARE(clipboard()->text(), QString());
    QCOMPARE(changes.count(), 1);
    ClipboardGuard::emptyClipboard();
    ClipboardGuard::emptyClipboard();
    QCOMPARE(changes.count(), 1);
    QCOMPARE(clipboard()->text(), QString());
}

void TestClipboardGuard::textCopiedInBetweenIsStillEmptied() {
    ClipboardGuard::emptyClipboard();
    clipboard()->setText(QStringLiteral("copied within the same event"));
    ClipboardGuard::emptyClipboard();
    QCOMPARE(clipboard()->text(), QString());
}

void TestClipboardGuard::theNextEventEmptiesAgain() {
    QSignalSpy changes(clipboard(), &QClipboard::dataChanged);
    ClipboardGuard::emptyClipboard();
    QCOMPARE(changes.count(), 1);
    // Between two events another program may take the clipboard without
    // every platform saying so: the next request empties it again.
    QCoreApplication::sendPostedEvents();
    ClipboardGuard::emptyClipboard();
    QCOMPARE(changes.count(), 2);
}

void TestClipboardGuard::manyBoxesChangingTogetherEmptyOnce() {
    std::vector<std::unique_ptr<QTextEdit>> boxes;
    for (int i = 0; i < 3; ++i) {
        boxes.push_back(std::make_unique<QTextEdit>());
        ClipboardGuard::install(boxes.back().get());
    }
    QSignalSpy changes(clipboard(), &QClipboard::dataChanged);
    for (const auto& box : boxes) {
        box->clear();
        box->setPlainText(QStringLiteral("a new text"));
    }
    QCOMPARE(clipboard()->text(), QString());
    QCOMPARE(changes.count(), 1);

    clipboard()->setText(QStringLiteral("copied after the change"));
    QCoreApplication::sendPostedEvents();
    boxes.front()->setPlainText(QStringLiteral("changed in a later event"));
    QCOMPARE(clipboard()->text(), QString());
}

void TestClipboardGuard::mouseOverABoxEmptiesWithoutFocus_data() {
    QTest::addColumn<int>("type");
    QTest::newRow("move") << int(QEvent::MouseMove);
    QTest::newRow("press") << int(QEvent::MouseButtonPress);
    QTest::newRow("release") << int(QEvent::MouseButtonRelease);
    QTest::newRow("double click") << int(QEvent::MouseButtonDblClick);
}

void TestClipboardGuard::mouseOverABoxEmptiesWithoutFocus() {
    QFETCH(int, type);
    QTextEdit box;
    ClipboardGuard::install(&box);
    QVERIFY(!box.hasFocus());
    const QPointF at(5, 5);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(static_cast<QEvent::Type>(type), at, box.viewport()->mapToGlobal(at), button,
                      button, Qt::NoModifier);
    QApplication::sendEvent(box.viewport(), &event);
    QCOMPARE(clipboard()->text(), QString());
}

QTEST_MAIN(TestClipboardGuard)
#include "test_clipboard_guard.moc"
