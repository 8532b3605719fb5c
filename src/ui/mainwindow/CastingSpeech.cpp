// What a screen reader hears of a press: the casting just made, spoken
// without moving the focus, and kept where it can be asked again (the
// casting button's and the tab's descriptions); the casting button's name
// says which planet the next press casts. The visible captions stay as
// they are.
#include "ui/mainwindow/MainWindow.h"

#include "ui/mainwindow/MainWindowTexts.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/TwoRowTabWidget.h"

#include "geomancy/Reading.h"

#include <QLabel>
#include <QPushButton>

void MainWindow::tellCasting(int k, std::optional<int> house) {
    // The Ascendant stands in house 1 and is placed by no press.
    const QString figure = tabFigures_.at(static_cast<std::size_t>(k - 1)).labels[0]->text();
    const QString summary = maintexts::castingSummary(k, figure, k == 1 ? 1 : house.value_or(0));
    accessibility::setDescription(tabs_->tabHeader(k - 1), summary);
    accessibility::setDescription(castButton_, summary);
    const bool complete = k == geomancy::CastingCount;
    accessibility::setName(castButton_, complete ? maintexts::RefreshButtonName
                                                 : maintexts::castButtonName(k + 1));
    accessibility::announce(this, complete ? summary + QStringLiteral(". ") +
                                                 maintexts::ReadingCompleteSpoken
                                           : summary);
}

void MainWindow::tellNewReading() {
    for (int k = 0; k < tabs_->count(); ++k)
        accessibility::setDescription(tabs_->tabHeader(k), QString());
    accessibility::setDescription(castButton_, QString());
    accessibility::setName(castButton_, maintexts::castButtonName(1));
    accessibility::announce(this, maintexts::NewReadingSpoken);
}
