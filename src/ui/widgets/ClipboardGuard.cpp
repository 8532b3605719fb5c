#include "ui/widgets/ClipboardGuard.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTextEdit>

namespace {

// Remembers that the clipboard was emptied during the event being handled.
// One press changes several boxes (three per casting, ten per reset), and on
// X11 every emptying is a round trip to the display server; once emptied the
// clipboard stays empty, so later requests in the same event have nothing
// to do. The memory ends when the clipboard reports any change (text copied
// within this program, or another program's copy where the platform reports
// it) and, at the latest, when control returns to the event loop, where
// another program may have taken the clipboard unreported. So the user finds
// the clipboard empty after every action that asks for it, as before.
class EmptiedMark : public QObject {
public:
    explicit EmptiedMark(QClipboard* clipboard) : QObject(clipboard), clipboard_(clipboard) {
        connect(clipboard, &QClipboard::changed, this, [this](QClipboard::Mode mode) {
            if (mode == QClipboard::Clipboard && !clearing_)
                emptied_ = false;
        });
    }

    void emptyOncePerEvent() {
        if (emptied_)
            return;
        clearing_ = true;
        clipboard_->clear(QClipboard::Clipboard);
        clearing_ = false;
        emptied_ = true;
        // Runs once the current event has been handled.
        QMetaObject::invokeMethod(
            this, [this] { emptied_ = false; }, Qt::QueuedConnection);
    }

private:
    QClipboard* clipboard_;
    bool clearing_ = false;
    bool emptied_ = false;
};

} // namespace

ClipboardGuard::ClipboardGuard(QTextEdit* edit) : QObject(edit) {
    // Without tracking, moves over the box arrive only while a button is down.
    edit->setMouseTracking(true);
    edit->viewport()->setMouseTracking(true);
    edit->installEventFilter(this);
    edit->viewport()->installEventFilter(this);
    connect(edit, &QTextEdit::textChanged, this, &ClipboardGuard::emptyClipboard);
    connect(edit, &QTextEdit::textChanged, this, &ClipboardGuard::dropOwnSelection);
    // The scroll bars and their frames belong to the box: the mouse over
    // them is over it.
    for (QWidget* part : edit->findChildren<QWidget*>()) {
        part->setMouseTracking(true);
        part->installEventFilter(this);
    }
}

void ClipboardGuard::install(QTextEdit* edit) {
    if (edit != nullptr)
        new ClipboardGuard(edit);
}

void ClipboardGuard::emptyClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return;
    // One mark per clipboard object: it goes with the application.
    static QPointer<EmptiedMark> mark;
    if (mark.isNull() || mark->parent() != clipboard)
        mark = new EmptiedMark(clipboard);
    mark->emptyOncePerEvent();
}

bool ClipboardGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        emptyClipboard();
        dropOwnSelection();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

namespace {

// The box whose selection this program offers as the primary selection.
QPointer<QTextEdit>& offeringBox() {
    static QPointer<QTextEdit> box;
    return box;
}

bool offersLiveSelection() {
    const QTextEdit* box = offeringBox();
    return box != nullptr && box->isVisible() && box->textCursor().hasSelection();
}

} // namespace

void ClipboardGuard::offerSelection(QTextEdit* edit) {
    if (edit == nullptr)
        return;
    connect(edit, &QTextEdit::selectionChanged, edit, [edit] {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard == nullptr || !clipboard->supportsSelection())
            return;
        const QTextCursor cursor = edit->textCursor();
        if (!cursor.hasSelection()) {
            if (offeringBox() == edit)
                dropOwnSelection(); // nothing is shown selected any more
            return;
        }
        offeringBox() = edit;
        // Paragraphs and line breaks as plain line feeds, as copying gives them.
        QString text = cursor.selectedText();
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        text.replace(QChar::LineSeparator, QLatin1Char('\n'));
        clipboard->setText(text, QClipboard::Selection);
    });
}

void ClipboardGuard::dropOwnSelection() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr || !clipboard->supportsSelection() || !clipboard->ownsSelection())
        return;
    if (offersLiveSelection())
        return;
    clipboard->clear(QClipboard::Selection);
}
