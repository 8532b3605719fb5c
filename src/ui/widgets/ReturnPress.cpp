#include "ui/widgets/ReturnPress.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>

namespace {

class ReturnPress : public QObject {
public:
    explicit ReturnPress(QAbstractButton* button) : QObject(button), button_(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == button_ && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                if (button_->isEnabled())
                    button_->click();
                return true; // the window's own Enter handling must not press another button
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAbstractButton* button_;
};

} // namespace

void pressOnReturn(QAbstractButton* button) {
    if (button != nullptr)
        button->installEventFilter(new ReturnPress(button));
}
