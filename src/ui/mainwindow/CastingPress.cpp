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

void MainWindow::cmdProceed_Click() {
    ignoringErrors([this] { reading_.setCastCount(static_cast<std::int16_t>(reading_.CastCount() + 1)); });
    const int k = reading_.CastCount();
    if (k >= 1 && k <= LastCasting) {
        castNext(k);
    } else if (k == ResetPress) {
        ignoringErrors([this] {
            if (cmdProceed_->text() == maintexts::RefreshCaption)
                resetReading();
        });
        ignoringErrors([this] { ssTab1_->setCurrentIndex(0); });
    }
}

void MainWindow::castNext(int k) {
    ignoringErrors([this, k] { reading_.CastLines(k); });
    showDots(k);
    if (k == 1) {
        // The Ascendant always stands in house 1: its marker, no cell text.
        ignoringErrors([this] { reading_.InterpretCasting(1); });
        ignoringErrors([this] { asc_[0]->show(); });
    } else {
        ignoringErrors([this, k] { placePlanet(k); });
        ignoringErrors([this, k] { reading_.InterpretCasting(k); });
    }
    if (k == LastCasting) {
        ignoringErrors([this] { cmdProceed_->setText(maintexts::RefreshCaption); });
        ignoringErrors([this] { cmdPrint_->setEnabled(true); });
    }
    ignoringErrors([this, k] { ssTab1_->setCurrentIndex(k - 1); });
}

void MainWindow::showDots(int k) {
    const int first = 4 * (k - 1);
    for (int slot = first; slot < first + 4; ++slot) {
        ignoringErrors([this, slot] {
            const int value = reading_.lineValues()[slot];
            QLabel* dot = picCircle_.at(static_cast<std::size_t>(slot));
            dot->setPixmap(imgCircle_.picture(value));
            dot->setAccessibleName(DotPictures::accessibleName(value));
            dot->show();
        });
    }
}

void MainWindow::placePlanet(int k) {
    // The model appends the planet's name to its copy of the cell, which the
    // caption mirrors: one cell text, never two that could disagree.
    const std::optional<int> house = reading_.PlacePlanet(k);
    if (house)
        lblHouses_.at(static_cast<std::size_t>(*house - 1))
            ->setText(QString::fromStdString(reading_.houseCell(*house)));
}

void MainWindow::resetReading() {
    ignoringErrors([this] { currentFigure_.clear(); });
    ignoringErrors([this] { cmdPrint_->setEnabled(false); });
    ignoringErrors([this] {
        for (const FigureControls& tab : tabFigures_)
            tab.clear();
    });
    ignoringErrors([this] { reading_.reset(); }); // CastCount 0, no line values, empty cells
    ignoringErrors([this] {
        for (QLabel* cell : lblHouses_)
            cell->clear();
    });
    ignoringErrors([this] {
        for (QLabel* dot : picCircle_)
            dot->hide();
    });
    ignoringErrors([this] { cmdProceed_->setText(maintexts::CastCaption); });
    ignoringErrors([this] {
        if (report_.reset)
            report_.reset();
    });
    ignoringErrors([this] { bringHouseLabelsToFront(); });
    ignoringErrors([this] { asc_[0]->hide(); });
}

void MainWindow::cmdPrint_Click() {
    ignoringErrors([this] {
        if (report_.show)
            report_.show();
    });
}
