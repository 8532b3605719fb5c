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

    // Where the system has a primary selection (X11), offers the text
    // selected in `edit` as that selection, which a middle click pastes, so
    // that the report stays pasteable although the clipboard is emptied.
    static void offerSelection(QTextEdit* edit);

    // Drops the primary selection when this program holds it, unless it is
    // the text still shown selected in a box that offers its selection.
    // Another program's selection is never touched.
    static void dropOwnSelection();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ClipboardGuard(QTextEdit* edit);
};
