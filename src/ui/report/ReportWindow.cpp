#include "ui/report/ReportWindow.h"

#include "ui/report/PrintReportDialog.h"
#include "ui/report/ReportComposer.h"
#include "ui/report/ReportFile.h"
#include "ui/report/ReportPrinting.h"
#include "ui/report/ReportWindowLayout.h"
#include "ui/report/ReportWindowTexts.h"
#include "ui/report/RtfWriter.h"
#include "ui/report/SaveReportDialog.h"

#include "ui/widgets/AppInfo.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/ClipboardGuard.h"
#include "ui/widgets/Colours.h"
#include "ui/widgets/DevicePixels.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/ReturnPress.h"
#include "ui/widgets/WindowSetUp.h"
#include "web/WebPage.h"

#include <QDir>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>

ReportWindow::ReportWindow(QTextDocument* report, QWidget* parent) : QDialog(parent) {
    setUpWindow(this, "frmSave", appIcon(), this,
                twips::size(reportlayout::ClientWidth, reportlayout::ClientHeight));
    setAccessibleName(reporttexts::WindowName + QStringLiteral(" - ") + WindowCaption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // Created in tab order: the report, then Print, then Save.
    createReportBox(report);
    createButtons();
    createLinks();
    placeAndCentre(this, reportlayout::Places);
}

void ReportWindow::createReportBox(QTextDocument* report) {
    reportBox_ = new QTextEdit(this);
    reportBox_->setObjectName(QStringLiteral("RTB"));
    reportBox_->setAccessibleName(reporttexts::ReportBoxName);
    reportBox_->setFont(reportFont());
    reportBox_->setDocument(report);
    // Nothing offers to edit the report; reading and selecting are enough.
    reportBox_->setReadOnly(true);
    reportBox_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    reportBox_->setFocusPolicy(Qt::StrongFocus);
    setPaletteColour(reportBox_, {QPalette::Base}, colours::White);
    // Its frame stands where the window's pixels are rounded at 125 and 175 %.
    devicepixels::drawFrameOnDevicePixels(reportBox_);
    ClipboardGuard::install(reportBox_);
    ClipboardGuard::offerSelection(reportBox_);
}

void ReportWindow::createButtons() {
    printButton_ = new QPushButton(reporttexts::PrintCaption, this);
    printButton_->setObjectName(QStringLiteral("cmdPrint"));
    printButton_->setFont(fonts::verdana(8.25, fonts::Bold));

    saveButton_ = new QPushButton(reporttexts::SaveCaption, this);
    saveButton_->setObjectName(QStringLiteral("cmdSave"));
    saveButton_->setFont(fonts::msSansSerif(8.25, fonts::Bold));

    for (QPushButton* button : {printButton_, saveButton_}) {
        setPaletteColour(button, {QPalette::Button}, colours::Silver);
        // Return in the report box must not print or save by surprise;
        // Return on a button presses that button.
        button->setAutoDefault(false);
        pressOnReturn(button);
    }
    setTabOrder(reportBox_, printButton_);
    setTabOrder(printButton_, saveButton_);

    connect(printButton_, &QPushButton::clicked, this, &ReportWindow::printWithDialog);
    connect(saveButton_, &QPushButton::clicked, this, &ReportWindow::saveReport);
}

void ReportWindow::createLinks() {
    const QFont linkFont = fonts::verdana(8.25, fonts::Underline);
    const auto open = [](WebPage page) { return [page] { openWebPage(page); }; };
    forumLink_ = ClickableLabel::createLink("Label14", reporttexts::ForumLink, linkFont,
                                            colours::Black, this, open(WebPage::HomePage));
    homeLink_ =
        ClickableLabel::createLink("Label1", reporttexts::homePageLinkText(homePageDisplayName()),
                                   linkFont, colours::Black, this, open(WebPage::HomePage));
    brandingLink_ = ClickableLabel::createLink(
        "Label15", FullBrandingLink, fonts::verdana(8.25, fonts::Bold | fonts::Underline),
        colours::Black, this, open(WebPage::FullBrandingPage));
    brandingLink_->setWordWrap(true);
    for (ClickableLabel* label : {forumLink_, homeLink_, brandingLink_})
        label->setAlignment(Qt::AlignCenter);
}

void ReportWindow::showEvent(QShowEvent* event) {
    // The entries were appended at the end; each opening starts at the top.
    reportBox_->moveCursor(QTextCursor::Start);
    QDialog::showEvent(event);
}

void ReportWindow::saveReport() {
    const QString chosen = SaveReportDialog::askFileName(this);
    if (chosen.isEmpty())
        return; // cancelled: nothing written, nothing said
    const QString path = withRtfExtension(chosen);
    const QString reason = writeReportFile(path, documentToRtf(*reportBox_->document()));
    if (!reason.isEmpty()) {
        MessageBoxes::error(this,
                            reporttexts::saveFailedText(QDir::toNativeSeparators(path), reason));
    }
}

void ReportWindow::printWithDialog() {
    QPrinter printer(QPrinter::HighResolution);
    if (PrintReportDialog::ask(printer, reportBox_->textCursor().hasSelection(), this))
        printReport(printer);
}

void ReportWindow::printReport(QPrinter& printer) const {
    ::printReport(*reportBox_->document(), reportBox_->textCursor(), printer);
}
