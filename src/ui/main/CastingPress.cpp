// What a press of the casting button does: castings 1 to 8 of a reading,
// then the reset that clears the window for the next one.
#include "MainWindow.h"

#include "MainWindowTexts.h"
#include "TwoRowTabWidget.h"

#include <Reading.h>

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int LastCasting = 8;
constexpr int ResetPress = LastCasting + 1;

// Each step of a press runs on its own: a step that fails is dropped and the
// press goes on with the next, so one bad control never stops a casting.
template <typename Step> void attempt(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

} // namespace

void MainWindow::cmdProceed_Click() {
    attempt([this] { reading_.setCastCount(static_cast<std::int16_t>(reading_.CastCount() + 1)); });
    const int k = reading_.CastCount();
    if (k >= 1 && k <= LastCasting) {
        castNext(k);
    } else if (k == ResetPress) {
        attempt([this] {
            if (cmdProceed_->text() == maintexts::RefreshCaption)
                resetReading();
        });
        attempt([this] { ssTab1_->setCurrentIndex(0); });
    }
}

void MainWindow::castNext(int k) {
    attempt([this, k] { reading_.CastLines(k); });
    showDots(k);
    if (k == 1) {
        // The Ascendant always stands in house 1: its marker, no cell text.
        attempt([this] { reading_.InterpretCasting(1); });
        attempt([this] { asc_[0]->show(); });
    } else {
        attempt([this, k] { placePlanet(k); });
        attempt([this, k] { reading_.InterpretCasting(k); });
    }
    if (k == LastCasting) {
        attempt([this] { cmdProceed_->setText(maintexts::RefreshCaption); });
        attempt([this] { cmdPrint_->setEnabled(true); });
    }
    attempt([this, k] { ssTab1_->setCurrentIndex(k - 1); });
}

void MainWindow::showDots(int k) {
    const int first = 4 * (k - 1);
    for (int slot = first; slot < first + 4; ++slot) {
        attempt([this, slot] {
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
    attempt([this] { currentFigure_.clear(); });
    attempt([this] { cmdPrint_->setEnabled(false); });
    attempt([this] {
        for (const FigureControls& tab : tabFigures_)
            tab.clear();
    });
    attempt([this] { reading_.reset(); }); // CastCount 0, no line values, empty cells
    attempt([this] {
        for (QLabel* cell : lblHouses_)
            cell->clear();
    });
    attempt([this] {
        for (QLabel* dot : picCircle_)
            dot->hide();
    });
    attempt([this] { cmdProceed_->setText(maintexts::CastCaption); });
    attempt([this] {
        if (report_.reset)
            report_.reset();
    });
    attempt([this] { bringHouseLabelsToFront(); });
    attempt([this] { asc_[0]->hide(); });
}

void MainWindow::cmdPrint_Click() {
    attempt([this] {
        if (report_.show)
            report_.show();
    });
}
