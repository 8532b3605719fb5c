#include "web/WebPage.h"

#include <QDesktopServices>

namespace {

struct PageAddress {
    WebPage page;
    const char* address;
};

// Every address the program knows, in one place.
constexpr PageAddress kAddresses[] = {
    {WebPage::OnlineHelpPage, "https://www.azivoder.example/help/"},
    {WebPage::HomePage, "https://www.azivoder.example/"},
    {WebPage::DownloadPage, "https://www.azivoder.example/download/"},
    {WebPage::DonationPage, "https://www.azivoder.example/donate/"},
    {WebPage::FullBrandingPage, "https://www.azivoder.example/branding/full/"},
    {WebPage::CoBrandingPage, "https://www.azivoder.example/branding/co/"},
    {WebPage::OtherSoftwarePage, "https://www.azivoder.example/software/"},
    {WebPage::ReferralPage, "https://www.azivoder.example/refer/"},
};

constexpr const char* kProgramPage = "https://www.azivoder.example/software/azivoder/";

} // namespace

QUrl WebPageAddress(WebPage page) {
    for (const PageAddress& entry : kAddresses) {
        if (entry.page == page)
            return QUrl(QString::fromLatin1(entry.address));
    }
    return QUrl();
}

QUrl ProgramPageAddress() { return QUrl(QString::fromLatin1(kProgramPage)); }

QString HomePageDisplayName() { return WebPageAddress(WebPage::HomePage).host(); }

void OpenWebPage(WebPage page) { OpenWebAddress(WebPageAddress(page)); }

void OpenWebAddress(const QUrl& address) {
    // The result is deliberately not examined: a missing browser is not the
    // user's problem to be told about here.
    (void)QDesktopServices::openUrl(address);
}
