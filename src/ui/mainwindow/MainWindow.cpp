#include "ui/mainwindow/MainWindow.h"

#include "ui/mainwindow/MainWindowLayout.h"
#include "ui/mainwindow/MainWindowTexts.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/AppInfo.h"
#include "ui/widgets/BorderedLabel.h"
#include "ui/widgets/CachedFrames.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/ClipboardGuard.h"
#include "ui/widgets/Colours.h"
#include "ui/widgets/DevicePixels.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/PictureLabel.h"
#include "ui/widgets/ReturnPress.h"
#include "ui/widgets/TwoRowTabWidget.h"
#include "ui/widgets/WindowSetUp.h"
#include "web/WebPage.h"

#include "geomancy/Reading.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>

using namespace mainlayout;

namespace {

// A frame with a caption; its children keep their own fonts and colours.
// Its border is drawn once and copied after (a tab page's frame is drawn
// again at every change of tab).
QGroupBox* createFrame(const QString& caption, const QFont& font, const QColor& colour,
                       QWidget* parent) {
    auto* frame = new CachedFrameGroupBox(caption, parent);
    frame->setFont(font);
    setPaletteColour(frame, {QPalette::WindowText, QPalette::Text}, colour);
    return frame;
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

} // namespace

MainWindow::MainWindow(geomancy::Reading& reading, QWidget* parent)
    : QMainWindow(parent), reading_(reading) {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setUpWindow(this, "frmMain", smallAppIcon(), client, twips::size(ClientWidth, ClientHeight));
    client->setFont(fonts::verdana(8.25));
    setCentralWidget(client);

    createMenus();
    createTopLine(client);
    createFigureFrame(client);
    createChart(client);
    createTabs(client);
    createButtons(client);
    createBrandingFrame(client);
    createCurrentFigurePanel(client);
    placeAndCentre(this, Places);

    // No control moves with the window, so the window keeps the size of
    // its client area and menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize(); // the menu bar's height counts in the window's size
    enterReadyState();
    castButton_->setFocus(); // the window opens ready for the first casting
}

MainWindow::~MainWindow() = default;

void MainWindow::setReportOperations(ReportOperations operations) {
    report_ = std::move(operations);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    // Queued, it runs once this frame has been painted and flushed.
    if (!restBuilt_)
        QMetaObject::invokeMethod(this, &MainWindow::buildTheRest, Qt::QueuedConnection);
}

void MainWindow::buildTheRest() {
    if (restBuilt_)
        return;
    restBuilt_ = true;
    for (int k = 1; k < geomancy::CastingCount; ++k) {
        createTabPanel(k);
        // Where it would stand had it been built with the window: after the
        // previous tab's box, before the buttons.
        QWidget::setTabOrder(tabFigures_[static_cast<std::size_t>(k - 1)].significance,
                             tabFigures_[static_cast<std::size_t>(k)].significance);
    }
    createCurrentFigureControls();
    // Every box carries picture 1 until its line is cast; all are hidden
    // until then.
    for (PictureLabel* dot : dots_)
        dot->setPicture(dotPictures().icon(1), DotPictures::Size);
    // As the window's load leaves them.
    currentFigure_.clear();
    for (std::size_t k = 1; k < tabFigures_.size(); ++k)
        tabFigures_[k].clear();
    setWindowIcon(appIcon());
}

void MainWindow::createMenus() {
    // Each command is made where its menu is, named as the design names it.
    const auto addCommand = [this](QWidget* menu, const QString& text, const char* name) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        menu->addAction(action);
        return action;
    };
    const auto addPageCommand = [&](QWidget* menu, const QString& text, const char* name,
                                    WebPage page) {
        connect(addCommand(menu, text, name), &QAction::triggered, this,
                [page] { openWebPage(page); });
    };
    const auto addSeparator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    QMenu* fileMenu = menuBar()->addMenu(maintexts::FileMenu);
    fileMenu->setObjectName(QStringLiteral("nuFile"));
    fileMenu->menuAction()->setObjectName(QStringLiteral("nuFile"));
    connect(addCommand(fileMenu, maintexts::ExitCommand, "mnuExit"), &QAction::triggered, this,
            &QWidget::close);

    QMenu* helpMenu = menuBar()->addMenu(maintexts::HelpMenu);
    helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    helpMenu->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    addPageCommand(helpMenu, maintexts::OnlineHelpCommand, "mnuOnline", WebPage::OnlineHelpPage);
    addPageCommand(helpMenu, maintexts::VisitUsCommand, "mnuVisit", WebPage::HomePage);
    addSeparator(helpMenu, "mnuFileSep1");
    addPageCommand(helpMenu, maintexts::UpdateCommand, "mnuUpdate", WebPage::DownloadPage);
    addSeparator(helpMenu, "mnuFileSep2");
    connect(addCommand(helpMenu, maintexts::AboutCommand, "mnuAbout"), &QAction::triggered, this,
            &MainWindow::aboutRequested);

    // Commands straight on the menu bar, without a submenu.
    addPageCommand(menuBar(), maintexts::DonateCommand, "mnuDonate", WebPage::DonationPage);
    // Present but not usable.
    addCommand(menuBar(), maintexts::MakeMoneyCommand, "mnumakemoney")->setEnabled(false);
}

void MainWindow::createTopLine(QWidget* client) {
    topLine_ = ClickableLabel::createLink("Label61", maintexts::topLineText(homePageDisplayName()),
                                          fonts::verdana(9, fonts::Bold | fonts::Underline),
                                          colours::Charcoal, client,
                                          [] { openWebPage(WebPage::HomePage); });
    topLine_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* rule = new PixelFrame(client);
    rule->setObjectName(QStringLiteral("rule"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);

    // Clickable, but not dressed as a link.
    descriptionLink_ = new ClickableLabel(ProgramDescription, client);
    descriptionLink_->setObjectName(QStringLiteral("Label2"));
    descriptionLink_->setFont(fonts::verdana(8.25, fonts::Bold));
    setPaletteColour(descriptionLink_, {QPalette::WindowText, QPalette::Text}, colours::Blue);
    descriptionLink_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    descriptionLink_->setWordWrap(true);
    connect(descriptionLink_, &ClickableLabel::clicked, this,
            [] { openWebPage(WebPage::FullBrandingPage); });
}

void MainWindow::createFigureFrame(QWidget* client) {
    QGroupBox* frame = createFrame(maintexts::FigureFrameCaption, fonts::verdana(8.25, fonts::Bold),
                                   colours::Red, client);
    frame->setObjectName(QStringLiteral("figureFrame"));

    std::array<QFrame*, 2> columns{};
    for (std::size_t c = 0; c < columns.size(); ++c) {
        auto* column = new PixelFrame(frame);
        column->setObjectName(indexed("dotColumn", static_cast<int>(c)));
        column->setFrameStyle(QFrame::Box | QFrame::Plain);
        setPaletteColour(column, {QPalette::WindowText, QPalette::Text},
                         colours::system(QPalette::WindowText)); // not the caption's red
        setPaletteColour(column, {QPalette::Window}, colours::White);
        QStringList castings;
        for (std::size_t k = c * 4; k < c * 4 + 4; ++k)
            castings << maintexts::tabCaption(static_cast<int>(k));
        column->setAccessibleName(maintexts::dotColumnName(static_cast<int>(c * 4 + 1), castings));
        columns[c] = column;
    }
    for (int i = 0; i < geomancy::LineValues::SlotCount; ++i) {
        auto* dot = new PictureLabel(columns[static_cast<std::size_t>(i / DotsPerColumn)]);
        dot->setObjectName(indexed("picCircle", i));
        placeControl(dot, dotBox(i));
        dots_[static_cast<std::size_t>(i)] = dot;
    }
}

const DotPictures& MainWindow::dotPictures() {
    if (!dotPictures_)
        dotPictures_.emplace();
    return *dotPictures_;
}

void MainWindow::createChart(QWidget* client) {
    auto* chart = new QGroupBox(client);
    chart->setObjectName(QStringLiteral("chartFrame"));
    chart->setAccessibleName(maintexts::ChartName);

    // Built from the bottom of the stack up: cell 1, the marker, cells 12
    // down to 2, the house labels, the centre, and the signs on top.
    const auto createCell = [&](int i) {
        const ChartHouse& house = ChartHouses[static_cast<std::size_t>(i)];
        auto* cell = new BorderedLabel(chart);
        cell->setObjectName(indexed("lblHouses", i));
        placeControl(cell, {house.cellLeft, house.cellTop, CellSize, CellSize});
        // The border keeps the window text colour; the names are magenta.
        setPaletteColour(cell, {QPalette::Text}, colours::DarkMagenta);
        cell->setForegroundRole(QPalette::Text);
        cell->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // QLabel breaks at CR LF as at a plain LF, so the caption holds the
        // cell text exactly, empty first line included.
        setPaletteColour(cell, {QPalette::Window},
                         colours::system(QPalette::Base)); // the system window colour
        houseCells_[static_cast<std::size_t>(i)] = cell;
    };
    const QFont houseFont = fonts::verdana(8.25, fonts::Bold | fonts::Italic);
    const auto createHouseLabel = [&](int index, const QString& text, const QColor& colour) {
        QLabel* label = createLabel(indexed("Asc", index), text, houseFont, chart, colour);
        setPaletteColour(label, {QPalette::Window}, colours::White);
        houseLabels_[static_cast<std::size_t>(index)] = label;
        return label;
    };

    createCell(0);
    createHouseLabel(0, QLatin1String(geomancy::castingSequence()[0].shortName), colours::Red);
    for (int i = geomancy::HouseCount - 1; i >= 1; --i)
        createCell(i);
    for (int h = 1; h <= geomancy::HouseCount; ++h) {
        const ChartHouse& house = ChartHouses[static_cast<std::size_t>(h - 1)];
        QLabel* label = createHouseLabel(h, maintexts::houseLabelText(h), colours::DarkBlue);
        placeControl(label, {house.labelLeft, house.labelTop, house.labelWidth, HouseLabelHeight});
    }

    // Read house by house from the keyboard: one Tab stop, the arrows move.
    accessibility::makeReviewList(chart, {houseCells_.begin(), houseCells_.end()});

    auto* centre = new PixelFrame(chart);
    centre->setObjectName(QStringLiteral("chartCentre"));
    centre->setFrameStyle(QFrame::Box | QFrame::Plain);

    QLabel* centreLabel =
        createLabel(QStringLiteral("chartCentreLabel"), maintexts::ChartCentreCaption,
                    fonts::verdana(14.25, fonts::Bold | fonts::Italic), chart, colours::DarkRed);
    centreLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    const auto& signs = geomancy::houseSigns();
    for (int i = 0; i < geomancy::HouseCount; ++i) {
        const ChartHouse& house = ChartHouses[static_cast<std::size_t>(i)];
        auto* sign = new QLabel(QString::fromLatin1(signs[static_cast<std::size_t>(i)]), chart);
        sign->setObjectName(indexed("sign", i));
        setPaletteColour(sign, {QPalette::WindowText, QPalette::Text}, colours::Rust);
        sign->move(twips::point(house.signLeft, house.signTop));
        sign->adjustSize();
        // The house label below is stacked above the sign and opaque; a
        // font taller than the layout's would have its descenders hidden.
        keepClearAbove(sign, houseLabels_[static_cast<std::size_t>(i + 1)]);
    }
}

void MainWindow::createTabs(QWidget* client) {
    tabs_ = new TwoRowTabWidget(TabsPerRow, twips::toPixels(TabHeaderRowHeight), client);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->setAccessibleName(maintexts::TabsName);

    for (int k = 0; k < geomancy::CastingCount; ++k) {
        auto* page = new QWidget;
        page->setObjectName(indexed("tabPage", k));
        tabs_->addTab(page, maintexts::tabCaption(k));
    }

    // The frames' places are given from the top of the tab control; the
    // pages start below the header rows, which are known once all tabs are in.
    createTabPanel(0);
    // Before a page that was never built is shown.
    connect(tabs_, &TwoRowTabWidget::currentChanged, this, &MainWindow::buildTheRest);
}

void MainWindow::createTabPanel(int k) {
    QWidget* page = tabs_->widget(k);
    const TwipRect& at = k == 0 ? TabFrameFirst : TabFrame;
    QGroupBox* frame = createFrame(maintexts::tabFrameCaption(k), fonts::verdana(9, fonts::Bold),
                                   colours::Red, page);
    frame->setObjectName(indexed("ss", k));
    placeControl(frame, at);
    frame->move(frame->pos() - QPoint(0, tabs_->pageOffset()));
    tabFigures_[static_cast<std::size_t>(k)] =
        buildFigurePanel(frame, QStringLiteral("Display_%1").arg(k));
    ClipboardGuard::install(tabFigures_[static_cast<std::size_t>(k)].significance);
    // A child added to a widget on screen stays hidden until shown.
    if (page->isVisible())
        frame->show();
}

void MainWindow::createButtons(QWidget* client) {
    const auto createButton = [client](const QString& caption, const char* name,
                                       const QFont& font) {
        auto* button = new QPushButton(caption, client);
        button->setObjectName(QLatin1String(name));
        button->setFont(font);
        setPaletteColour(button, {QPalette::Button}, colours::Silver);
        pressOnReturn(button);
        return button;
    };
    castButton_ =
        createButton(maintexts::CastCaption, "cmdProceed", fonts::verdana(9.75, fonts::Bold));
    connect(castButton_, &QPushButton::clicked, this, &MainWindow::castNext);
    castButton_->setAccessibleName(maintexts::castButtonName(1));

    printButton_ =
        createButton(maintexts::PrintCaption, "cmdPrint", fonts::verdana(8.25, fonts::Bold));
    printButton_->setEnabled(false); // until a reading is complete
    connect(printButton_, &QPushButton::clicked, this, &MainWindow::showReport);
}

void MainWindow::createBrandingFrame(QWidget* client) {
    // A plain frame: a group box is painted with the style's tint inside,
    // and this one is white.
    auto* frame = new QFrame(client);
    frame->setObjectName(QStringLiteral("Frame5"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    setPaletteColour(frame, {QPalette::Window}, colours::White);

    // Both labels fill the same rectangle on an opaque background, so the
    // one in front is the one seen.
    const auto createBrandLabel = [frame](const QString& text, const char* name, WebPage page) {
        ClickableLabel* label = ClickableLabel::createLink(
            name, text, fonts::verdana(8.25, fonts::Bold | fonts::Underline), colours::Charcoal,
            frame, [page] { openWebPage(page); });
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        setPaletteColour(label, {QPalette::Window}, colours::White);
        return label;
    };
    coBrandLabel_ = createBrandLabel(maintexts::CobrandText, "lblCobrand", WebPage::CoBrandingPage);
    fullBrandLabel_ = createBrandLabel(FullBrandingLink, "lblFullBrand", WebPage::FullBrandingPage);
}

void MainWindow::createCurrentFigurePanel(QWidget* client) {
    // Mostly below the client area: only the top of its frame shows, yet its
    // controls are written with every casting like a tab's.
    // Its top row lies under the tab control's bottom edge, so each change of
    // tab repaints a strip of it: its border is drawn through the cache too.
    currentFigurePanel_ = new CachedFrameGroupBox(maintexts::CurrentFigureCaption, client);
    currentFigurePanel_->setObjectName(QStringLiteral("currentFigurePanel"));
}

void MainWindow::createCurrentFigureControls() {
    currentFigure_ = buildFigurePanel(currentFigurePanel_, QString());
    ClipboardGuard::install(currentFigure_.significance);
    // Out of the tab order, or the focus would vanish below the window's edge.
    currentFigure_.significance->setFocusPolicy(Qt::NoFocus);
    // A child added to a widget on screen stays hidden until shown.
    if (currentFigurePanel_->isVisible()) {
        for (QWidget* control :
             currentFigurePanel_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            control->show();
    }
}

void MainWindow::enterReadyState() {
    for (PictureLabel* dot : dots_)
        dot->hide();
    castButton_->setText(maintexts::CastCaption);
    bringHouseLabelsToFront();
    tabFigures_[0].clear(); // the others are built empty
    houseLabels_[0]->hide();
    nameHouseCells();
}

void MainWindow::bringHouseLabelsToFront() {
    for (QLabel* label : houseLabels_)
        label->raise();
}

void MainWindow::nameHouseCells() {
    // Read out as the house and what it holds, not as the cell's raw lines.
    for (int i = 0; i < geomancy::HouseCount; ++i) {
        QStringList holds;
        if (i == 0 && !houseLabels_[0]->isHidden())
            holds << maintexts::tabCaption(0);
        for (const std::string& planet : reading_.planetsIn(i + 1))
            holds << QString::fromStdString(planet);
        accessibility::setName(houseCells_[static_cast<std::size_t>(i)],
                               maintexts::houseCellName(i + 1, holds));
    }
}
