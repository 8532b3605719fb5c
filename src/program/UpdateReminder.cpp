#include "program/UpdateReminder.h"

#include "ui/widgets/MessageBoxes.h"
#include "web/WebPage.h"

#include <QSettings>

namespace {

// True when today's date has really reached the store.
bool storeToday(QSettings& settings, const QDate& today) {
    settings.setValue(updatereminder::Key, today.toString(Qt::ISODate));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace

void updateReminder(QSettings& settings, const QDate& today) {
    if (!settings.contains(updatereminder::Key)) {
        // The first start counts as the day of the last question.
        storeToday(settings, today);
        return;
    }

    const QDate stored =
        QDate::fromString(settings.value(updatereminder::Key).toString(), Qt::ISODate);
    if (!stored.isValid())
        return; // leave a value we do not understand as it is

    const qint64 days = today.daysTo(stored);
    if (days >= -updatereminder::QuietDays && days <= updatereminder::QuietDays)
        return;

    const auto answer = MessageBoxes::information(nullptr, updatereminder::Question,
                                                  QMessageBox::Yes | QMessageBox::No);
    // Whatever the answer, the next question waits another fifteen days; if
    // that cannot be recorded, nothing more happens now.
    if (!storeToday(settings, today))
        return;
    if (answer == QMessageBox::Yes)
        openWebPage(WebPage::DownloadPage);
}
