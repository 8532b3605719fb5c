#pragma once

#include <QUrl>

// The pages the program opens in the user's browser.
enum class WebPage {
    OnlineHelpPage,
    HomePage,
    DownloadPage,
    DonationPage,
    FullBrandingPage,
    CoBrandingPage,
    OtherSoftwarePage,
    ReferralPage,
};

QUrl webPageAddress(WebPage page);

// The program's own page on the maker's site (sent along with a referral).
QUrl programPageAddress();

// The home page as the labels name it, e.g. "www.azivoder.example".
QString homePageDisplayName();

// Hands the address to the desktop's browser without waiting for it and
// without reporting anything if no browser or network is there.
void openWebPage(WebPage page);
void openWebAddress(const QUrl& address);
