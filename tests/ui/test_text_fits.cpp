#include "support/Controls.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedRandom.h"
#include "support/Windows.h"

#include "ui/exit/ExitWindow.h"
#include "ui/mainwindow/AboutWindow.h"
#include "ui/report/Report.h"
#include "ui/report/ReportWindow.h"
#include "ui/widgets/Geometry.h"

#include "geomancy/FigureCatalogue.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QtTest>

// Every caption, title and value of every window must show whole with the
// fonts this machine has, which may be wider or taller than the ones the
// layout was drawn for. Each check measures the text with the metrics of
// the font the control actually uses.
namespace {

QString describe(const QWidget* control, const QString& text, const QSize& needed,
                 const QSize& room) {
    return QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
        .arg(control->objectName().isEmpty() ? QLatin1String(control->metaObject()->className())
                                             : control->objectName(),
             text.left(40))
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

bool fits(const QSize& needed, const QSize& room) {
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// Where a label's text lands: its size, measured as the label lays it out
// (one line per line break, or wrapped at the label's width).
QRect labelTextRect(const QLabel* label) {
    const QRect room = label->contentsRect();
    const QFontMetrics metrics(label->font());
    const QSize needed = label->wordWrap() ? metrics
                                                 .boundingRect(QRect(0, 0, room.width(), 100000),
                                                               Qt::TextWordWrap, label->text())
                                                 .size()
                                           : metrics.size(0, label->text());
    return QStyle::alignedRect(label->layoutDirection(), label->alignment(), needed, room);
}

// The pixels a one-line (or line-broken) label's glyphs cover, as opposed to
// the boxes of its lines: a line's empty descent may lie under a neighbour.
QRect inkRect(const QLabel* label, const QRect& textRect) {
    if (label->wordWrap())
        return textRect;
    const QFontMetrics metrics(label->font());
    QRect ink;
    const QStringList lines = QString(label->text())
                                  .replace(QLatin1String("\r\n"), QLatin1String("\n"))
                                  .split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].isEmpty())
            ink |= metrics.tightBoundingRect(lines[i]).translated(
                0, int(i) * metrics.lineSpacing() + metrics.ascent());
    }
    return ink.translated(textRect.topLeft());
}

// An opaque sibling stacked above the label that hides part of its glyphs.
// One that hides the whole label is the stacking's intent (only the front
// one of two labels on the same place is seen), not a cut text.
const QWidget* coveringSibling(const QLabel* label, const QRect& ink) {
    const QWidget* parent = label->parentWidget();
    if (parent == nullptr || ink.isEmpty())
        return nullptr;
    const QRect inParent = ink.translated(label->pos());
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(label) + 1; i < siblings.size(); ++i) {
        const auto* above = qobject_cast<const QWidget*>(siblings[i]);
        if (above != nullptr && !above->isHidden() && above->autoFillBackground() &&
            above->geometry().intersects(inParent) &&
            !above->geometry().contains(label->geometry()))
            return above;
    }
    return nullptr;
}

void checkLabel(const QLabel* label, QStringList& cut) {
    if (label->text().isEmpty() || label->isHidden())
        return;
    const QRect text = labelTextRect(label);
    const QRect room = label->contentsRect();
    if (!room.contains(text))
        cut << describe(label, label->text(), text.size(), room.size());
    else if (const QWidget* above = coveringSibling(label, inkRect(label, text)))
        cut << describe(label, label->text(), text.size(), room.size()) +
                   QStringLiteral(", covered by ") + above->objectName();
}

void checkPushButton(const QPushButton* button, QStringList& cut) {
    // The caption keeps the style's own margin inside the button's frame.
    const QStyle* style = button->style();
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    const QSize text = QFontMetrics(button->font()).size(Qt::TextShowMnemonic, button->text());
    const QSize room = button->size() - QSize(margin + 2 * frame, 2 * frame);
    if (!fits(text, room))
        cut << describe(button, button->text(), text, room);
}

void checkCheckBox(const QCheckBox* box, QStringList& cut) {
    const QStyle* style = box->style();
    const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                          style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
    const QSize text = QFontMetrics(box->font()).size(Qt::TextShowMnemonic, box->text());
    const QSize room = box->size() - QSize(indicator, 0);
    if (!fits(text, room))
        cut << describe(box, box->text(), text, room);
}

void checkTabHeader(const TabHeaderButton* header, QStringList& cut) {
    // A tab's caption keeps at least half the style's padding at the sides
    // and clears its frame at the top and bottom.
    const QStyle* style = header->style();
    const QSize padding(style->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, header) / 2,
                        2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, header));
    const QSize text = QFontMetrics(header->font()).size(Qt::TextShowMnemonic, header->text());
    if (!fits(text + padding, header->size()))
        cut << describe(header, header->text(), text + padding, header->size());
}

void checkFrameCaption(const QGroupBox* frame, QStringList& cut) {
    if (frame->title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.textAlignment = frame->alignment();
    const QRect caption = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxLabel, frame);
    if (!frame->rect().contains(caption))
        cut << describe(frame, frame->title(), caption.size(), frame->size());
}

// Every label, button, check box, tab header and frame caption of a window.
QStringList cutTexts(const QWidget& window) {
    QStringList cut;
    for (const QLabel* label : window.findChildren<QLabel*>())
        checkLabel(label, cut);
    for (const QPushButton* button : window.findChildren<QPushButton*>())
        checkPushButton(button, cut);
    for (const QCheckBox* box : window.findChildren<QCheckBox*>())
        checkCheckBox(box, cut);
    for (const TabHeaderButton* header : window.findChildren<TabHeaderButton*>())
        checkTabHeader(header, cut);
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>())
        checkFrameCaption(frame, cut);
    return cut;
}

// Scripts castings 1 to 4 to show catalogue rows `first` .. `first` + 3.
void scriptRows(MainWindowFixture& f, int first) {
    std::vector<int> lines;
    for (int row = first; row < first + 4; ++row) {
        const geomancy::GeomanticFigure& pattern =
            geomancy::figureCatalogue().at(static_cast<std::size_t>(row)).pattern;
        lines.insert(lines.end(), pattern.lines.begin(), pattern.lines.end());
    }
    f.script(lines);
}

// Set AZIVODER_SCREENSHOT_DIR to a folder to keep a picture of each window
// as it was checked.
void keepPicture(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("AZIVODER_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png")));
}

} // namespace

// Names every control whose text is cut, not only how many there are.
#define expectWhole(window)                                                                        \
    do {                                                                                           \
        const QStringList cut = cutTexts(window);                                                  \
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));                          \
    } while (false)

class TestTextFits : public QObject {
    Q_OBJECT
private slots:
    void mainWindowShowsEveryFigureWhole_data();
    void mainWindowShowsEveryFigureWhole();
    void aboutWindow();
    void exitWindowWithEachSupportMessage_data();
    void exitWindowWithEachSupportMessage();
    void reportWindow();
    void aControlGrowsOnlyWhenItsTextIsCut_data();
    void aControlGrowsOnlyWhenItsTextIsCut();
};

void TestTextFits::mainWindowShowsEveryFigureWhole_data() {
    // Four readings whose first four castings go through the whole
    // catalogue, so every figure's texts are shown on a tab at least once.
    QTest::addColumn<int>("firstRow");
    for (int row = 0; row < geomancy::FigureCount; row += 4)
        QTest::addRow("rows %d to %d", row, row + 3) << row;
}

void TestTextFits::mainWindowShowsEveryFigureWhole() {
    QFETCH(int, firstRow);
    MainWindowFixture f;
    scriptRows(f, firstRow);
    f.castWholeReading();
    showExposed(f.window);
    keepPicture(f.window, QStringLiteral("main-%1").arg(firstRow));
    expectWhole(f.window);
}

void TestTextFits::aboutWindow() {
    AboutWindow about;
    showExposed(about);
    keepPicture(about, QStringLiteral("about"));
    expectWhole(about);
}

void TestTextFits::exitWindowWithEachSupportMessage_data() {
    QTest::addColumn<float>("draw");
    for (int n = 0; n < ExitWindow::SupportMessageCount; ++n)
        QTest::addRow("message %d", n)
            << (static_cast<float>(n) + 0.5f) / ExitWindow::SupportMessageCount;
}

void TestTextFits::exitWindowWithEachSupportMessage() {
    QFETCH(float, draw);
    ScriptedRandom random{{draw}};
    ExitWindow window(random);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    showExposed(window);
    keepPicture(window, QStringLiteral("exit-%1")
                            .arg(QTest::currentDataTag())
                            .replace(QLatin1Char(' '), QLatin1Char('-')));
    expectWhole(window);
}

void TestTextFits::reportWindow() {
    Report report;
    report.reset(); // creates the window
    QVERIFY(report.window() != nullptr);
    showExposed(*report.window());
    expectWhole(*report.window());
}

void TestTextFits::aControlGrowsOnlyWhenItsTextIsCut_data() {
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("button");
    QTest::newRow("left label") << int(Qt::AlignLeft | Qt::AlignTop) << false;
    QTest::newRow("right label") << int(Qt::AlignRight | Qt::AlignBottom) << false;
    QTest::newRow("centred label") << int(Qt::AlignCenter) << false;
    QTest::newRow("button") << int(Qt::AlignCenter) << true;
}

void TestTextFits::aControlGrowsOnlyWhenItsTextIsCut() {
    QFETCH(int, alignment);
    QFETCH(bool, button);
    QWidget window;
    QLabel label(QStringLiteral("Wide caption"), &window);
    label.setAlignment(Qt::Alignment(alignment));
    QPushButton push(QStringLiteral("Wide caption"), &window);
    QWidget* control = button ? static_cast<QWidget*>(&push) : &label;
    const TwipRect at{1500, 1500, 1500, 300}; // 100 by 20 pixels
    const QRect design = at.toPixels();

    // A font small enough for the place: the control stays exactly there.
    QFont small = control->font();
    small.setPixelSize(6);
    control->setFont(small);
    placeControl(control, at);
    QCOMPARE(control->geometry(), design);

    // One far too big: the control grows round its anchor until it fits.
    QFont big = small;
    big.setPixelSize(30);
    control->setFont(big);
    placeControl(control, at);
    const QString problem = placementProblem(control, design);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(control->width() > design.width() && control->height() > design.height());
    expectWhole(window);
}

QTEST_MAIN(TestTextFits)
#include "test_text_fits.moc"
