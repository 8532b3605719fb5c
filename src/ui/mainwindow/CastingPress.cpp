// What a press of the casting button does: castings 1 to 8 of a reading,
// then the reset that clears the window for the next one.
#include "ui/mainwindow/MainWindow.h"

#include "ui/widgets/IgnoringErrors.h"
#include "ui/mainwindow/MainWindowTexts.h"
#include "ui/widgets/TwoRowTabWidget.h"

#include "geomancy/Reading.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int LastCasting = 8;
constexpr int ResetPress = LastCasting + 1;

} // namespace

void MainWindow::castNext() {
    ignoringErrors([this] { reading_.setCastCount(static_cast<std::int16_t>(reading_.castCount() + 1)); });
    const int k = reading_.castCount();
    if (k >= 1 && k <= LastCasting) {
        makeCasting(k);
    } else if (k == ResetPress) {
        ignoringErrors([this] {
            if (castButton_->text() == maintexts::RefreshCaption)
                resetReading();
        });
        ignoringErrors([this] { tabs_->setCurrentIndex(0); });
    }
}

void MainWindow::makeCasting(int k) {
    ignoringErrors([this, k] { reading_.castLines(k); });
    showDots(k);
    if (k == 1) {
        // The Ascendant always stands in house 1: its marker, no cell text.
        ignoringErrors([this] { reading_.interpretCasting(1); });
        ignoringErrors([this] { houseLabels_[0]->show(); });
    } else {
        ignoringErrors([this, k] { placePlanet(k); });
        ignoringErrors([this, k] { reading_.interpretCasting(k); });
    }
    if (k == LastCasting) {
        ignoringErrors([this] { castButton_->setText(maintexts::RefreshCaption); });
        ignoringErrors([this] { printButton_->setEnabled(true); });
    }
    ignoringErrors([this, k] { tabs_->setCurrentIndex(k - 1); });
}

void MainWindow::showDots(int k) {
    const int first = 4 * (k - 1);
    for (int slot = first; slot < first + 4; ++slot) {
        ignoringErrors([this, slot] {
            const int value = reading_.lineValues()[slot];
            QLabel* dot = dots_.at(static_cast<std::size_t>(slot));
            dot->setPixmap(dotPictures_.picture(value));
            const QString name = DotPictures::accessibleName(value);
            if (dot->accessibleName() != name) // screen readers hear of real changes only
                dot->setAccessibleName(name);
            dot->show();
        });
    }
}

void MainWindow::placePlanet(int k) {
    // The model appends the planet's name to its copy of the cell, which the
    // caption mirrors: one cell text, never two that could disagree.
    const std::optional<int> house = reading_.placePlanet(k);
    if (house)
        houseCells_.at(static_cast<std::size_t>(*house - 1))
            ->setText(QString::fromStdString(reading_.houseCell(*house)));
}

void MainWindow::resetReading() {
    ignoringErrors([this] { currentFigure_.clear(); });
    ignoringErrors([this] { printButton_->setEnabled(false); });
    ignoringErrors([this] {
        for (const FigureControls& tab : tabFigures_)
            tab.clear();
    });
    ignoringErrors([this] { reading_.reset(); }); // CastCount 0, no line values, empty cells
    ignoringErrors([this] {
        for (QLabel* cell : houseCells_)
            cell->clear();
    });
    ignoringErrors([this] {
        for (QLabel* dot : dots_)
            dot->hide();
    });
    ignoringErrors([this] { castButton_->setText(maintexts::CastCaption); });
    ignoringErrors([this] {
        if (report_.reset)
            report_.reset();
    });
    ignoringErrors([this] { bringHouseLabelsToFront(); });
    ignoringErrors([this] { houseLabels_[0]->hide(); });
}

void MainWindow::showReport() {
    ignoringErrors([this] {
        if (report_.show)
            report_.show();
    });
}
