// What a press of the casting button does: castings 1 to 8 of a reading,
// then the reset that clears the window for the next one. The calls into
// the model and into the report may fail; each is a step of its own, so one
// failure never stops the rest of a press.
#include "ui/mainwindow/MainWindow.h"

#include "ui/mainwindow/MainWindowTexts.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/StepRunner.h"
#include "ui/widgets/TwoRowTabWidget.h"

#include "geomancy/Reading.h"

#include <QLabel>
#include <QPushButton>

void MainWindow::castNext() {
    ensureHiddenPanelsBuilt();
    reading_.setCastCount(static_cast<std::int16_t>(reading_.castCount() + 1));
    const int k = reading_.castCount();
    if (k >= 1 && k <= geomancy::CastingCount) {
        makeCasting(k);
    } else if (k == geomancy::CastingCount + 1) { // the press after a complete reading
        if (castButton_->text() == maintexts::RefreshCaption)
            resetReading();
        tabs_->setCurrentIndex(0);
        tellNewReading();
    }
}

void MainWindow::makeCasting(int k) {
    std::vector<std::function<void()>> steps{[this, k] { reading_.castLines(k); }};
    for (int line = 0; line < 4; ++line)
        steps.push_back([this, slot = 4 * (k - 1) + line] { showDot(slot); });
    // The Ascendant always stands in house 1: its marker, no cell text.
    if (k > 1)
        steps.push_back([this, k] { placePlanet(k); });
    steps.push_back([this, k] { reading_.interpretCasting(k); });
    runSteps(steps);

    if (k == 1) {
        houseLabels_[0]->show();
        nameHouseCells();
    }
    if (k == geomancy::CastingCount) {
        castButton_->setText(maintexts::RefreshCaption);
        printButton_->setEnabled(true);
    }
    tabs_->setCurrentIndex(k - 1);
    tellCasting(k);
}

void MainWindow::showDot(int slot) {
    // A line left without a value (its casting failed) has no picture: the
    // box then stays hidden.
    const int value = reading_.lineValues()[slot];
    QLabel* dot = dots_.at(static_cast<std::size_t>(slot));
    dot->setPixmap(dotPictures().picture(value));
    accessibility::setName(
        dot, maintexts::dotName(maintexts::TabCaptions.at(static_cast<std::size_t>(slot / 4)),
                                slot % 4 + 1, DotPictures::accessibleName(value)));
    dot->show();
}

void MainWindow::placePlanet(int k) {
    // The model appends the planet's name to its copy of the cell, which the
    // caption mirrors: one cell text, never two that could disagree.
    const std::optional<int> house = reading_.placePlanet(k);
    if (house) {
        houseCells_.at(static_cast<std::size_t>(*house - 1))
            ->setText(QString::fromStdString(reading_.houseCell(*house)));
        nameHouseCells();
    }
}

void MainWindow::resetReading() {
    currentFigure_.clear();
    printButton_->setEnabled(false);
    for (const FigureControls& tab : tabFigures_)
        tab.clear();
    reading_.reset(); // CastCount 0, no line values, empty cells
    for (QLabel* cell : houseCells_)
        cell->clear();
    for (QLabel* dot : dots_)
        dot->hide();
    castButton_->setText(maintexts::CastCaption);
    runSteps({report_.reset});
    bringHouseLabelsToFront();
    houseLabels_[0]->hide();
    nameHouseCells();
}

void MainWindow::showReport() {
    runSteps({report_.show});
}
