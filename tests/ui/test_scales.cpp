#include "support/MainWindowFixture.h"

#include "ui/exit/ExitWindow.h"
#include "ui/mainwindow/AboutWindow.h"
#include "ui/mainwindow/AboutWindowLayout.h"
#include "ui/mainwindow/MainWindowLayout.h"
#include "ui/report/Report.h"
#include "ui/report/ReportWindow.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/PictureLabel.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QScreen>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// Every window at the scales people use, each on a screen of its own in one
// run, as a desktop with several monitors has them. Each line and border is
// checked along its whole length in the device pixels the window is drawn in.
namespace {

struct Screen {
    const char* name;
    int width, height, percent; // device pixels
};
constexpr Screen Screens[] = {
    {"1366 x 768 at 100 %", 1366, 768, 100},   {"1920 x 1080 at 125 %", 1920, 1080, 125},
    {"1920 x 1080 at 150 %", 1920, 1080, 150}, {"2880 x 1800 at 175 %", 2880, 1800, 175},
    {"2560 x 1600 at 200 %", 2560, 1600, 200},
};
// What a desktop takes round a window, in logical pixels: title bar and
// frame, and a taskbar.
constexpr int TitleBarAndTaskbar = 40 + 48;

// A line one logical pixel thick, in window coordinates, with its colour.
struct Line {
    QString name;
    QRect at;
    QColor colour;
    int ends; // logical pixels left unchecked at each end (rounded corners)
};

void addBorder(QList<Line>& lines, const QString& name, const QRect& box, const QColor& colour,
               int ends) {
    lines << Line{name + " top", {box.left(), box.top(), box.width(), 1}, colour, ends}
          << Line{name + " bottom", {box.left(), box.bottom(), box.width(), 1}, colour, ends}
          << Line{name + " left", {box.left(), box.top(), 1, box.height()}, colour, ends}
          << Line{name + " right", {box.right(), box.top(), 1, box.height()}, colour, ends};
}

QRect inWindow(const QWidget* control) {
    return control->rect().translated(control->mapTo(control->window(), QPoint()));
}

// The lines the layout tables place: the main window's rule, dot columns,
// chart centre and house cells, the About window's rule.
QList<Line> tableLines(const QWidget* window) {
    QStringList boxes, rules;
    const auto addRules = [&rules](const auto& places) {
        for (const ControlPlace& place : places)
            if (place.at.height == twips::PerPixel)
                rules << QLatin1String(place.name);
    };
    if (window->objectName() == "frmMain") {
        addRules(mainlayout::Places);
        boxes << "dotColumn_0"
              << "dotColumn_1"
              << "chartCentre";
        for (std::size_t i = 0; i < mainlayout::ChartHouses.size(); ++i)
            boxes << QStringLiteral("lblHouses_%1").arg(i);
    } else if (window->objectName() == "frmAbout") {
        addRules(aboutlayout::Places);
    }
    QList<Line> lines;
    for (const QString& name : boxes) {
        const QWidget* c = findControl<QWidget>(window, name);
        addBorder(lines, name, inWindow(c), c->palette().color(QPalette::WindowText), 1);
    }
    for (const QString& name : rules) {
        const QWidget* c = findControl<QWidget>(window, name);
        const auto role = c->autoFillBackground() ? QPalette::Window : QPalette::WindowText;
        lines << Line{name, inWindow(c) & window->rect(), c->palette().color(role), 0};
    }
    return lines;
}

// The frames the style draws (group boxes, the tab page, text boxes) stand
// where the style puts them: each side is read off the window at 100 %, the
// first pixel in from the edge, near the bottom right corner (clear of a
// caption), that stands out from the pixels further in.
QList<Line> styleFrames(const QWidget* window, const QImage& atHundred) {
    QList<Line> lines;
    for (const QWidget* c : window->findChildren<QWidget*>()) {
        const QRect box = inWindow(c);
        const bool frame =
            qobject_cast<const QGroupBox*>(c) || qobject_cast<const QAbstractScrollArea*>(c) ||
            (qobject_cast<const QStackedWidget*>(c) && c->parentWidget()->objectName() == "SSTab1");
        if (!frame || !c->isVisibleTo(window) || !atHundred.rect().contains(box) ||
            box.height() < 24)
            continue;
        const QPoint starts[] = {{box.right() - 12, box.top()},
                                 {box.right() - 12, box.bottom()},
                                 {box.left(), box.bottom() - 12},
                                 {box.right(), box.bottom() - 12}};
        const QPoint inwards[] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
        int in[4] = {-1, -1, -1, -1};
        for (int side = 0; side < 4; ++side) {
            for (int step = 0; step < 40 && in[side] < 0; ++step) {
                const QPoint p = starts[side] + inwards[side] * step;
                const QColor a = atHundred.pixelColor(p),
                             b = atHundred.pixelColor(p + inwards[side] * 4);
                if (qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) +
                        qAbs(a.blue() - b.blue()) >
                    36)
                    in[side] = step;
            }
        }
        if (std::min({in[0], in[1], in[2], in[3]}) < 0)
            continue; // no frame to see
        QList<Line> sides;
        addBorder(sides, c->objectName(), box.adjusted(in[2], in[0], -in[3], -in[1]), QColor(), 8);
        for (int side = 0; side < 4; ++side)
            sides[side].colour = atHundred.pixelColor(starts[side] + inwards[side] * in[side]);
        if (const auto* group = qobject_cast<const QGroupBox*>(c);
            group && !group->title().isEmpty())
            sides[0].at.setLeft(box.left() + c->fontMetrics().horizontalAdvance(group->title()) +
                                12);
        lines += sides;
    }
    return lines;
}

// Where the line is missing: the device pixels along it with no pixel of its
// colour within one device pixel of its scaled place across.
QString missing(const Line& line, const QImage& image, qreal ratio) {
    const bool across = line.at.height() == 1;
    const int at = across ? line.at.top() : line.at.left();
    const int from = across ? line.at.left() : line.at.top();
    const int to = from + (across ? line.at.width() : line.at.height());
    const int tolerance = line.ends > 1 ? 48 : 24; // a style's frame is scaled and blended
    int gaps = 0, total = 0;
    for (int along = qCeil((from + line.ends) * ratio) + 1;
         along <= qFloor((to - line.ends) * ratio) - 2; ++along, ++total) {
        bool found = false;
        for (int a = qFloor(at * ratio) - 1; a <= qCeil((at + 1) * ratio) && !found; ++a) {
            const QPoint p = across ? QPoint(along, a) : QPoint(a, along);
            const QColor c = image.rect().contains(p) ? image.pixelColor(p) : QColor();
            found = qAbs(c.red() - line.colour.red()) <= tolerance &&
                    qAbs(c.green() - line.colour.green()) <= tolerance &&
                    qAbs(c.blue() - line.colour.blue()) <= tolerance;
        }
        gaps += found ? 0 : 1;
    }
    return gaps == 0 ? QString()
                     : QStringLiteral("%1: %2 of %3 device pixels missing")
                           .arg(line.name)
                           .arg(gaps)
                           .arg(total);
}

// Each picture drawn pixel for pixel for the window's ratio, from a source at
// least as large as the device pixels it covers.
QStringList unsharpPictures(const QWidget* window, qreal ratio) {
    QStringList faults;
    const auto largest = [](const QIcon& icon) {
        int side = 0;
        for (const QSize& size : icon.availableSizes())
            side = qMax(side, size.width());
        return side;
    };
    if (largest(window->windowIcon()) < qCeil(32 * ratio))
        faults << "the window's icon has no source large enough";
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->pixmap().isNull() || !label->isVisibleTo(window))
            continue;
        if (qAbs(label->pixmap().devicePixelRatio() - ratio) > 0.01)
            faults << QStringLiteral("%1 is drawn for %2")
                          .arg(label->objectName())
                          .arg(label->pixmap().devicePixelRatio());
        const auto* picture = dynamic_cast<const PictureLabel*>(label);
        if (picture && largest(picture->picture()) < label->pixmap().width())
            faults << label->objectName() + " has no source large enough";
    }
    return faults;
}

// A window of the program as a user meets it, and what it needs to live.
struct Opened {
    std::unique_ptr<MainWindowFixture> main;
    ScriptedRandom random{{0.5f}};
    std::unique_ptr<QWidget> window;
    Report report;
    QWidget* widget = nullptr;
};

std::unique_ptr<Opened> open(const QString& which) {
    auto opened = std::make_unique<Opened>();
    if (which.startsWith("main window")) {
        opened->main = std::make_unique<MainWindowFixture>(false);
        if (which.endsWith("reading")) {
            opened->main->script({1, 2, 1, 1, 2, 2, 1, 2, 1, 1, 2, 2, 2, 1, 2, 1});
            opened->main->castWholeReading();
        }
        opened->widget = &opened->main->window;
    } else if (which == "exit window") {
        opened->window = std::make_unique<ExitWindow>(opened->random);
    } else if (which == "About window") {
        opened->window = std::make_unique<AboutWindow>();
    } else {
        opened->report.reset();
        opened->widget = opened->report.window();
    }
    if (opened->window)
        opened->widget = opened->window.get();
    return opened;
}

QScreen* screenAt(int percent) {
    for (QScreen* screen : QGuiApplication::screens())
        if (qRound(screen->devicePixelRatio() * 100) == percent)
            return screen;
    qFatal("no screen at %d %%", percent);
}

void showOn(QWidget* window, int percent) {
    window->setScreen(screenAt(percent));
    window->move(screenAt(percent)->geometry().topLeft() + QPoint(20, 20));
    showExposed(*window);
    QVERIFY(QTest::qWaitFor([&] { return qRound(window->devicePixelRatioF() * 100) == percent; }));
    if (window->objectName() == "frmMain")
        QVERIFY(QTest::qWaitFor(
            [&] { return window->findChild<QWidget*>(MainWindowFixture::LastBuilt); }));
}

} // namespace

class TestScales : public QObject {
    Q_OBJECT
private slots:
    void everyLineAndPictureIsWhole_data();
    void everyLineAndPictureIsWhole();
    void aMessageBoxIconIsDrawnForItsScreen_data();
    void aMessageBoxIconIsDrawnForItsScreen();
};

void TestScales::everyLineAndPictureIsWhole_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("openedAt");
    QTest::addColumn<int>("percent");
    for (const char* window : {"main window after a whole reading", "main window when ready",
                               "exit window", "About window", "report window"})
        for (const Screen& screen : Screens)
            QTest::addRow("%s on a %s", window, screen.name)
                << QString(window) << screen.percent << screen.percent;
    // Moved to a screen of another scale, a window is drawn anew for it.
    QTest::newRow("main window after a whole reading moved from 100 % to 150 %")
        << "main window after a whole reading" << 100 << 150;
    QTest::newRow("main window after a whole reading moved from 200 % to 125 %")
        << "main window after a whole reading" << 200 << 125;
    QTest::newRow("About window moved from 100 % to 175 %") << "About window" << 100 << 175;
}

void TestScales::everyLineAndPictureIsWhole() {
    QFETCH(QString, window);
    QFETCH(int, openedAt);
    QFETCH(int, percent);
    const std::unique_ptr<Opened> reference = open(window); // where the style's frames are found
    showOn(reference->widget, 100);
    const QImage hundred = reference->widget->grab().toImage();
    const std::unique_ptr<Opened> opened = open(window);
    QWidget* shown = opened->widget;
    showOn(shown, openedAt);
    if (openedAt != percent) {
        (void)shown->grab(); // its frames drawn and cached at the first scale
        showOn(shown, percent);
    }
    const qreal ratio = percent / 100.0;
    const QImage image = shown->grab().toImage();
    QCOMPARE(shown->size(), reference->widget->size()); // the design size, in logical pixels
    // Set AZIVODER_SCREENSHOT_DIR to a folder to keep each picture checked.
    if (const QString folder = qEnvironmentVariable("AZIVODER_SCREENSHOT_DIR"); !folder.isEmpty())
        QVERIFY(
            image.save(folder + '/' + QString(QTest::currentDataTag()).replace(' ', '-') + ".png"));

    QStringList faults = unsharpPictures(shown, ratio);
    for (const Line& line : tableLines(shown) + styleFrames(reference->widget, hundred))
        if (const QString gap = missing(line, image, ratio); !gap.isEmpty())
            faults << gap;
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));

    const QSize screen = shown->screen()->geometry().size();
    QVERIFY2(shown->width() <= screen.width() &&
                 shown->height() + TitleBarAndTaskbar <= screen.height(),
             qPrintable(QStringLiteral("%1 x %2 on %3 x %4")
                            .arg(shown->width())
                            .arg(shown->height())
                            .arg(screen.width())
                            .arg(screen.height())));
}

void TestScales::aMessageBoxIconIsDrawnForItsScreen_data() {
    QTest::addColumn<int>("percent");
    for (const Screen& screen : Screens)
        QTest::addRow("on a %s", screen.name) << screen.percent;
}

void TestScales::aMessageBoxIconIsDrawnForItsScreen() {
    QFETCH(int, percent);
    ScriptedRandom random{{0.5f}};
    ExitWindow parent(random);
    parent.setAttribute(Qt::WA_DeleteOnClose, false);
    showOn(&parent, percent);
    QStringList faults{"no box"};
    QTimer::singleShot(0, this, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            faults = unsharpPictures(box, percent / 100.0);
            box->done(QMessageBox::Ok);
        }
    });
    MessageBoxes::error(&parent, QStringLiteral("Please enter your name."));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// The screens exist before the application does: the offscreen platform
// reads them from a file named in its options.
int main(int argc, char* argv[]) {
    // Beside the test, named without a drive, whose colon the platform's
    // options would split; the current folder stays (relative paths of the
    // environment, the fonts' under Wine, mean it).
    QTemporaryDir folder(QStringLiteral("scales-screens-XXXXXX"));
    QJsonArray screens;
    int left = 0;
    for (const Screen& screen : Screens) {
        screens.append(QJsonObject{{"name", screen.name},
                                   {"x", left},
                                   {"y", 0},
                                   {"width", screen.width},
                                   {"height", screen.height},
                                   {"logicalDpi", 96 * screen.percent / 100},
                                   {"logicalBaseDpi", 96}});
        left += screen.width;
    }
    QFile file(folder.filePath("screens.json"));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(QJsonObject{{"screens", screens}}).toJson()) < 0)
        qFatal("cannot write the screens");
    file.close();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") +
                                   QDir().relativeFilePath(file.fileName()).toUtf8());
    qunsetenv("QT_SCALE_FACTOR");
    QApplication app(argc, argv);
    TestScales test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_scales.moc"
