#pragma once

#include "ui/exit/ExitWindowTexts.h"

#include <QString>
#include <QUrl>

// The refer-a-friend request: five values taken from the exit window's
// boxes, checked, and sent to the maker's referral page as a query. The
// form's hints and messages are in ExitWindowTexts.h.
namespace referral {

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
