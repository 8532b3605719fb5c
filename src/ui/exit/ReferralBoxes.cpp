#include "ui/exit/ReferralBoxes.h"

#include "ui/exit/Referral.h"
#include "ui/widgets/MessageBoxes.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

QString boxText(const QWidget* box) {
    if (auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (auto* multi = qobject_cast<const QPlainTextEdit*>(box)) {
        QString text = multi->toPlainText();
        return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    }
    return QString();
}

void setBoxText(QWidget* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else if (auto* multi = qobject_cast<QPlainTextEdit*>(box))
        multi->setPlainText(text); // reads CR LF as one line break
}

PlaceholderKeeper::PlaceholderKeeper(QWidget* box, const QString& placeholder)
    : QObject(box), placeholder_(placeholder) {}

void PlaceholderKeeper::install(QWidget* box, const QString& placeholder) {
    box->installEventFilter(new PlaceholderKeeper(box, placeholder));
}

bool PlaceholderKeeper::eventFilter(QObject* watched, QEvent* event) {
    const bool focusIn = event->type() == QEvent::FocusIn;
    if (!focusIn && event->type() != QEvent::FocusOut)
        return false;
    // Switching to another window (a message box included) is not leaving
    // or entering the box.
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return false;

    auto* box = static_cast<QWidget*>(watched);
    const QString trimmed = referral::trimBlanks(boxText(box));
    if (focusIn && trimmed == placeholder_) {
        // Emptied right after the focus change has been told: a screen
        // reader that heard the text go first would take the box as already
        // read and say nothing of it. The box looks the same either way.
        QMetaObject::invokeMethod(
            this,
            [this, box] {
                if (box->hasFocus() && referral::trimBlanks(boxText(box)) == placeholder_)
                    setBoxText(box, QString());
            },
            Qt::QueuedConnection);
    } else if (!focusIn && trimmed.isEmpty())
        setBoxText(box, placeholder_);
    return false;
}

EmailBlankGuard::EmailBlankGuard(QLineEdit* box) : QObject(box) {}

void EmailBlankGuard::install(QLineEdit* box) {
    box->installEventFilter(new EmailBlankGuard(box));
}

bool EmailBlankGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress ||
        static_cast<QKeyEvent*>(event)->text() != QLatin1String(" "))
        return false;
    auto* box = static_cast<QWidget*>(watched);
    MessageBoxes::error(box->window(), referral::BlankInEmail);
    box->setFocus(Qt::OtherFocusReason);
    return true; // the blank never reaches the box
}
