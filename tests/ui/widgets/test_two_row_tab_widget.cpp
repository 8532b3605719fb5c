#include "ui/widgets/TwoRowTabWidget.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPaintEvent>
#include <QTest>

namespace {

// Largest difference of one colour channel between two pictures of one size.
int largestDifference(const QImage& a, const QImage& b) {
    const QImage left = a.convertToFormat(QImage::Format_ARGB32);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32);
    if (left.size() != right.size())
        return 256;
    int largest = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y);
            const QRgb q = right.pixel(x, y);
            largest =
                std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

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

// The tab control paints its page area itself: the style's frame over the
// background, following every change of colour, and whole, so that nothing
// beneath it is painted at a change of page.
class TestTwoRowTabWidget : public QObject {
    Q_OBJECT
private slots:
    void tabPagesHaveTheirFrameAndFollowTheBackground();
    void changingThePageLeavesWhatLiesBeneathAlone();
};

void TestTwoRowTabWidget::tabPagesHaveTheirFrameAndFollowTheBackground() {
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
    QCOMPARE(largestDifference(withButton, late.grab().toImage()), 0);
    QVERIFY(largestDifference(before, withButton) > 0);
    for (QWidget* parent : {&early, &late})
        setColour(parent, QPalette::Window, QColor(200, 230, 250)); // what lies beneath
    const QImage after = early.grab().toImage();
    QCOMPARE(largestDifference(after, late.grab().toImage()), 0);
    QVERIFY(largestDifference(withButton, after) > 0);
    // The page area is not left to the background: the style's frame is on it.
    const QRect page(10, 10 + earlyTabs->pageOffset(), 280, 240 - earlyTabs->pageOffset());
    const QColor background(200, 230, 250);
    bool framed = false;
    for (int x = page.left(); x <= page.right() && !framed; ++x)
        framed = after.pixelColor(x, page.center().y()) != background;
    QVERIFY(framed);
}

void TestTwoRowTabWidget::changingThePageLeavesWhatLiesBeneathAlone() {
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

QTEST_MAIN(TestTwoRowTabWidget)
#include "test_two_row_tab_widget.moc"
