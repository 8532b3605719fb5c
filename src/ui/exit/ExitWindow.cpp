#include "ui/exit/ExitWindow.h"

#include "ui/widgets/AppInfo.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/MessageBox.h"
#include "ui/exit/ReferralBoxes.h"
#include "ui/widgets/Twips.h"
#include "web/WebPage.h"
#include "ui/widgets/WindowPlaces.h"

#include "geomancy/RandomSource.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cmath>

namespace {

constexpr int ClientWidth = 11115;
constexpr int ClientHeight = 4725;

// Places inside the window, then inside Frame2 and Frame6. txtMessage lies
// below Frame2's visible area on purpose: reachable by Tab, never seen.
constexpr TwipPlace Places[] = {
    {"Picture1", 360, 120, 540, 540},        {"Label1", 1080, 240, 5070, 435},
    {"Label2", 120, 840, 6975, 1095},        {"Check1", 30, 2040, 7185, 555},
    {"cmdClose", 6000, 2760, 1245, 375},     {"Frame2", 120, 3240, 7065, 1455},
    {"Frame6", 7320, 120, 3735, 4575},

    {"txtName", 85, 360, 3375, 285},         {"txtEmail", 3600, 360, 3375, 285},
    {"txtFriendName", 85, 720, 3375, 285},   {"txtFriendEmail", 3600, 720, 3375, 285},
    {"cmdSubmit", 1920, 1080, 3375, 285},    {"txtMessage", 4800, 3600, 1815, 495},

    {"Label3", 120, 360, 3495, 3855},        {"lblGoToHome", 75, 4250, 3585, 210},
};

const QColor Navy{0, 0, 128};

// The plain face of text boxes and the check box.
QFont BoxFont() { return fonts::msSansSerif(8.25); }
const QColor CheckBlue{0, 0, 192};
const QColor Yellow{255, 255, 0};

void setColours(QWidget* widget, const QColor& text, const QColor& background = QColor()) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QGroupBox* createNavyFrame(const char* name, const QString& caption, QWidget* parent) {
    auto* frame = named(new QGroupBox(caption, parent), name);
    frame->setFont(fonts::verdana(9.75, fonts::Bold));
    setColours(frame, Qt::white, Navy);
    return frame;
}

QLineEdit* createBox(const char* name, const QString& placeholder, QWidget* parent) {
    auto* box = named(new QLineEdit(placeholder, parent), name);
    // The boxes hold the hint as their text. Their font is set outright so
    // that it does not follow the frame's bold caption.
    box->setFont(BoxFont());
    PlaceholderKeeper::install(box, placeholder);
    return box;
}

} // namespace

ExitWindow::ExitWindow(geomancy::RandomSource& random, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmExit"));
    setWindowTitle(WindowCaption);
    setWindowIcon(AppIcon());
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setColours(this, palette().color(QPalette::WindowText), Qt::white);
    setFixedSize(twips::size(ClientWidth, ClientHeight));

    createControls();
    PlaceControls(this, Places);
    arrangeTabOrder();
    try {
        pickSupportMessage(random);
    } catch (...) {
        // The design-time message stays.
    }
}

void ExitWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Centred once the frame is known, so the whole window sits mid-screen.
    CentreOnScreen(this);
}

QString ExitWindow::SupportMessage(int index) {
    const QString site = HomePageDisplayName();
    switch (index) {
    case 0:
        return QStringLiteral("Please support our discussion board at %1: visit it regularly and join in its "
                              "discussions, so that we can keep writing programs like this one.")
            .arg(site);
    case 1:
        return QStringLiteral("Programs like this one are kept going by the community at %1. Please visit our "
                              "discussion board often and take part in the discussions there.")
            .arg(site);
    case 2:
        return QStringLiteral("Enjoyed this program? Help us keep it up by dropping in at the %1 discussion "
                              "board regularly and sharing your thoughts with the others.")
            .arg(site);
    default:
        return QStringLiteral("Your visits keep this software alive. Come back to the discussion board at %1 "
                              "every now and then and join the conversation.")
            .arg(site);
    }
}

void ExitWindow::createControls() {
    cmdClose_ = named(new QPushButton(QStringLiteral("E&xit"), this), "cmdClose");
    connect(cmdClose_, &QPushButton::clicked, this, &QWidget::close);

    auto* picture = named(new QLabel(this), "Picture1");
    picture->setPixmap(AppIcon().pixmap(32, 32));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* title = named(new QLabel(WindowCaption, this), "Label1");
    title->setFont(fonts::msSansSerif(18));

    label2_ = named(new QLabel(SupportMessage(1), this), "Label2");
    label2_->setFont(fonts::verdana(9.75, fonts::Bold));
    label2_->setWordWrap(true);
    label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    check1_ = named(new QCheckBox(QStringLiteral("Take me to %1 now to see what is new").arg(HomePageDisplayName()),
                                  this),
                    "Check1");
    check1_->setFont(BoxFont());
    setColours(check1_, CheckBlue);
    check1_->setCursor(Qt::PointingHandCursor);
    connect(check1_, &QCheckBox::clicked, this, &ExitWindow::Check1_Click);

    createReferralFrame();
    createSoftwareFrame();
}

void ExitWindow::createReferralFrame() {
    QGroupBox* frame = createNavyFrame("Frame2", QStringLiteral("Refer A Friend"), this);
    txtName_ = createBox("txtName", referral::NamePlaceholder, frame);
    txtEmail_ = createBox("txtEmail", referral::EmailPlaceholder, frame);
    txtFriendName_ = createBox("txtFriendName", referral::FriendNamePlaceholder, frame);
    txtFriendEmail_ = createBox("txtFriendEmail", referral::FriendEmailPlaceholder, frame);
    EmailBlankGuard::install(txtEmail_);
    EmailBlankGuard::install(txtFriendEmail_);

    cmdSubmit_ = named(new QPushButton(QStringLiteral("Refer A Friend &Now"), frame), "cmdSubmit");
    cmdSubmit_->setFont(fonts::verdana(8.25, fonts::Bold));
    setColours(cmdSubmit_, QPalette().color(QPalette::ButtonText));
    connect(cmdSubmit_, &QPushButton::clicked, this, &ExitWindow::cmdSubmit_Click);

    txtMessage_ = named(new QPlainTextEdit(frame), "txtMessage");
    txtMessage_->setFont(BoxFont());
    txtMessage_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage_->setTabChangesFocus(true);
    SetBoxText(txtMessage_, referral::InitialMessage);
    PlaceholderKeeper::install(txtMessage_, referral::MessagePlaceholder);
}

void ExitWindow::createSoftwareFrame() {
    QGroupBox* frame = createNavyFrame("Frame6", QStringLiteral("Download More Free Software"), this);

    auto* paragraph = named(
        new QLabel(QStringLiteral("The makers of this program have written many more, all of them free to "
                                  "download: astrology and divination tools, handy utilities and small games. "
                                  "Every one is as easy to use as this one and comes without advertising "
                                  "windows or time limits. Have a look at the whole collection and pick the "
                                  "ones you like."),
                   frame),
        "Label3");
    paragraph->setFont(fonts::verdana(9));
    paragraph->setWordWrap(true);
    paragraph->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColours(paragraph, Qt::white);

    auto* link = ClickableLabel::createLink(QStringLiteral("Click here to see our other programs"),
                                            fonts::verdana(8.25, fonts::Bold | fonts::Underline), frame);
    named(link, "lblGoToHome");
    setColours(link, Yellow);
    connect(link, &ClickableLabel::clicked, this, [] { OpenWebPage(WebPage::OtherSoftwarePage); });
}

void ExitWindow::arrangeTabOrder() {
    // "E&xit" first, then the form from top to bottom, the hidden message box
    // before the button that sends it.
    QWidget* const order[] = {cmdClose_, txtName_,    txtEmail_,  txtFriendName_,
                              txtFriendEmail_, txtMessage_, cmdSubmit_, check1_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    cmdClose_->setFocus();
}

void ExitWindow::pickSupportMessage(geomancy::RandomSource& random) {
    random.seedFromClock();
    const int index = static_cast<int>(std::floor(static_cast<double>(random.next()) * SupportMessageCount));
    label2_->setText(SupportMessage(index));
}

referral::Values ExitWindow::referralValues() const {
    return referral::Trimmed({BoxText(txtName_), BoxText(txtEmail_), BoxText(txtMessage_),
                              BoxText(txtFriendName_), BoxText(txtFriendEmail_)});
}

void ExitWindow::Check1_Click(bool checked) {
    if (!checked)
        return;
    check1_->setChecked(false);
    OpenWebPage(WebPage::HomePage);
}

void ExitWindow::cmdSubmit_Click() {
    const referral::Values values = referralValues();
    const QString problem = referral::Problem(values);
    if (!problem.isEmpty()) {
        MessageBox::error(this, problem);
        return;
    }
    OpenWebAddress(referral::Address(values));
}

void ExitWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}
