#pragma once

#include "ui/widgets/ScriptedAnswers.h"

#include <QMessageBox>
#include <QString>

// Every message box of the program goes through here, with ApplicationTitle
// as its caption. Tests switch to scripted answers so that no modal box is
// ever left waiting, and read back what would have been shown.
class MessageBoxes {
public:
    using Button = QMessageBox::StandardButton;
    using Buttons = QMessageBox::StandardButtons;

    struct Shown {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        Buttons buttons;
    };

    static Button information(QWidget* parent, const QString& text,
                              Buttons buttons = QMessageBox::Ok);
    static Button error(QWidget* parent, const QString& text);

    // Scripted mode for tests: boxes are recorded instead of shown and
    // answered with the queued answers, or with their last button (OK, No)
    // when none is left.
    static ScriptedAnswers<Button, Shown>& script();

private:
    static Button show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                       Buttons buttons);
};
