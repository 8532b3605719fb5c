#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class QWidget;

// The exit window's text boxes hold their own hints as text: entering a box
// that shows only its hint empties it, leaving an empty box puts the hint
// back. Works on QLineEdit and QPlainTextEdit.
class PlaceholderKeeper : public QObject {
    Q_OBJECT
public:
    static void install(QWidget* box, const QString& placeholder);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PlaceholderKeeper(QWidget* box, const QString& placeholder);
    QString placeholder_;
};

// An e-mail address never contains a blank: a typed one is refused with a
// message and the box keeps the focus. (Pasted text is left alone; the send
// checks catch a malformed address no matter how it got there.)
class EmailBlankGuard : public QObject {
    Q_OBJECT
public:
    static void install(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit EmailBlankGuard(QLineEdit* box);
};

// A box's text with CR LF line breaks, and the reverse.
QString boxText(const QWidget* box);
void setBoxText(QWidget* box, const QString& text);
