#include "ui/exit/Referral.h"

#include "web/WebPage.h"

namespace referral {

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

Values trimmed(const Values& values) {
    return {trimBlanks(values.name), trimBlanks(values.email), trimBlanks(values.message),
            trimBlanks(values.friendName), trimBlanks(values.friendEmail)};
}

namespace {

bool missing(const QString& value, const QString& placeholder) {
    return value.isEmpty() || value == placeholder;
}

} // namespace

QString problem(const Values& values) {
    if (values.email == values.friendEmail)
        return DistinctEmails;
    for (QChar required : {QLatin1Char('@'), QLatin1Char('.')}) {
        if (!values.email.contains(required) || !values.friendEmail.contains(required))
            return ProperEmail;
    }

    const struct {
        const QString& value;
        const QString& placeholder;
        const QString& message;
    } fields[] = {
        {values.name, NamePlaceholder, MissingName},
        {values.email, EmailPlaceholder, MissingEmail},
        {values.message, MessagePlaceholder, MissingMessage},
        {values.friendName, FriendNamePlaceholder, MissingFriendName},
        {values.friendEmail, FriendEmailPlaceholder, MissingFriendEmail},
    };
    for (const auto& field : fields) {
        if (missing(field.value, field.placeholder))
            return field.message;
    }
    return QString();
}

QUrl address(const Values& values) {
    const QString items[][2] = {
        {QStringLiteral("taf1"), values.name},
        {QStringLiteral("taf2"), values.email},
        {QStringLiteral("taf3"), values.message},
        {QStringLiteral("taf4"), values.friendName},
        {QStringLiteral("taf5"), values.friendEmail},
        {QStringLiteral("taf6"), programPageAddress().toString(QUrl::FullyEncoded)},
    };
    // toPercentEncoding leaves only letters, digits and "-._~" as they are:
    // '&', '=', '#', '+', '%', line breaks and non-ASCII letters (as UTF-8)
    // all become %XX, which no browser or server reads as a delimiter.
    QByteArray query;
    for (const auto& item : items) {
        if (!query.isEmpty())
            query += '&';
        query += item[0].toLatin1() + '=' + QUrl::toPercentEncoding(item[1]);
    }
    QUrl address = webPageAddress(WebPage::ReferralPage);
    address.setQuery(QString::fromLatin1(query), QUrl::StrictMode);
    return address;
}

} // namespace referral
