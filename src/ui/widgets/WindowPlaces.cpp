#include "ui/widgets/WindowPlaces.h"

#include "ui/widgets/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void placeControls(QWidget* window, const TwipPlace* places, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const TwipPlace& place = places[i];
        if (auto* control = window->findChild<QWidget*>(QString::fromLatin1(place.name)))
            control->setGeometry(twips::rect(place.left, place.top, place.width, place.height));
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
