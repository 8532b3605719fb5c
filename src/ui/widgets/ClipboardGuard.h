#pragma once

#include <QObject>

class QTextEdit;

// Empties the system clipboard whenever the text of a box changes or the
// mouse is pressed, moved or released over it (focused or not), so that text
// copied from the readings does not linger on the clipboard. Several boxes
// changing within one event empty it once: the result is the same.
class ClipboardGuard : public QObject {
    Q_OBJECT
public:
    // The guard becomes a child of `edit` and lives as long as it does.
    static void install(QTextEdit* edit);

    // Empties the clipboard unless this event has already emptied it and
    // nothing has been put there since.
    static void emptyClipboard();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ClipboardGuard(QTextEdit* edit);
};
