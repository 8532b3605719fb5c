#include "ui/widgets/MessageBoxes.h"

#include "ui/widgets/AppInfo.h"
#include "ui/widgets/PictureLabel.h"

#include <QScreen>
#include <QStyle>

namespace {

MessageBoxes::Button fallbackAnswer(MessageBoxes::Buttons buttons) {
    if (buttons.testFlag(QMessageBox::No))
        return QMessageBox::No;
    return QMessageBox::Ok;
}

} // namespace

MessageBoxes::Button MessageBoxes::information(QWidget* parent, const QString& text,
                                               Buttons buttons) {
    return show(parent, QMessageBox::Information, text, buttons);
}

MessageBoxes::Button MessageBoxes::error(QWidget* parent, const QString& text) {
    return show(parent, QMessageBox::Critical, text, QMessageBox::Ok);
}

ScriptedAnswers<MessageBoxes::Button, MessageBoxes::Shown>& MessageBoxes::script() {
    static ScriptedAnswers<Button, Shown> instance;
    return instance;
}

MessageBoxes::Button MessageBoxes::show(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& text, Buttons buttons) {
    if (script().isScripted())
        return script().answer(Shown{icon, ApplicationTitle, text, buttons},
                               fallbackAnswer(buttons));
    // A lone CR separates lines in the program's texts; the box breaks only on LF.
    QString shownText = text;
    shownText.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, ApplicationTitle, shownText, buttons, parent);
    // On its parent's screen from the start, its icon drawn for that
    // screen's scale: the box draws it for the screen it is made on.
    if (parent != nullptr && parent->screen() != nullptr)
        box.setScreen(parent->screen());
    const QStyle::StandardPixmap standard = icon == QMessageBox::Critical
                                                ? QStyle::SP_MessageBoxCritical
                                                : QStyle::SP_MessageBoxInformation;
    const int side = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    const QPixmap picture = pictureFor(box.style()->standardIcon(standard, nullptr, &box),
                                       QSize(side, side), box.devicePixelRatioF());
    if (!picture.isNull())
        box.setIconPixmap(picture);
    return static_cast<Button>(box.exec());
}
