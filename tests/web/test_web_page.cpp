#include "support/UrlCatcher.h"
#include "ui/widgets/MessageBoxes.h"
#include "web/WebPage.h"

#include <QSet>
#include <QtTest>

Q_DECLARE_METATYPE(WebPage)

class TestWebPage : public QObject {
    Q_OBJECT
private slots:
    void everyPageHasItsOwnAddressOnTheProgramsSite_data();
    void everyPageHasItsOwnAddressOnTheProgramsSite();
    void openWebPageHandsTheAddressToTheBrowser_data();
    void openWebPageHandsTheAddressToTheBrowser();
    void homePageNameAndProgramPage();
    void noBrowserMeansNothingVisible();
};

namespace {

const WebPage AllPages[] = {WebPage::OnlineHelpPage,    WebPage::HomePage,
                            WebPage::DownloadPage,      WebPage::DonationPage,
                            WebPage::FullBrandingPage,  WebPage::CoBrandingPage,
                            WebPage::OtherSoftwarePage, WebPage::ReferralPage};

void addPageRows() {
    QTest::addColumn<WebPage>("page");
    const char* names[] = {"OnlineHelpPage",    "HomePage",         "DownloadPage",
                           "DonationPage",      "FullBrandingPage", "CoBrandingPage",
                           "OtherSoftwarePage", "ReferralPage"};
    for (std::size_t i = 0; i < std::size(AllPages); ++i)
        QTest::newRow(names[i]) << AllPages[i];
}

} // namespace

void TestWebPage::everyPageHasItsOwnAddressOnTheProgramsSite_data() {
    addPageRows();
}

void TestWebPage::everyPageHasItsOwnAddressOnTheProgramsSite() {
    QFETCH(WebPage, page);
    const QUrl address = webPageAddress(page);
    QVERIFY(address.isValid());
    QCOMPARE(address.scheme(), QStringLiteral("https"));
    // A reserved example domain of the program's own, never somebody's real site.
    QCOMPARE(address.host(), QStringLiteral("www.azivoder.example"));
    QVERIFY(!address.hasQuery()); // the referral adds its own query

    int sameAddress = 0;
    for (WebPage other : AllPages)
        sameAddress += webPageAddress(other) == address ? 1 : 0;
    QCOMPARE(sameAddress, 1);
}

void TestWebPage::openWebPageHandsTheAddressToTheBrowser_data() {
    addPageRows();
}

void TestWebPage::openWebPageHandsTheAddressToTheBrowser() {
    QFETCH(WebPage, page);
    UrlCatcher browser;
    openWebPage(page);
    openWebPage(page); // a second call opens it again
    QCOMPARE(browser.opened(), (QList<QUrl>{webPageAddress(page), webPageAddress(page)}));
}

void TestWebPage::homePageNameAndProgramPage() {
    QCOMPARE(homePageDisplayName(), QStringLiteral("www.azivoder.example"));
    const QUrl program = programPageAddress();
    QCOMPARE(program.host(), QStringLiteral("www.azivoder.example"));
    for (WebPage page : AllPages)
        QVERIFY(program != webPageAddress(page));
}

void TestWebPage::noBrowserMeansNothingVisible() {
    // No handler and no desktop to ask: the call returns at once and says nothing.
    MessageBoxes::script().setScripted(true);
    MessageBoxes::script().clear();
    QElapsedTimer timer;
    timer.start();
    openWebAddress(QUrl(QStringLiteral("azivoder-nowhere://page")));
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(MessageBoxes::script().shown().size(), 0);
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

QTEST_MAIN(TestWebPage)
#include "test_web_page.moc"
