#pragma once

#include <QDate>
#include <QString>

class QSettings;

// Asks at most once in fifteen days whether the user wants to look for a
// newer version. The day of the last question (or of the first start) is kept
// in the given store under Settings/LastReminderDate as ISO text.
namespace updatereminder {

inline const QString Key = QStringLiteral("Settings/LastReminderDate");
inline const QString Question = QStringLiteral("There maybe an update to this software available\r"
                                               "Do you want to check for an update?");
constexpr int QuietDays = 14; // no question while the stored day is at most this far away

} // namespace updatereminder

// The store and today's date are passed in so that the rule can be checked
// on any day against any store.
void updateReminder(QSettings& settings, const QDate& today);
