#include "ui/exit/Referral.h"
#include "web/WebPage.h"

#include <QUrlQuery>
#include <QtTest>

using referral::Values;

Q_DECLARE_METATYPE(Values)

namespace {

const Values Good{QStringLiteral("Ann"), QStringLiteral("ann@mail.example"),
                  QStringLiteral("Hello"), QStringLiteral("Bob"),
                  QStringLiteral("bob@mail.example")};

Values with(Values values, QString Values::*field, const QString& text) {
    values.*field = text;
    return values;
}

// Decodes a query the way a form handler does: split at the raw '&' and
// '=', then percent-decode, with '+' read as a blank. Because the program
// encodes '+' as %2B, this reading and QUrlQuery's must agree.
QList<QPair<QString, QString>> formDecode(const QByteArray& query) {
    QList<QPair<QString, QString>> items;
    for (const QByteArray& pair : query.split('&')) {
        const qsizetype eq = pair.indexOf('=');
        auto decode = [](QByteArray part) {
            return QUrl::fromPercentEncoding(part.replace('+', ' '));
        };
        items.append({decode(pair.left(eq)), decode(pair.mid(eq + 1))});
    }
    return items;
}

} // namespace

class TestReferral : public QObject {
    Q_OBJECT
private slots:
    void checksInOrder_data();
    void checksInOrder();
    void trimRemovesBlanksOnly();
    void addressCarriesTheKeysInOrder();
    void hostileValuesRoundTrip_data();
    void hostileValuesRoundTrip();
};

void TestReferral::checksInOrder_data() {
    QTest::addColumn<Values>("values");
    QTest::addColumn<QString>("message");
    const Values untouched{referral::NamePlaceholder, referral::EmailPlaceholder,
                           referral::InitialMessage, referral::FriendNamePlaceholder,
                           referral::FriendEmailPlaceholder};
    QTest::newRow("untouched form") << untouched << referral::ProperEmail;
    QTest::newRow("same address before anything else")
        << Values{QString(), QStringLiteral("x"), QString(), QString(), QStringLiteral("x")}
        << referral::DistinctEmails;
    QTest::newRow("both empty count as the same")
        << with(with(Good, &Values::email, {}), &Values::friendEmail, {})
        << referral::DistinctEmails;
    QTest::newRow("own address without @")
        << with(Good, &Values::email, QStringLiteral("ann.mail.example")) << referral::ProperEmail;
    QTest::newRow("friend's address without @")
        << with(Good, &Values::friendEmail, QStringLiteral("bob.mail.example"))
        << referral::ProperEmail;
    QTest::newRow("own address without a dot")
        << with(Good, &Values::email, QStringLiteral("ann@mail")) << referral::ProperEmail;
    QTest::newRow("friend's address without a dot")
        << with(Good, &Values::friendEmail, QStringLiteral("bob@mail")) << referral::ProperEmail;
    QTest::newRow("name is the hint")
        << with(Good, &Values::name, referral::NamePlaceholder) << referral::MissingName;
    QTest::newRow("name empty, message empty: name first")
        << with(with(Good, &Values::name, {}), &Values::message, {}) << referral::MissingName;
    QTest::newRow("message empty") << with(Good, &Values::message, {}) << referral::MissingMessage;
    QTest::newRow("message is the bare hint")
        << with(Good, &Values::message, referral::MessagePlaceholder) << referral::MissingMessage;
    QTest::newRow("message is the first-shown text")
        << with(Good, &Values::message, referral::InitialMessage) << QString();
    QTest::newRow("friend's name is the hint")
        << with(Good, &Values::friendName, referral::FriendNamePlaceholder)
        << referral::MissingFriendName;
    QTest::newRow("friend's name empty")
        << with(Good, &Values::friendName, {}) << referral::MissingFriendName;
    QTest::newRow("everything filled in") << Good << QString();
    QTest::newRow("case matters for distinct addresses")
        << with(Good, &Values::friendEmail, QStringLiteral("ANN@mail.example")) << QString();
}

void TestReferral::checksInOrder() {
    QFETCH(Values, values);
    QFETCH(QString, message);
    QCOMPARE(referral::problem(values), message);
}

void TestReferral::trimRemovesBlanksOnly() {
    QCOMPARE(referral::trimBlanks(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    QCOMPARE(referral::trimBlanks(QStringLiteral("   ")), QString());
    QCOMPARE(referral::trimBlanks(QStringLiteral(" Your Message\r\n ")),
             QStringLiteral("Your Message\r\n"));
    QCOMPARE(referral::trimBlanks(QStringLiteral("\ttab\t")), QStringLiteral("\ttab\t"));
    const Values trimmed =
        referral::trimmed({QStringLiteral(" a "), QStringLiteral(" b "), QStringLiteral(" c "),
                           QStringLiteral(" d "), QStringLiteral(" e ")});
    QCOMPARE(trimmed.name + trimmed.email + trimmed.message + trimmed.friendName +
                 trimmed.friendEmail,
             QStringLiteral("abcde"));
}

void TestReferral::addressCarriesTheKeysInOrder() {
    const QUrl address = referral::address(Good);
    QUrl page = address;
    page.setQuery(QString());
    QCOMPARE(page, webPageAddress(WebPage::ReferralPage));
    QCOMPARE(
        address.query(QUrl::FullyEncoded),
        QStringLiteral(
            "taf1=Ann&taf2=ann%40mail.example&taf3=Hello&taf4=Bob&taf5=bob%40mail.example&taf6=") +
            QString::fromLatin1(QUrl::toPercentEncoding(programPageAddress().toString())));
}

void TestReferral::hostileValuesRoundTrip_data() {
    QTest::addColumn<Values>("values");
    QTest::newRow("delimiters") << Values{QStringLiteral("A&taf6=evil"), QStringLiteral("a=b@c.d"),
                                          QStringLiteral("50% off #1 + more"),
                                          QStringLiteral("B?x=y"), QStringLiteral("b+tag@c.d")};
    QTest::newRow("line breaks") << Values{QStringLiteral("Ann"), QStringLiteral("a@b.c"),
                                           QStringLiteral("Line one\r\nLine two\r\n"),
                                           QStringLiteral("Bob"), QStringLiteral("b@c.d")};
    QTest::newRow("encoded-looking text stays text")
        << Values{QStringLiteral("%26%3D%2B"), QStringLiteral("a%40b@c.d"),
                  QStringLiteral("%0D%0A"), QStringLiteral("+ +"), QStringLiteral("b@c.d")};
    QTest::newRow("letters beyond ASCII") << Values{
        QStringLiteral("Zoë Müller"), QStringLiteral("zoë@exämple.de"),
        QStringLiteral("Привет, 你好 🌍"), QStringLiteral("Ólafur"), QStringLiteral("o@e.is")};
    QTest::newRow("very long message") << Values{QStringLiteral("Ann"), QStringLiteral("a@b.c"),
                                                 QStringLiteral("&=#+% \r\n").repeated(4000),
                                                 QStringLiteral("Bob"), QStringLiteral("b@c.d")};
}

void TestReferral::hostileValuesRoundTrip() {
    QFETCH(Values, values);
    const QUrl address = referral::address(values);
    QVERIFY(address.isValid());
    QVERIFY(address.fragment().isNull()); // a '#' never starts a fragment

    // Through the encoded form the browser is handed.
    const QUrl handed = QUrl::fromEncoded(address.toEncoded(), QUrl::StrictMode);
    const QUrlQuery query(handed);
    const QStringList expected{values.name,        values.email,
                               values.message,     values.friendName,
                               values.friendEmail, programPageAddress().toString()};
    const auto items = query.queryItems(QUrl::FullyDecoded);
    QCOMPARE(items.size(), 6);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(items[i].first, QStringLiteral("taf%1").arg(i + 1));
        QCOMPARE(items[i].second, expected[i]);
    }

    const auto form = formDecode(handed.query(QUrl::FullyEncoded).toLatin1());
    QCOMPARE(form.size(), 6);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(form[i].first, QStringLiteral("taf%1").arg(i + 1));
        QCOMPARE(form[i].second, expected[i]);
    }
}

QTEST_MAIN(TestReferral)
#include "test_referral.moc"
