#include "ui/widgets/MessageBoxes.h"

#include "ui/widgets/AppInfo.h"

namespace {

struct Script {
    bool scripted = false;
    QList<MessageBoxes::Button> answers;
    QList<MessageBoxes::Shown> shown;
};

Script& script() {
    static Script instance;
    return instance;
}

MessageBoxes::Button fallbackAnswer(MessageBoxes::Buttons buttons) {
    if (buttons.testFlag(QMessageBox::No))
        return QMessageBox::No;
    return QMessageBox::Ok;
}

} // namespace

MessageBoxes::Button MessageBoxes::information(QWidget* parent, const QString& text, Buttons buttons) {
    return show(parent, QMessageBox::Information, text, buttons);
}

MessageBoxes::Button MessageBoxes::error(QWidget* parent, const QString& text) {
    return show(parent, QMessageBox::Critical, text, QMessageBox::Ok);
}

void MessageBoxes::setScripted(bool scripted) { script().scripted = scripted; }

void MessageBoxes::setNextAnswer(Button answer) { script().answers.append(answer); }

const QList<MessageBoxes::Shown>& MessageBoxes::shown() { return script().shown; }

void MessageBoxes::clear() {
    script().answers.clear();
    script().shown.clear();
}

MessageBoxes::Button MessageBoxes::show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                    Buttons buttons) {
    Script& s = script();
    if (s.scripted) {
        s.shown.append(Shown{icon, ApplicationTitle, text, buttons});
        return s.answers.isEmpty() ? fallbackAnswer(buttons) : s.answers.takeFirst();
    }
    // A lone CR separates lines in the program's texts; the box breaks only on LF.
    QString shownText = text;
    shownText.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, ApplicationTitle, shownText, buttons, parent);
    return static_cast<Button>(box.exec());
}
