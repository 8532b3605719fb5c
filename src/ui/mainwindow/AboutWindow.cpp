#include "ui/mainwindow/AboutWindow.h"

#include "ui/mainwindow/AboutWindowTexts.h"

#include "ui/widgets/AppInfo.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/Colours.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Geometry.h"
#include "web/WebPage.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int ClientWidth = 6825;
constexpr int ClientHeight = 3870;

// The rule runs from x -60 to 6840 at y 3240, one pixel high.
constexpr ControlPlace Places[] = {
    {"Picture1", {120, 120, 480, 480}}, {"Label2", {840, 240, 3435, 240}},
    {"Label1", {360, 840, 6375, 795}},  {"lblHomePage", {2040, 1800, 4650, 195}},
    {"Label3", {360, 2280, 6255, 615}}, {"lblCoBrand", {4080, 2880, 2670, 195}},
    {"Line1", {-60, 3240, 6900, 15}},   {"cmdOK", {5400, 3360, 1260, 345}},
};

QLabel* createLabel(const char* name, const QString& text, const QFont& font, const QColor& colour,
                    QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    setPaletteColour(label, {QPalette::WindowText}, colour);
    return label;
}

ClickableLabel* createLink(const char* name, const QString& text, WebPage page, QWidget* parent) {
    auto* link = ClickableLabel::createLink(
        text, fonts::verdana(8.25, fonts::Bold | fonts::Underline), parent);
    link->setObjectName(QString::fromLatin1(name));
    setPaletteColour(link, {QPalette::WindowText}, colours::Maroon);
    QObject::connect(link, &ClickableLabel::clicked, link, [page] { openWebPage(page); });
    return link;
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(WindowCaption);
    setWindowIcon(appIcon());
    setModal(true);
    setPaletteColour(this, {QPalette::Window}, colours::White);
    setFixedSize(twips::size(ClientWidth, ClientHeight));
    createControls();
    placeControls(this, Places);
    centreOnScreenWhenShown(this);
}

void AboutWindow::createControls() {
    // cmdOK comes first so that it is first in the tab order.
    okButton_ = new QPushButton(abouttexts::OkCaption, this);
    okButton_->setObjectName(QStringLiteral("cmdOK"));
    okButton_->setFont(fonts::verdana(8.25, fonts::Bold));
    setPaletteColour(okButton_, {QPalette::Button}, colours::Silver);
    okButton_->setDefault(true);
    okButton_->setFocus();
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(appIcon().pixmap(32, 32));

    createLabel("Label2", WindowCaption, fonts::verdana(9.75, fonts::Bold), colours::Maroon, this);
    createLabel("Label1", ProgramDescription + QStringLiteral("."), fonts::verdana(8.25),
                colours::DarkGrey, this)
        ->setWordWrap(true);
    createLink("lblHomePage", abouttexts::homePageLinkText(homePageDisplayName()),
               WebPage::HomePage, this);
    createLabel("Label3", BrandingOffer, fonts::verdana(8.25, fonts::Bold), colours::DarkGrey, this)
        ->setWordWrap(true);
    createLink("lblCoBrand", MoreDetailsLink, WebPage::FullBrandingPage, this);

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Line1"));
    rule->setFrameShape(QFrame::NoFrame);
    setPaletteColour(rule, {QPalette::Window}, colours::DarkGrey);
}

void AboutWindow::reject() {
    okButton_->click();
}

void AboutWindow::showModal(QWidget* parent) {
    AboutWindow window(parent);
    window.exec();
}
