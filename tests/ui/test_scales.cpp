#include "support/MainWindowFixture.h"
#include "support/ScriptedRandom.h"
#include "support/Windows.h"

#include "ui/exit/ExitWindow.h"
#include "ui/exit/ExitWindowLayout.h"
#include "ui/mainwindow/AboutWindow.h"
#include "ui/mainwindow/AboutWindowLayout.h"
#include "ui/mainwindow/DotPictures.h"
#include "ui/mainwindow/MainWindowLayout.h"
#include "ui/report/Report.h"
#include "ui/report/ReportWindow.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/PictureLabel.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QStackedWidget>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// Every window at the scales people use, each on a screen of its own in one
// run, as a desktop with several monitors has them: the common screens at
// their default scale and two more for 125 % and 175 %. The lines, borders
// and frames come from the windows' layout tables; each is checked along
// its whole length in the device pixels the window is drawn in.
namespace {

struct Screen {
    const char* name;
    int width, height; // device pixels
    int percent;
};

constexpr Screen Screens[] = {
    {"1366 x 768 at 100 %", 1366, 768, 100},   {"1920 x 1080 at 125 %", 1920, 1080, 125},
    {"1920 x 1080 at 150 %", 1920, 1080, 150}, {"2880 x 1800 at 175 %", 2880, 1800, 175},
    {"2560 x 1600 at 200 %", 2560, 1600, 200},
};

// Room a desktop takes from a screen round a window, in logical pixels: a
// title bar and frame, and a taskbar.
constexpr int TitleBarAndFrame = 40;
constexpr int Taskbar = 48;

QScreen* screenAt(int percent) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (qRound(screen->devicePixelRatio() * 100) == percent)
            return screen;
    }
    qFatal("no screen at %d %%", percent);
}

// One line of a window, one logical pixel thick, in window coordinates, and
// the colour it has at 100 %.
struct Line {
    QString name;
    QRect at;
    QColor colour;
    int ends; // logical pixels at each end left unchecked (rounded corners)
};

QRect inWindow(const QWidget* control, const QRect& rect) {
    return rect.translated(control->mapTo(control->window(), QPoint(0, 0)));
}

// The four sides of a one-pixel border just inside `box`.
void addBorder(QList<Line>& lines, const QString& name, const QRect& box, const QColor& colour,
               int ends = 1) {
    lines.append({name + QStringLiteral(" top"), QRect(box.left(), box.top(), box.width(), 1),
                  colour, ends});
    lines.append({name + QStringLiteral(" bottom"), QRect(box.left(), box.bottom(), box.width(), 1),
                  colour, ends});
    lines.append({name + QStringLiteral(" left"), QRect(box.left(), box.top(), 1, box.height()),
                  colour, ends});
    lines.append({name + QStringLiteral(" right"), QRect(box.right(), box.top(), 1, box.height()),
                  colour, ends});
}

QWidget* control(const QWidget* window, const QString& name) {
    return findControl<QWidget>(window, name);
}

// Lines whose place the layout tables give exactly.
QList<Line> tableLines(const QWidget* window) {
    QList<Line> lines;
    const auto box = [&](const QString& name) {
        const QWidget* c = control(window, name);
        addBorder(lines, name, inWindow(c, c->rect()), c->palette().color(QPalette::WindowText));
    };
    const auto rule = [&](const char* name, const QColor& colour) {
        const QWidget* c = control(window, QLatin1String(name));
        lines.append({QLatin1String(name), inWindow(c, c->rect()), colour, 0});
    };
    if (window->objectName() == QLatin1String("frmMain")) {
        rule("rule",
             control(window, QStringLiteral("rule"))->palette().color(QPalette::WindowText));
        for (const ControlPlace& place : mainlayout::Places) {
            const QString name = QLatin1String(place.name);
            if (name.startsWith(QLatin1String("dotColumn")) || name == QLatin1String("chartCentre"))
                box(name);
        }
        for (std::size_t i = 0; i < mainlayout::ChartHouses.size(); ++i)
            box(QStringLiteral("lblHouses_%1").arg(i));
    } else if (window->objectName() == QLatin1String("frmAbout")) {
        for (const ControlPlace& place : aboutlayout::Places) {
            if (place.at.height == twips::PerPixel)
                rule(place.name,
                     control(window, QLatin1String(place.name))->palette().color(QPalette::Window));
        }
    }
    return lines;
}

// The frames the style draws (group boxes, the tab control's page, text
// boxes): their place within the control is the style's, so it is read off
// the window at 100 %, each side's first pixel that stands out from inside.
void addStyleFrame(QList<Line>& lines, const QString& name, const QWidget* c,
                   const QImage& atHundred) {
    const QRect box = inWindow(c, c->rect());
    if (!atHundred.rect().contains(box))
        return; // below the window's edge: not seen
    const auto stands = [&](const QPoint& p, const QPoint& inward) {
        const QColor a = atHundred.pixelColor(p), b = atHundred.pixelColor(p + inward * 4);
        return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) >
               36;
    };
    // Each side's offset inward, looked for near the bottom right corner,
    // clear of a caption; far enough in for the caption above a group box.
    const QPoint probe(box.right() - 12, box.bottom() - 12);
    const QPoint starts[] = {{probe.x(), box.top()},
                             {probe.x(), box.bottom()},
                             {box.left(), probe.y()},
                             {box.right(), probe.y()}};
    const QPoint inwards[] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
    int offsets[4];
    for (int side = 0; side < 4; ++side) {
        offsets[side] = -1;
        for (int step = 0; step < 40 && step < box.height() / 4; ++step) {
            if (stands(starts[side] + inwards[side] * step, inwards[side])) {
                offsets[side] = step;
                break;
            }
        }
        if (offsets[side] < 0)
            return; // no frame to see
    }
    const QRect frame = box.adjusted(offsets[2], offsets[0], -offsets[3], -offsets[1]);
    QList<Line> sides;
    addBorder(sides, name, frame, QColor(), 8);
    for (int side = 0; side < 4; ++side)
        sides[side].colour = atHundred.pixelColor(starts[side] + inwards[side] * offsets[side]);
    // A group box's caption stands over the left of its top side.
    if (const auto* group = qobject_cast<const QGroupBox*>(c); group && !group->title().isEmpty()) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect caption = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                             QStyle::SC_GroupBoxLabel, group);
        sides[0].at.setLeft(box.left() + caption.right() + 1);
    }
    lines += sides;
}

QList<Line> styleFrames(const QWidget* window, const QImage& atHundred) {
    QList<Line> lines;
    for (const QWidget* c : window->findChildren<QWidget*>()) {
        if (!c->isVisibleTo(window) || c->width() < 24 || c->height() < 24)
            continue;
        const bool frame = qobject_cast<const QGroupBox*>(c) != nullptr ||
                           qobject_cast<const QAbstractScrollArea*>(c) != nullptr ||
                           qobject_cast<const QLineEdit*>(c) != nullptr ||
                           (qobject_cast<const QStackedWidget*>(c) != nullptr &&
                            c->parentWidget()->objectName() == QLatin1String("SSTab1"));
        if (frame)
            addStyleFrame(lines,
                          c->objectName().isEmpty() ? QLatin1String(c->metaObject()->className())
                                                    : c->objectName(),
                          c, atHundred);
    }
    return lines;
}

bool near(const QColor& a, const QColor& b, int tolerance) {
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

// Where the line is missing at `ratio`: the device pixels along it with no
// pixel of its colour within one device pixel of its scaled place across.
QString missing(const Line& line, const QImage& image, qreal ratio) {
    const bool horizontal = line.at.height() == 1;
    const int across = horizontal ? line.at.top() : line.at.left();
    const int from = horizontal ? line.at.left() : line.at.top();
    const int to = from + (horizontal ? line.at.width() : line.at.height());
    const int acrossFirst = qFloor(across * ratio) - 1;
    const int acrossLast = qCeil((across + 1) * ratio);
    // A style's frame is scaled and blended: its colour within a wider margin.
    const int tolerance = line.ends > 1 ? 48 : 24;
    int gaps = 0, first = -1;
    const int alongFirst = qCeil((from + line.ends) * ratio) + 1;
    const int alongLast = qFloor((to - line.ends) * ratio) - 2;
    for (int along = alongFirst; along <= alongLast; ++along) {
        bool found = false;
        for (int a = acrossFirst; a <= acrossLast && !found; ++a) {
            const QPoint p = horizontal ? QPoint(along, a) : QPoint(a, along);
            found = image.rect().contains(p) && near(image.pixelColor(p), line.colour, tolerance);
        }
        if (!found && gaps++ == 0)
            first = along;
    }
    if (gaps == 0)
        return {};
    return QStringLiteral("%1: %2 of %3 device pixels missing, from %4")
        .arg(line.name)
        .arg(gaps)
        .arg(alongLast - alongFirst + 1)
        .arg(first);
}

// Every picture of the window is drawn 1:1 for the window's pixel ratio,
// from a source at least as large as the device pixels it covers.
QStringList blurredPictures(const QWidget* window, qreal ratio) {
    QStringList faults;
    const auto largest = [](const QIcon& icon) {
        int side = 0;
        for (const QSize& size : icon.availableSizes())
            side = qMax(side, size.width());
        return side;
    };
    if (largest(window->windowIcon()) < qCeil(32 * ratio))
        faults << QStringLiteral("the window's icon has no source of %1 pixels")
                      .arg(qCeil(32 * ratio));
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        const QPixmap pixmap = label->pixmap();
        if (pixmap.isNull() || !label->isVisibleTo(window))
            continue;
        if (qAbs(pixmap.devicePixelRatio() - ratio) > 0.01)
            faults << QStringLiteral("%1 is drawn for %2, not %3")
                          .arg(label->objectName())
                          .arg(pixmap.devicePixelRatio())
                          .arg(ratio);
        const auto* picture = dynamic_cast<const PictureLabel*>(label);
        if (picture != nullptr &&
            largest(picture->picture()) < qCeil(pixmap.deviceIndependentSize().width() * ratio))
            faults << label->objectName() + QStringLiteral(" has no source large enough");
    }
    return faults;
}

// A window of the program, opened as a user meets it.
class OpenWindow {
public:
    virtual ~OpenWindow() = default;
    virtual QWidget* widget() = 0;
};

struct MainWindowOpen : OpenWindow {
    explicit MainWindowOpen(bool wholeReading) : whole(wholeReading) {}
    QWidget* widget() override {
        if (whole) {
            f.script(WorkedLines);
            f.castWholeReading();
        }
        return &f.window;
    }
    static inline const std::vector<int> WorkedLines{1, 2, 1, 1, 2, 2, 1, 2,
                                                     1, 1, 2, 2, 2, 1, 2, 1};
    MainWindowFixture f{false};
    bool whole;
};

struct ExitOpen : OpenWindow {
    QWidget* widget() override { return &window; }
    ScriptedRandom random{{0.5f}};
    ExitWindow window{random};
};

struct AboutOpen : OpenWindow {
    QWidget* widget() override { return &window; }
    AboutWindow window;
};

struct ReportOpen : OpenWindow {
    QWidget* widget() override {
        report.reset();
        return report.window();
    }
    Report report;
};

std::unique_ptr<OpenWindow> open(const QString& which) {
    if (which == QLatin1String("main window after a whole reading"))
        return std::make_unique<MainWindowOpen>(true);
    if (which == QLatin1String("main window when ready"))
        return std::make_unique<MainWindowOpen>(false);
    if (which == QLatin1String("exit window"))
        return std::make_unique<ExitOpen>();
    if (which == QLatin1String("About window"))
        return std::make_unique<AboutOpen>();
    return std::make_unique<ReportOpen>();
}

void putOn(QWidget* window, int percent) {
    QScreen* screen = screenAt(percent);
    window->setScreen(screen);
    window->move(screen->geometry().topLeft() + QPoint(20, 20));
}

void showOn(QWidget* window, int percent) {
    putOn(window, percent);
    showExposed(*window);
    if (window->objectName() == QLatin1String("frmMain") && !QTest::qWaitFor([window] {
            return window->findChild<QWidget*>(MainWindowFixture::LastBuilt) != nullptr;
        }))
        qFatal("the main window never built the rest");
}

} // namespace

class TestScales : public QObject {
    Q_OBJECT
private slots:
    void everyLineAndPictureIsWhole_data();
    void everyLineAndPictureIsWhole();
    void aMessageBoxIconIsDrawnForItsScale_data();
    void aMessageBoxIconIsDrawnForItsScale();
};

void TestScales::everyLineAndPictureIsWhole_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("openedAt");
    QTest::addColumn<int>("percent");
    const char* const windows[] = {"main window after a whole reading", "main window when ready",
                                   "exit window", "About window", "report window"};
    for (const char* window : windows) {
        for (const Screen& screen : Screens)
            QTest::addRow("%s on a %s", window, screen.name)
                << QString::fromLatin1(window) << screen.percent << screen.percent;
    }
    // Moved to a screen of another scale, a window is drawn anew for it.
    QTest::newRow("main window after a whole reading moved from 100 % to 150 %")
        << QStringLiteral("main window after a whole reading") << 100 << 150;
    QTest::newRow("main window after a whole reading moved from 200 % to 125 %")
        << QStringLiteral("main window after a whole reading") << 200 << 125;
    QTest::newRow("About window moved from 100 % to 175 %")
        << QStringLiteral("About window") << 100 << 175;
}

void TestScales::everyLineAndPictureIsWhole() {
    QFETCH(QString, window);
    QFETCH(int, openedAt);
    QFETCH(int, percent);

    // The same window at 100 %, where the style's frames are found.
    std::unique_ptr<OpenWindow> reference = open(window);
    QWidget* atHundred = reference->widget();
    showOn(atHundred, 100);
    const QImage hundred = atHundred->grab().toImage();
    QCOMPARE(hundred.devicePixelRatio(), 1.0);

    std::unique_ptr<OpenWindow> opened = open(window);
    QWidget* shown = opened->widget();
    showOn(shown, openedAt);
    if (openedAt != percent) {
        (void)shown->grab(); // its frames drawn and cached at the first scale
        putOn(shown, percent);
        QVERIFY(
            QTest::qWaitFor([&] { return qRound(shown->devicePixelRatioF() * 100) == percent; }));
    }
    const qreal ratio = percent / 100.0;
    const QImage image = shown->grab().toImage();
    QCOMPARE(image.devicePixelRatio(), ratio);
    QCOMPARE(shown->size(), atHundred->size()); // the design size, in logical pixels

    // Set AZIVODER_SCREENSHOT_DIR to a folder to keep each picture checked.
    const QString folder = qEnvironmentVariable("AZIVODER_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(image.save(QStringLiteral("%1/%2.png")
                               .arg(folder, QString::fromLatin1(QTest::currentDataTag()))
                               .replace(QLatin1Char(' '), QLatin1Char('-'))));

    QList<Line> lines = tableLines(shown) + styleFrames(atHundred, hundred);
    QVERIFY(!lines.isEmpty());
    QStringList faults;
    for (const Line& line : lines) {
        Line seen = line;
        seen.at &= shown->rect(); // a line may run past the window's edges
        const QString gap = missing(seen, image, ratio);
        if (!gap.isEmpty())
            faults << gap;
    }
    faults += blurredPictures(shown, ratio);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

    // Title bar, frame and taskbar included, the window fits the screen.
    const QSize screen = shown->screen()->geometry().size();
    QVERIFY2(shown->width() <= screen.width() &&
                 shown->height() + TitleBarAndFrame + Taskbar <= screen.height(),
             qPrintable(QStringLiteral("%1 x %2 on %3 x %4")
                            .arg(shown->width())
                            .arg(shown->height())
                            .arg(screen.width())
                            .arg(screen.height())));
}

void TestScales::aMessageBoxIconIsDrawnForItsScale_data() {
    QTest::addColumn<int>("percent");
    for (const Screen& screen : Screens)
        QTest::addRow("on a %s", screen.name) << screen.percent;
}

void TestScales::aMessageBoxIconIsDrawnForItsScale() {
    QFETCH(int, percent);
    ScriptedRandom random{{0.5f}};
    ExitWindow parent(random);
    parent.setAttribute(Qt::WA_DeleteOnClose, false);
    showOn(&parent, percent);
    QStringList faults;
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        seen = QTest::qWaitForWindowExposed(box);
        faults = blurredPictures(box, box->devicePixelRatioF());
        if (qRound(box->devicePixelRatioF() * 100) != percent)
            faults << QStringLiteral("the box is at %1").arg(box->devicePixelRatioF());
        box->done(QMessageBox::Ok);
    });
    MessageBoxes::error(&parent, QStringLiteral("Please enter your name."));
    QVERIFY(seen);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// The screens exist before the application does: the offscreen platform
// reads them from a file named on its command line.
int main(int argc, char* argv[]) {
    QTemporaryDir folder;
    QJsonArray screens;
    int left = 0;
    for (const Screen& screen : Screens) {
        screens.append(QJsonObject{{"name", QLatin1String(screen.name)},
                                   {"x", left},
                                   {"y", 0},
                                   {"width", screen.width},
                                   {"height", screen.height},
                                   {"logicalDpi", 96 * screen.percent / 100},
                                   {"logicalBaseDpi", 96}});
        left += screen.width;
    }
    QFile file(folder.filePath(QStringLiteral("screens.json")));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(QJsonObject{{"screens", screens}}).toJson()) < 0)
        qFatal("cannot write the screens");
    file.close();
    // Named without a drive, whose colon the platform's options would split.
    QDir::setCurrent(folder.path());
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=screens.json");
    qunsetenv("QT_SCALE_FACTOR");
    QApplication app(argc, argv);
    TestScales test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_scales.moc"
