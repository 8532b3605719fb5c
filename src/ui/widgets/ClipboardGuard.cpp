#include "ui/widgets/ClipboardGuard.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QTextEdit>

ClipboardGuard::ClipboardGuard(QTextEdit* edit) : QObject(edit) {
    // Without tracking, moves over the box arrive only while a button is down.
    edit->setMouseTracking(true);
    edit->viewport()->setMouseTracking(true);
    edit->installEventFilter(this);
    edit->viewport()->installEventFilter(this);
    connect(edit, &QTextEdit::textChanged, this, &ClipboardGuard::emptyClipboard);
}

void ClipboardGuard::install(QTextEdit* edit) {
    if (edit != nullptr)
        new ClipboardGuard(edit);
}

void ClipboardGuard::emptyClipboard() {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->clear(QClipboard::Clipboard);
}

bool ClipboardGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        emptyClipboard();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
