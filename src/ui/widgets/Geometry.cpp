#include "ui/widgets/Geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void placeControl(QWidget* control, const TwipRect& at) {
    control->setGeometry(at.toPixels());
}

void placeControls(QWidget* window, const ControlPlace* places, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (auto* control = window->findChild<QWidget*>(QString::fromLatin1(places[i].name)))
            placeControl(control, places[i].at);
    }
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}
