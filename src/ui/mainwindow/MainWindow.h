#pragma once

#include "ui/mainwindow/DotPictures.h"
#include "ui/mainwindow/FigurePanel.h"
#include "ui/report/ReportOperations.h"

#include "geomancy/Reading.h"

#include <QMainWindow>

#include <array>
#include <optional>

class ClickableLabel;
class QGroupBox;
class QLabel;
class QMenu;
class PictureLabel;
class QPushButton;
class TwoRowTabWidget;

// The working window: the cast figures as dots, the twelve-house chart, a
// tab per casting with the figure's attributes, and the casting button whose
// eight presses make a reading and whose ninth clears it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Builds what the first frame shows. The rest (the panels of the seven
    // tab pages behind the first, the controls of the current-figure panel
    // below the window's edge, the hidden dot boxes' picture and the icon's
    // large sizes) follows once that frame is painted, so it costs the
    // start-up nothing; anything that reads or writes it (a press, a change
    // of tab) builds it first.
    explicit MainWindow(geomancy::Reading& reading, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The report registers itself here; the window reaches the report only
    // through these. Empty operations mean no report is connected.
    void setReportOperations(ReportOperations operations);

    ClickableLabel* cobrandLabel() const { return coBrandLabel_; }
    ClickableLabel* fullBrandLabel() const { return fullBrandLabel_; }

    // The casting button's handler: the next casting, or the reset after the
    // eighth. No exception leaves it.
    void castNext();

signals:
    void aboutRequested();
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Building the window, in the order a reader meets the controls.
    void createMenus();
    void createTopLine(QWidget* client);
    void createFigureFrame(QWidget* client);
    void createChart(QWidget* client);
    void createTabs(QWidget* client);
    void createButtons(QWidget* client);
    void createBrandingFrame(QWidget* client);
    void createCurrentFigurePanel(QWidget* client);
    void createCurrentFigureControls();
    void createTabPanel(int k);
    void buildTheRest();
    const DotPictures& dotPictures();
    void enterReadyState();

    // What a press shows of the casting it made, in this order.
    void showCasting(const geomancy::Casting& casting);
    void showDot(int slot, int value);
    void showHouseCell(int house);
    void showFigure(int k, std::optional<int> row);
    void resetReading();
    void bringHouseLabelsToFront();
    void nameHouseCells();
    void showReport();

    // What a screen reader hears of a press (CastingSpeech.cpp).
    void tellCasting(int k, std::optional<int> house);
    void tellNewReading();

    geomancy::Reading& reading_;
    ReportOperations report_;
    std::optional<DotPictures> dotPictures_; // loaded on first use

    ClickableLabel* topLine_ = nullptr;
    ClickableLabel* descriptionLink_ = nullptr;
    ClickableLabel* coBrandLabel_ = nullptr;
    ClickableLabel* fullBrandLabel_ = nullptr;
    std::array<PictureLabel*, geomancy::LineValues::SlotCount> dots_{};
    std::array<QLabel*, geomancy::HouseCount> houseCells_{};
    std::array<QLabel*, geomancy::HouseCount + 1> houseLabels_{}; // the marker, then houses 1..12
    TwoRowTabWidget* tabs_ = nullptr;
    QPushButton* castButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QGroupBox* currentFigurePanel_ = nullptr;
    bool restBuilt_ = false;
    FigureControls currentFigure_;
    std::array<FigureControls, geomancy::CastingCount> tabFigures_{}; // a tab per casting
};
