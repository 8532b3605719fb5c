#include "ui/mainwindow/MainWindow.h"

#include "ui/widgets/AppInfo.h"
#include "ui/widgets/BorderedLabel.h"
#include "ui/widgets/CachedFrames.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/ClipboardGuard.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/IgnoringErrors.h"
#include "ui/mainwindow/MainWindowLayout.h"
#include "ui/mainwindow/MainWindowTexts.h"
#include "ui/widgets/TwoRowTabWidget.h"
#include "web/WebPage.h"

#include "geomancy/FigureCatalogue.h"
#include "geomancy/Reading.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

using namespace mainlayout;

namespace {

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour); // some styles draw frame captions with it
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A frame with a caption; its children keep their own fonts and colours.
// Its border is drawn once and copied after (a tab page's frame is drawn
// again at every change of tab).
QGroupBox* createFrame(const QString& caption, const QFont& font, const QColor& colour, const TwipRect& at,
                       QWidget* parent) {
    auto* frame = new CachedFrameGroupBox(caption, parent);
    frame->setFont(font);
    setTextColour(frame, colour);
    frame->setGeometry(at.toPixels());
    return frame;
}

QLabel* createLabel(const QString& text, const QString& name, const QFont& font, const QColor& colour,
                    const TwipRect& at, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setFont(font);
    setTextColour(label, colour);
    label->setGeometry(at.toPixels());
    return label;
}

QString indexed(const char* name, int index) { return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index); }

} // namespace

MainWindow::MainWindow(geomancy::Reading& reading, QWidget* parent)
    : QMainWindow(parent), reading_(reading) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(WindowCaption);
    setWindowIcon(appIcon());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twips::size(ClientWidth, ClientHeight));
    client->setFont(fonts::verdana(8.25));
    setBackground(client, Qt::white);
    setCentralWidget(client);

    createActions();
    createMenus();
    createTopLine(client);
    createFigureFrame(client);
    createChart(client);
    createTabs(client);
    createButtons(client);
    createBrandingFrame(client);
    createCurrentFigurePanel(client);
    registerFigureDisplay();

    // No control moves with the window, so the window keeps the size of
    // its client area and menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    centreOnScreen();
    enterReadyState();
}

MainWindow::~MainWindow() {
    // The reading may outlive the window; it must not call into a dead one.
    reading_.setFigureDisplay({});
    reading_.setReportAppender({});
}

void MainWindow::setReportOperations(ReportOperations operations) {
    report_ = std::move(operations);
    reading_.setReportAppender(report_.append);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

void MainWindow::createActions() {
    exitAction_ = new QAction(QStringLiteral("E&xit"), this);
    exitAction_->setObjectName(QStringLiteral("mnuExit"));
    connect(exitAction_, &QAction::triggered, this, &QWidget::close);

    onlineHelpAction_ = new QAction(QStringLiteral("&Online Help"), this);
    onlineHelpAction_->setObjectName(QStringLiteral("mnuOnline"));
    connect(onlineHelpAction_, &QAction::triggered, this, [] { ignoringErrors([] { openWebPage(WebPage::OnlineHelpPage); }); });

    visitAction_ = new QAction(QStringLiteral("&Visit Us Online"), this);
    visitAction_->setObjectName(QStringLiteral("mnuVisit"));
    connect(visitAction_, &QAction::triggered, this, [] { ignoringErrors([] { openWebPage(WebPage::HomePage); }); });

    firstSeparator_ = new QAction(this);
    firstSeparator_->setObjectName(QStringLiteral("mnuFileSep1"));
    firstSeparator_->setSeparator(true);

    updateAction_ = new QAction(QStringLiteral("&Check for Software Update"), this);
    updateAction_->setObjectName(QStringLiteral("mnuUpdate"));
    connect(updateAction_, &QAction::triggered, this, [] { ignoringErrors([] { openWebPage(WebPage::DownloadPage); }); });

    secondSeparator_ = new QAction(this);
    secondSeparator_->setObjectName(QStringLiteral("mnuFileSep2"));
    secondSeparator_->setSeparator(true);

    aboutAction_ = new QAction(QStringLiteral("&About Software"), this);
    aboutAction_->setObjectName(QStringLiteral("mnuAbout"));
    connect(aboutAction_, &QAction::triggered, this, &MainWindow::aboutRequested);

    donateAction_ = new QAction(QStringLiteral("&Donate"), this);
    donateAction_->setObjectName(QStringLiteral("mnuDonate"));
    connect(donateAction_, &QAction::triggered, this, [] { ignoringErrors([] { openWebPage(WebPage::DonationPage); }); });

    // Present but not usable.
    makeMoneyAction_ = new QAction(QStringLiteral("Make Money &Online"), this);
    makeMoneyAction_->setObjectName(QStringLiteral("mnumakemoney"));
    makeMoneyAction_->setEnabled(false);
}

void MainWindow::createMenus() {
    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu->setObjectName(QStringLiteral("nuFile"));
    fileMenu->menuAction()->setObjectName(QStringLiteral("nuFile"));
    fileMenu->addAction(exitAction_);

    QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    helpMenu->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    helpMenu->addActions({onlineHelpAction_, visitAction_, firstSeparator_, updateAction_, secondSeparator_, aboutAction_});

    // Commands straight on the menu bar, without a submenu.
    menuBar()->addAction(donateAction_);
    menuBar()->addAction(makeMoneyAction_);
}

void MainWindow::createTopLine(QWidget* client) {
    topLine_ = ClickableLabel::createLink(maintexts::label61Text(homePageDisplayName()),
                                          fonts::verdana(9, fonts::Bold | fonts::Underline), client);
    topLine_->setObjectName(QStringLiteral("Label61"));
    topLine_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(topLine_, DarkGrey);
    topLine_->setGeometry(Label61.toPixels());
    connect(topLine_, &ClickableLabel::clicked, this, [] { ignoringErrors([] { openWebPage(WebPage::HomePage); }); });

    auto* rule = new QFrame(client);
    rule->setObjectName(QStringLiteral("rule"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    rule->setGeometry(Rule.toPixels());

    // Clickable, but not dressed as a link.
    descriptionLink_ = new ClickableLabel(maintexts::Label2Text, client);
    descriptionLink_->setObjectName(QStringLiteral("Label2"));
    descriptionLink_->setFont(fonts::verdana(8.25, fonts::Bold));
    setTextColour(descriptionLink_, Blue);
    descriptionLink_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    descriptionLink_->setWordWrap(true);
    descriptionLink_->setGeometry(mainlayout::Label2.toPixels());
    connect(descriptionLink_, &ClickableLabel::clicked, this,
            [] { ignoringErrors([] { openWebPage(WebPage::FullBrandingPage); }); });
}

void MainWindow::createFigureFrame(QWidget* client) {
    QGroupBox* frame =
        createFrame(maintexts::FigureFrameCaption, fonts::verdana(8.25, fonts::Bold), Red, FigureFrame, client);
    frame->setObjectName(QStringLiteral("figureFrame"));

    std::array<QFrame*, 2> columns{};
    for (std::size_t c = 0; c < columns.size(); ++c) {
        auto* column = new QFrame(frame);
        column->setObjectName(indexed("dotColumn", static_cast<int>(c)));
        column->setFrameStyle(QFrame::Box | QFrame::Plain);
        setTextColour(column, QGuiApplication::palette().color(QPalette::WindowText)); // not the caption's red
        setBackground(column, Qt::white);
        column->setGeometry(DotColumns[c].toPixels());
        columns[c] = column;
    }
    for (int i = 0; i < DotCount; ++i) {
        auto* dot = new QLabel(columns[static_cast<std::size_t>(i / DotsPerColumn)]);
        dot->setObjectName(indexed("picCircle", i));
        dot->setGeometry(dotBox(i).toPixels());
        dot->setPixmap(dotPictures_.picture(1)); // every box carries picture 1 until its line is cast
        dots_[static_cast<std::size_t>(i)] = dot;
    }
}

void MainWindow::createChart(QWidget* client) {
    auto* chart = new QGroupBox(client);
    chart->setObjectName(QStringLiteral("chartFrame"));
    chart->setGeometry(ChartFrame.toPixels());

    // Built from the bottom of the stack up: cell 1, the marker, cells 12
    // down to 2, the house labels, the centre, and the signs on top.
    const auto createCell = [&](int i) {
        const ChartHouse& house = ChartHouses[static_cast<std::size_t>(i)];
        auto* cell = new BorderedLabel(chart);
        cell->setObjectName(indexed("lblHouses", i));
        cell->setGeometry(TwipRect{house.cellLeft, house.cellTop, CellSize, CellSize}.toPixels());
        // The border keeps the window text colour; the names are purple.
        QPalette palette = cell->palette();
        palette.setColor(QPalette::Text, Purple);
        cell->setPalette(palette);
        cell->setForegroundRole(QPalette::Text);
        cell->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // QLabel breaks at CR LF as at a plain LF, so the caption holds the
        // cell text exactly, empty first line included.
        setBackground(cell, QGuiApplication::palette().color(QPalette::Base)); // the system window colour
        houseCells_[static_cast<std::size_t>(i)] = cell;
    };
    const QFont houseFont = fonts::verdana(8.25, fonts::Bold | fonts::Italic);
    const auto createHouseLabel = [&](int index, const QString& text, const QColor& colour, const TwipRect& at) {
        QLabel* label = createLabel(text, indexed("Asc", index), houseFont, colour, at, chart);
        setBackground(label, Qt::white);
        houseLabels_[static_cast<std::size_t>(index)] = label;
    };

    createCell(0);
    createHouseLabel(0, maintexts::AscendantMarkerCaption, Red, AscendantMarker);
    for (int i = HouseCount - 1; i >= 1; --i)
        createCell(i);
    for (int h = 1; h <= HouseCount; ++h) {
        const ChartHouse& house = ChartHouses[static_cast<std::size_t>(h - 1)];
        createHouseLabel(h, QStringLiteral("House %1").arg(h), DarkBlue,
                         {house.labelLeft, house.labelTop, house.labelWidth, HouseLabelHeight});
    }

    auto* centre = new QFrame(chart);
    centre->setObjectName(QStringLiteral("chartCentre"));
    centre->setFrameStyle(QFrame::Box | QFrame::Plain);
    centre->setGeometry(ChartCentre.toPixels());

    QLabel* centreLabel = createLabel(maintexts::ChartCentreCaption, QStringLiteral("chartCentreLabel"),
                                      fonts::verdana(14.25, fonts::Bold | fonts::Italic), DarkRed, ChartCentreLabel,
                                      chart);
    centreLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    const auto& signs = geomancy::houseSigns();
    for (int i = 0; i < HouseCount; ++i) {
        const ChartHouse& house = ChartHouses[static_cast<std::size_t>(i)];
        auto* sign = new QLabel(QString::fromLatin1(signs[static_cast<std::size_t>(i)]), chart);
        sign->setObjectName(indexed("sign", i));
        setTextColour(sign, SignBrown);
        sign->move(twips::point(house.signLeft, house.signTop));
        sign->adjustSize();
    }
}

void MainWindow::createTabs(QWidget* client) {
    tabs_ = new TwoRowTabWidget(TabsPerRow, twips::toPixels(TabHeaderRowHeight), client);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->setGeometry(mainlayout::SSTab1.toPixels());

    for (int k = 0; k < TabCount; ++k) {
        auto* page = new QWidget;
        page->setObjectName(indexed("tabPage", k));
        tabs_->addTab(page, QString::fromLatin1(maintexts::TabCaptions[static_cast<std::size_t>(k)]));
    }

    // The frames' places are given from the top of the tab control; the
    // pages start below the header rows, which are known once all tabs are in.
    for (int k = 0; k < TabCount; ++k) {
        const TwipRect& at = k == 0 ? TabFrameFirst : TabFrame;
        QGroupBox* frame = createFrame(QString::fromLatin1(maintexts::TabFrameCaptions[static_cast<std::size_t>(k)]),
                                       fonts::verdana(9, fonts::Bold), Red, at, tabs_->widget(k));
        frame->setObjectName(indexed("ss", k));
        frame->move(frame->pos() - QPoint(0, tabs_->pageOffset()));
        tabFigures_[static_cast<std::size_t>(k)] = buildFigurePanel(frame, QStringLiteral("Display_%1").arg(k));
        ClipboardGuard::install(tabFigures_[static_cast<std::size_t>(k)].significance);
    }
}

void MainWindow::createButtons(QWidget* client) {
    const auto createButton = [client](const QString& caption, const char* name, const QFont& font,
                                       const TwipRect& at) {
        auto* button = new QPushButton(caption, client);
        button->setObjectName(QLatin1String(name));
        button->setFont(font);
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, ButtonGrey);
        button->setPalette(palette);
        button->setGeometry(at.toPixels());
        return button;
    };
    castButton_ = createButton(maintexts::CastCaption, "cmdProceed", fonts::verdana(9.75, fonts::Bold), CmdProceed);
    connect(castButton_, &QPushButton::clicked, this, &MainWindow::castNext);

    printButton_ = createButton(maintexts::PrintCaption, "cmdPrint", fonts::verdana(8.25, fonts::Bold), CmdPrint);
    printButton_->setEnabled(false); // until a reading is complete
    connect(printButton_, &QPushButton::clicked, this, &MainWindow::showReport);
}

void MainWindow::createBrandingFrame(QWidget* client) {
    auto* frame = new QGroupBox(client);
    frame->setObjectName(QStringLiteral("Frame5"));
    setBackground(frame, Qt::white);
    frame->setGeometry(mainlayout::Frame5.toPixels());

    // Both labels fill the same rectangle on an opaque background, so the
    // one in front is the one seen.
    const auto createBrandLabel = [frame](const QString& text, const char* name) {
        ClickableLabel* label =
            ClickableLabel::createLink(text, fonts::verdana(8.25, fonts::Bold | fonts::Underline), frame);
        label->setObjectName(QLatin1String(name));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        setTextColour(label, DarkGrey);
        setBackground(label, Qt::white);
        label->setGeometry(BrandLabels.toPixels());
        return label;
    };
    coBrandLabel_ = createBrandLabel(maintexts::CobrandText, "lblCobrand");
    connect(coBrandLabel_, &ClickableLabel::clicked, this,
            [] { ignoringErrors([] { openWebPage(WebPage::CoBrandingPage); }); });
    fullBrandLabel_ = createBrandLabel(maintexts::FullBrandText, "lblFullBrand");
    connect(fullBrandLabel_, &ClickableLabel::clicked, this,
            [] { ignoringErrors([] { openWebPage(WebPage::FullBrandingPage); }); });
}

void MainWindow::createCurrentFigurePanel(QWidget* client) {
    // Mostly below the client area: only the top of its frame shows, yet its
    // controls are written with every casting like a tab's.
    // Its top row lies under the tab control's bottom edge, so each change of
    // tab repaints a strip of it: its border is drawn through the cache too.
    auto* panel = new CachedFrameGroupBox(maintexts::CurrentFigureCaption, client);
    panel->setObjectName(QStringLiteral("currentFigurePanel"));
    panel->setGeometry(CurrentFigurePanel.toPixels());
    currentFigure_ = buildFigurePanel(panel, QString());
    ClipboardGuard::install(currentFigure_.significance);
}

void MainWindow::registerFigureDisplay() {
    reading_.setFigureDisplay({[this] { currentFigure_.clear(); }, [this](int row, int tab) { showFigure(row, tab); }});
}

void MainWindow::showFigure(int row, int tab) {
    const geomancy::CatalogueRow& figure = geomancy::figureCatalogue().at(static_cast<std::size_t>(row));
    currentFigure_.show(figure);
    tabFigures_.at(static_cast<std::size_t>(tab)).show(figure);
}

void MainWindow::centreOnScreen() {
    adjustSize();
    if (const QScreen* target = screen())
        move(target->availableGeometry().center() - rect().center());
}

void MainWindow::enterReadyState() {
    ignoringErrors([this] {
        for (QLabel* dot : dots_)
            dot->hide();
    });
    ignoringErrors([this] { castButton_->setText(maintexts::CastCaption); });
    ignoringErrors([this] { bringHouseLabelsToFront(); });
    ignoringErrors([this] { currentFigure_.clear(); });
    ignoringErrors([this] {
        for (const FigureControls& tab : tabFigures_)
            tab.clear();
    });
    ignoringErrors([this] { houseLabels_[0]->hide(); });
}

void MainWindow::bringHouseLabelsToFront() {
    for (QLabel* label : houseLabels_)
        label->raise();
}
