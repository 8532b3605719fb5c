#include "ui/widgets/MessageBoxes.h"

#include "ui/widgets/AppInfo.h"

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
    return static_cast<Button>(box.exec());
}
