// What a press of the casting button does: castings 1 to 8 of a reading,
// then the reset that clears the window for the next one. The calls into
// the model and into the report may fail; each is a step of its own, so one
// failure never stops the rest of a press.
#include "ui/mainwindow/MainWindow.h"

#include "ui/mainwindow/MainWindowTexts.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/PictureLabel.h"
#include "ui/widgets/StepRunner.h"
#include "ui/widgets/TwoRowTabWidget.h"

#include "geomancy/FigureCatalogue.h"
#include "geomancy/Reading.h"

#include <QLabel>
#include <QPushButton>

void MainWindow::castNext() {
    buildTheRest();
    std::optional<geomancy::Casting> casting;
    runSteps({{"cast the next casting", [this, &casting] { casting = reading_.castNext(); }}});
    if (casting) {
        if (!casting->failure.empty())
            logSkippedStep("draw the casting's lines", casting->failure.c_str());
        showCasting(*casting);
    } else if (reading_.castCount() == geomancy::CastingCount + 1) { // after a complete reading
        resetReading();
        tabs_->setCurrentIndex(0);
        tellNewReading();
    }
}

void MainWindow::showCasting(const geomancy::Casting& casting) {
    const int k = casting.number;
    std::vector<Step> steps;
    for (int line = 0; line < 4; ++line) {
        steps.push_back(
            {"show a dot", [this, slot = 4 * (k - 1) + line,
                            value = casting.lines.lines[static_cast<std::size_t>(line)]] {
                 showDot(slot, value);
             }});
    }
    if (casting.house)
        steps.push_back(
            {"show the house cell", [this, house = *casting.house] { showHouseCell(house); }});
    steps.push_back(
        {"show the figure", [this, k, row = casting.catalogueRow] { showFigure(k, row); }});
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
    tellCasting(k, casting.house);
}

void MainWindow::showDot(int slot, int value) {
    // A line left without a value (its casting failed) has no picture: the
    // box stays hidden.
    if (value != 1 && value != 2)
        return;
    PictureLabel* dot = dots_.at(static_cast<std::size_t>(slot));
    dot->setPicture(dotPictures().icon(value), DotPictures::Size);
    accessibility::setName(dot, maintexts::dotName(maintexts::tabCaption(slot / 4), slot % 4 + 1,
                                                   DotPictures::accessibleName(value)));
    dot->show();
}

void MainWindow::showHouseCell(int house) {
    // The model keeps the planets; the caption is made from them, a CR LF
    // before each name, so one list never disagrees with what is shown.
    QString text;
    for (const std::string& planet : reading_.planetsIn(house))
        text += QStringLiteral("\r\n") + QString::fromStdString(planet);
    houseCells_.at(static_cast<std::size_t>(house - 1))->setText(text);
    nameHouseCells();
}

void MainWindow::showFigure(int k, std::optional<int> row) {
    currentFigure_.clear();
    // Lines that form no figure show and report nothing.
    if (!row)
        return;
    const geomancy::CatalogueRow& figure =
        geomancy::figureCatalogue().at(static_cast<std::size_t>(*row));
    currentFigure_.show(figure);
    tabFigures_.at(static_cast<std::size_t>(k - 1)).show(figure);
    // Only what was shown is reported; a failing report is the end of this
    // step alone, as the window already shows the figure.
    if (report_.append)
        report_.append(k, *row);
}

void MainWindow::resetReading() {
    currentFigure_.clear();
    printButton_->setEnabled(false);
    for (const FigureControls& tab : tabFigures_)
        tab.clear();
    reading_.reset(); // CastCount 0, no line values, empty houses
    for (QLabel* cell : houseCells_)
        cell->clear();
    for (QLabel* dot : dots_)
        dot->hide();
    castButton_->setText(maintexts::CastCaption);
    runSteps({{"reset the report", report_.reset}});
    bringHouseLabelsToFront();
    houseLabels_[0]->hide();
    nameHouseCells();
}

void MainWindow::showReport() {
    runSteps({{"show the report", report_.show}});
}
