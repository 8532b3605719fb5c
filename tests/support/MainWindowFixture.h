#pragma once

#include "geomancy/Reading.h"
#include "support/Controls.h"
#include "support/ScriptedRandom.h"
#include "support/Windows.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/widgets/TwoRowTabWidget.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include <vector>

// A main window over a reading whose random numbers the test scripts, with
// lookups of the controls by the names the rest of the program uses. It is
// shown and its first frame painted, after which the window has built all
// its controls, as the program's has by the time a user meets it; or, with
// `firstFrame` false, left as its constructor leaves it.
struct MainWindowFixture {
    ScriptedRandom random;
    geomancy::Reading reading{random};
    MainWindow window{reading};

    explicit MainWindowFixture(bool firstFrame = true) {
        if (!firstFrame)
            return;
        showExposed(window);
        if (!QTest::qWaitFor([this] { return window.findChild<QWidget*>(LastBuilt) != nullptr; }))
            qFatal("the main window never built what its first frame does not show");
    }
    static inline const QString LastBuilt = QStringLiteral("txtSignificanceDisplay_7");

    template <typename T = QWidget> T* find(const QString& name) const {
        return findControl<T>(&window, name);
    }
    template <typename T = QWidget> T* find(const char* name, int index) const {
        return findControl<T>(&window, name, index);
    }

    QLabel* dot(int i) const { return find<QLabel>("picCircle", i); }
    QLabel* cell(int i) const { return find<QLabel>("lblHouses", i); }
    QLabel* houseLabel(int i) const { return find<QLabel>("Asc", i); }
    TwoRowTabWidget* tabs() const { return find<TwoRowTabWidget>(QStringLiteral("SSTab1")); }
    QPushButton* castButton() const { return find<QPushButton>(QStringLiteral("cmdProceed")); }
    QPushButton* printButton() const { return find<QPushButton>(QStringLiteral("cmdPrint")); }

    // Line values of the random castings, four per casting, head line first.
    void script(const std::vector<int>& lines) { random.appendLines(lines); }

    void press(int times = 1) {
        for (int i = 0; i < times; ++i)
            window.castNext();
    }

    // The eight presses of a whole reading.
    void castWholeReading() { press(geomancy::CastingCount); }

    std::vector<int> visibleDots() const {
        std::vector<int> shown;
        for (int i = 0; i < geomancy::LineValues::SlotCount; ++i) {
            if (!dot(i)->isHidden())
                shown.push_back(i);
        }
        return shown;
    }
};
