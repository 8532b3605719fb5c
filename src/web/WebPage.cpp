#include "web/WebPage.h"

#include <QDesktopServices>

namespace {

struct PageAddress {
    WebPage page;
    const char* address;
};

// Every address the program knows, in one place.
constexpr PageAddress Addresses[] = {
    {WebPage::OnlineHelpPage, "https://www.azivoder.example/help/"},
    {WebPage::HomePage, "https://www.azivoder.example/"},
    {WebPage::DownloadPage, "https://www.azivoder.example/download/"},
    {WebPage::DonationPage, "https://www.azivoder.example/donate/"},
    {WebPage::FullBrandingPage, "https://www.azivoder.example/branding/full/"},
    {WebPage::CoBrandingPage, "https://www.azivoder.example/branding/co/"},
    {WebPage::OtherSoftwarePage, "https://www.azivoder.example/software/"},
    {WebPage::ReferralPage, "https://www.azivoder.example/refer/"},
};

constexpr const char* ProgramPage = "https://www.azivoder.example/software/azivoder/";

} // namespace

QUrl webPageAddress(WebPage page) {
    for (const PageAddress& entry : Addresses) {
        if (entry.page == page)
            return QUrl(QString::fromLatin1(entry.address));
    }
    return QUrl();
}

QUrl programPageAddress() {
    return QUrl(QString::fromLatin1(ProgramPage));
}

QString homePageDisplayName() {
    return webPageAddress(WebPage::HomePage).host();
}

void openWebPage(WebPage page) {
    openWebAddress(webPageAddress(page));
}

void openWebAddress(const QUrl& address) {
    // The result is deliberately not examined: a missing browser is not the
    // user's problem to be told about here.
    (void)QDesktopServices::openUrl(address);
}
