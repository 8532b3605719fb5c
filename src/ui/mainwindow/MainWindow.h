#pragma once

#include "ui/mainwindow/DotPictures.h"
#include "ui/mainwindow/FigurePanel.h"
#include "ui/report/ReportOperations.h"

#include <QMainWindow>

#include <array>

class ClickableLabel;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class TwoRowTabWidget;

namespace geomancy {
class Reading;
}

// The working window: the cast figures as dots, the twelve-house chart, a
// tab per casting with the figure's attributes, and the casting button whose
// eight presses make a reading and whose ninth clears it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int DotCount = 32;
    static constexpr int HouseCount = 12;
    static constexpr int TabCount = 8;

    explicit MainWindow(geomancy::Reading& reading, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The report registers itself here; the window reaches the report only
    // through these. Empty operations mean no report is connected.
    void setReportOperations(ReportOperations operations);

    ClickableLabel* cobrandLabel() const { return lblCobrand_; }
    ClickableLabel* fullBrandLabel() const { return lblFullBrand_; }

    // The casting button's handler: the next casting, or the reset after the
    // eighth. No exception leaves it.
    void cmdProceed_Click();

signals:
    void aboutRequested();
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Building the window, in the order a reader meets the controls.
    void createActions();
    void createMenus();
    void createTopLine(QWidget* client);
    void createFigureFrame(QWidget* client);
    void createChart(QWidget* client);
    void createTabs(QWidget* client);
    void createButtons(QWidget* client);
    void createBrandingFrame(QWidget* client);
    void createCurrentFigurePanel(QWidget* client);
    void registerFigureDisplay();
    void centreOnScreen();
    void Form_Load();

    // The figure display the model writes into.
    void showFigure(int row, int tab);

    // The casting sequence.
    void castNext(int k);
    void showDots(int k);
    void placePlanet(int k);
    void resetReading();
    void bringHouseLabelsToFront();
    void cmdPrint_Click();

    geomancy::Reading& reading_;
    ReportOperations report_;
    DotPictures imgCircle_;

    QAction* mnuExit_ = nullptr;
    QAction* mnuOnline_ = nullptr;
    QAction* mnuVisit_ = nullptr;
    QAction* mnuFileSep1_ = nullptr;
    QAction* mnuUpdate_ = nullptr;
    QAction* mnuFileSep2_ = nullptr;
    QAction* mnuAbout_ = nullptr;
    QAction* mnuDonate_ = nullptr;
    QAction* mnumakemoney_ = nullptr;

    ClickableLabel* label61_ = nullptr;
    ClickableLabel* label2_ = nullptr;
    ClickableLabel* lblCobrand_ = nullptr;
    ClickableLabel* lblFullBrand_ = nullptr;
    std::array<QLabel*, DotCount> picCircle_{};
    std::array<QLabel*, HouseCount> lblHouses_{};
    std::array<QLabel*, HouseCount + 1> asc_{};
    TwoRowTabWidget* ssTab1_ = nullptr;
    QPushButton* cmdProceed_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
    FigureControls currentFigure_;
    std::array<FigureControls, TabCount> tabFigures_{};
};
