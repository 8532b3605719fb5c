#include "ui/exit/ExitWindow.h"

#include "ui/exit/ExitWindowLayout.h"
#include "ui/exit/ExitWindowTexts.h"
#include "ui/exit/ReferralBoxes.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/AppInfo.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/Colours.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Geometry.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/PictureLabel.h"
#include "ui/widgets/ReturnPress.h"
#include "ui/widgets/StepRunner.h"
#include "ui/widgets/WindowSetUp.h"
#include "web/WebPage.h"

#include "geomancy/RandomSource.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cmath>

using namespace exitlayout;

namespace {

// The plain face of text boxes and the check box.
QFont boxFont() {
    return fonts::msSansSerif(8.25);
}

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QGroupBox* createNavyFrame(const char* name, const QString& caption, QWidget* parent) {
    auto* frame = named(new QGroupBox(caption, parent), name);
    frame->setFont(fonts::verdana(9.75, fonts::Bold));
    setPaletteColour(frame, {QPalette::WindowText, QPalette::ButtonText}, colours::White);
    setPaletteColour(frame, {QPalette::Window}, colours::Navy);
    return frame;
}

QLineEdit* createBox(const char* name, const QString& placeholder, QWidget* parent) {
    auto* box = named(new QLineEdit(placeholder, parent), name);
    // The boxes hold the hint as their text. Their font is set outright so
    // that it does not follow the frame's bold caption.
    box->setFont(boxFont());
    box->setAccessibleName(placeholder); // its hint is also what a screen reader calls it
    PlaceholderKeeper::install(box, placeholder);
    return box;
}

} // namespace

ExitWindow::ExitWindow(geomancy::RandomSource& random, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
    setUpWindow(this, "frmExit", appIcon(), this, twips::size(ClientWidth, ClientHeight));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    accessibility::markAsDialog(this); // read out with its message as it opens
    setPaletteColour(this, {QPalette::WindowText, QPalette::ButtonText},
                     palette().color(QPalette::WindowText));

    createControls();
    placeAndCentre(this, Places);
    arrangeTabOrder();
    runSteps({{"pick the support message",
               [&] { pickSupportMessage(random); }}}); // on failure the design-time message stays
}

QString ExitWindow::supportMessage(int index) {
    // Any index outside the list gets the last message.
    const std::size_t which = index >= 0 && index < SupportMessageCount
                                  ? static_cast<std::size_t>(index)
                                  : exittexts::SupportMessages.size() - 1;
    return QString::fromLatin1(exittexts::SupportMessages[which]).arg(homePageDisplayName());
}

void ExitWindow::createControls() {
    closeButton_ = named(new QPushButton(exittexts::ExitCaption, this), "cmdClose");
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    pressOnReturn(closeButton_);

    auto* picture = named(new PictureLabel(this), "Picture1");
    picture->setPicture(appIcon(), QSize(32, 32));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    createLabel(QStringLiteral("Label1"), WindowCaption, fonts::msSansSerif(18), this);

    supportMessage_ = createLabel(QStringLiteral("Label2"), supportMessage(1),
                                  fonts::verdana(9.75, fonts::Bold), this);
    supportMessage_->setWordWrap(true);
    supportMessage_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    visitHomeBox_ =
        named(new QCheckBox(exittexts::visitHomeText(homePageDisplayName()), this), "Check1");
    visitHomeBox_->setFont(boxFont());
    setPaletteColour(visitHomeBox_, {QPalette::WindowText, QPalette::ButtonText},
                     colours::DarkBlue);
    visitHomeBox_->setCursor(Qt::PointingHandCursor);
    connect(visitHomeBox_, &QCheckBox::clicked, this, &ExitWindow::visitHomePage);

    createReferralFrame();
    createSoftwareFrame();
}

void ExitWindow::createReferralFrame() {
    QGroupBox* frame = createNavyFrame("Frame2", exittexts::ReferralFrameCaption, this);
    nameField_ = createBox("txtName", referral::NamePlaceholder, frame);
    emailField_ = createBox("txtEmail", referral::EmailPlaceholder, frame);
    friendNameField_ = createBox("txtFriendName", referral::FriendNamePlaceholder, frame);
    friendEmailField_ = createBox("txtFriendEmail", referral::FriendEmailPlaceholder, frame);
    EmailBlankGuard::install(emailField_);
    EmailBlankGuard::install(friendEmailField_);

    submitButton_ = named(new QPushButton(exittexts::SubmitCaption, frame), "cmdSubmit");
    submitButton_->setFont(fonts::verdana(8.25, fonts::Bold));
    // The system's button text, not the white the frame hands down.
    setPaletteColour(submitButton_, {QPalette::WindowText, QPalette::ButtonText},
                     colours::system(QPalette::ButtonText));
    connect(submitButton_, &QPushButton::clicked, this, &ExitWindow::submitReferral);
    pressOnReturn(submitButton_);

    messageField_ = named(new QPlainTextEdit(frame), "txtMessage");
    messageField_->setFont(boxFont());
    messageField_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    messageField_->setTabChangesFocus(true);
    setBoxText(messageField_, referral::InitialMessage);
    messageField_->setAccessibleName(referral::MessagePlaceholder);
    PlaceholderKeeper::install(messageField_, referral::MessagePlaceholder);
}

void ExitWindow::createSoftwareFrame() {
    QGroupBox* frame = createNavyFrame("Frame6", exittexts::SoftwareFrameCaption, this);

    QLabel* paragraph = createLabel(QStringLiteral("Label3"), exittexts::SoftwareParagraph,
                                    fonts::verdana(9), frame, colours::White);
    paragraph->setWordWrap(true);
    paragraph->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    ClickableLabel::createLink("lblGoToHome", exittexts::OtherSoftwareLink,
                               fonts::verdana(8.25, fonts::Bold | fonts::Underline),
                               colours::Yellow, frame,
                               [] { openWebPage(WebPage::OtherSoftwarePage); });
}

void ExitWindow::arrangeTabOrder() {
    // "E&xit" first, then the form from top to bottom, the hidden message box
    // before the button that sends it.
    QWidget* const order[] = {closeButton_,      nameField_,    emailField_,   friendNameField_,
                              friendEmailField_, messageField_, submitButton_, visitHomeBox_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    closeButton_->setFocus();
}

void ExitWindow::pickSupportMessage(geomancy::RandomSource& random) {
    random.seedFromClock();
    const int index =
        static_cast<int>(std::floor(static_cast<double>(random.next()) * SupportMessageCount));
    supportMessage_->setText(supportMessage(index));
}

referral::Values ExitWindow::referralValues() const {
    return referral::trimmed({boxText(nameField_), boxText(emailField_), boxText(messageField_),
                              boxText(friendNameField_), boxText(friendEmailField_)});
}

void ExitWindow::visitHomePage(bool checked) {
    if (!checked)
        return;
    visitHomeBox_->setChecked(false);
    openWebPage(WebPage::HomePage);
}

void ExitWindow::submitReferral() {
    const referral::Values values = referralValues();
    const QString problem = referral::problem(values);
    if (!problem.isEmpty()) {
        MessageBoxes::error(this, problem);
        return;
    }
    openWebAddress(referral::address(values));
}

void ExitWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}
