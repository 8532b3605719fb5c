#pragma once

#include <QString>
#include <QUrl>

// The refer-a-friend request: five values taken from the exit window's
// boxes, checked, and sent to the maker's referral page as a query.
namespace referral {

inline const QString NamePlaceholder = QStringLiteral("Your Name");
inline const QString EmailPlaceholder = QStringLiteral("Your Email Address");
inline const QString FriendNamePlaceholder = QStringLiteral("Friend's Name");
inline const QString FriendEmailPlaceholder = QStringLiteral("Friend's Email Address");
inline const QString MessagePlaceholder = QStringLiteral("Your Message");
// The message box starts with its placeholder and a line break, so a first
// visit does not empty it.
inline const QString InitialMessage = MessagePlaceholder + QStringLiteral("\r\n");

inline const QString DistinctEmails = QStringLiteral("Please Enter Distinct Email Addresses");
inline const QString ProperEmail = QStringLiteral("Please Enter Proper Email Address");
inline const QString MissingName = QStringLiteral("Please Enter Your Name");
inline const QString MissingEmail = QStringLiteral("Please Enter Your Email");
inline const QString MissingMessage = QStringLiteral("Please Enter Your Message");
inline const QString MissingFriendName = QStringLiteral("Please Enter Your Friend's Name");
inline const QString MissingFriendEmail = QStringLiteral("Please Enter Your Friend's Email");
inline const QString BlankInEmail = QStringLiteral("Email Address Cannot Contain Space");

struct Values {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// Removes leading and trailing blanks (spaces only: a line break at the end
// of the message is part of it).
QString trimBlanks(const QString& text);

// Values with every field trimmed of blanks.
Values trimmed(const Values& values);

// The message of the first check the (trimmed) values fail, in the order
// the user is told about them; empty when the referral may be sent.
QString problem(const Values& values);

// The referral page with taf1..taf6 (name, e-mail, message, friend's name,
// friend's e-mail, the program's page). Every value is percent-encoded, so
// whatever a box holds comes back unchanged and cannot add or alter a key.
QUrl address(const Values& values);

} // namespace referral
