#include "support/Pixels.h"
#include "ui/widgets/CachedFrames.h"
#include "ui/widgets/TwoRowTabWidget.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPaintEvent>
#include <QTest>

namespace {

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// Counts what a widget is asked to paint.
class PaintCounter : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

// The frames drawn through the cache look like the style's own, within the
// rounding tolerance of Pixels.h (a blended border goes through a pixmap
// once more), and follow every change of colour or size rather than showing a
// stale picture: a stale frame is off by the whole change of colour.
class TestCachedFrames : public QObject {
    Q_OBJECT
private slots:
    void groupBoxLooksLikeTheStyles();
    void groupBoxFollowsColoursAndSize();
    void tabPagesHaveTheirFrameAndFollowTheBackground();
    void changingThePageLeavesWhatLiesBeneathAlone();
};

void TestCachedFrames::groupBoxLooksLikeTheStyles() {
    QGroupBox plain(QStringLiteral("Geomantic Interpretation"));
    CachedFrameGroupBox cached(QStringLiteral("Geomantic Interpretation"));
    for (QGroupBox* box : {static_cast<QGroupBox*>(&plain), static_cast<QGroupBox*>(&cached)})
        box->resize(280, 300);
    const QImage expected = plain.grab().toImage();
    QVERIFY_SAME_PICTURE(expected, cached.grab().toImage());
    // A second painting comes from the cache and is the same.
    QVERIFY_SAME_PICTURE(expected, cached.grab().toImage());
}

void TestCachedFrames::groupBoxFollowsColoursAndSize() {
    QGroupBox plain(QStringLiteral("Frame"));
    CachedFrameGroupBox cached(QStringLiteral("Frame"));
    plain.resize(200, 150);
    cached.resize(200, 150);
    (void)cached.grab(); // fills the cache for this look
    for (QGroupBox* box : {static_cast<QGroupBox*>(&plain), static_cast<QGroupBox*>(&cached)}) {
        setColour(box, QPalette::Window, QColor(10, 120, 30));
        setColour(box, QPalette::Dark, QColor(200, 0, 200));
        setColour(box, QPalette::WindowText, Qt::red);
        box->setAutoFillBackground(true);
    }
    QVERIFY_SAME_PICTURE(plain.grab().toImage(), cached.grab().toImage());
    for (QGroupBox* box : {static_cast<QGroupBox*>(&plain), static_cast<QGroupBox*>(&cached)})
        box->resize(220, 170);
    QVERIFY_SAME_PICTURE(plain.grab().toImage(), cached.grab().toImage());
}

void TestCachedFrames::tabPagesHaveTheirFrameAndFollowTheBackground() {
    // Two controls, one painted before the colours change and one after:
    // both must show the new colours.
    QWidget early;
    QWidget late;
    for (QWidget* parent : {&early, &late}) {
        parent->resize(300, 260);
        parent->setAutoFillBackground(true);
    }
    auto* earlyTabs = new TwoRowTabWidget(2, 20, &early);
    auto* lateTabs = new TwoRowTabWidget(2, 20, &late);
    for (TwoRowTabWidget* tabs : {earlyTabs, lateTabs}) {
        tabs->setGeometry(10, 10, 280, 240);
        tabs->addTab(new QWidget, QStringLiteral("One"));
        tabs->addTab(new QWidget, QStringLiteral("Two"));
    }
    const QImage before = early.grab().toImage();
    for (QWidget* parent : {&early, &late})
        setColour(parent, QPalette::Button, QColor(250, 220, 180)); // the style's page colour
    const QImage withButton = early.grab().toImage();
    QVERIFY_SAME_PICTURE(withButton, late.grab().toImage());
    QVERIFY(!compareImages(before, withButton).withinTolerance());
    for (QWidget* parent : {&early, &late})
        setColour(parent, QPalette::Window, QColor(200, 230, 250)); // what lies beneath
    const QImage after = early.grab().toImage();
    QVERIFY_SAME_PICTURE(after, late.grab().toImage());
    QVERIFY(!compareImages(withButton, after).withinTolerance());
    // The page area is not left to the background: the style's frame is on it.
    const QRect page(10, 10 + earlyTabs->pageOffset(), 280, 240 - earlyTabs->pageOffset());
    const QColor background(200, 230, 250);
    bool framed = false;
    for (int x = page.left(); x <= page.right() && !framed; ++x)
        framed = !nearColour(after.pixelColor(x, page.center().y()), background);
    QVERIFY(framed);
}

void TestCachedFrames::changingThePageLeavesWhatLiesBeneathAlone() {
    QWidget window;
    window.resize(300, 260);
    window.setAutoFillBackground(true);
    auto* tabs = new TwoRowTabWidget(2, 20, &window);
    tabs->setGeometry(10, 10, 280, 240);
    for (const char* text : {"One", "Two"}) {
        auto* page = new QWidget;
        new QLabel(QString::fromLatin1(text), page);
        tabs->addTab(page, QString::fromLatin1(text));
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();

    PaintCounter onWindow;
    PaintCounter onTabs;
    window.installEventFilter(&onWindow);
    tabs->installEventFilter(&onTabs);
    tabs->setCurrentIndex(1);
    QTRY_VERIFY(tabs->widget(1)->isVisible());
    QTRY_VERIFY(!onTabs.painted.isEmpty()); // the headers changed
    // The page area paints itself whole: nothing beneath it is painted
    // just to be painted over.
    const int top = tabs->pageOffset();
    QVERIFY(!onWindow.painted.intersects(QRect(10, 10 + top, 280, 240 - top)));
    QVERIFY(!onTabs.painted.intersects(QRect(0, top, 280, 240 - top)));
}

QTEST_MAIN(TestCachedFrames)
#include "test_cached_frames.moc"
