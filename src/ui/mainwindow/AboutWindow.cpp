#include "ui/mainwindow/AboutWindow.h"

#include "ui/mainwindow/AboutWindowLayout.h"
#include "ui/mainwindow/AboutWindowTexts.h"

#include "ui/widgets/AppInfo.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/Colours.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Geometry.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/PictureLabel.h"
#include "ui/widgets/WindowSetUp.h"
#include "web/WebPage.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace aboutlayout;

namespace {

ClickableLabel* createLink(const char* name, const QString& text, WebPage page, QWidget* parent) {
    return ClickableLabel::createLink(name, text,
                                      fonts::verdana(8.25, fonts::Bold | fonts::Underline),
                                      colours::Maroon, parent, [page] { openWebPage(page); });
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setUpWindow(this, "frmAbout", appIcon(), this, twips::size(ClientWidth, ClientHeight));
    setModal(true);
    createControls();
    placeAndCentre(this, Places);
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

    auto* picture = new PictureLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPicture(appIcon(), QSize(32, 32));

    createLabel(QStringLiteral("Label2"), WindowCaption, fonts::verdana(9.75, fonts::Bold), this,
                colours::Maroon);
    createLabel(QStringLiteral("Label1"), ProgramDescription + QStringLiteral("."),
                fonts::verdana(8.25), this, colours::DarkGrey)
        ->setWordWrap(true);
    createLink("lblHomePage", abouttexts::homePageLinkText(homePageDisplayName()),
               WebPage::HomePage, this);
    createLabel(QStringLiteral("Label3"), BrandingOffer, fonts::verdana(8.25, fonts::Bold), this,
                colours::DarkGrey)
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
