#include "ui/widgets/Colours.h"

#include <QGuiApplication>
#include <QWidget>

QColor colours::system(QPalette::ColorRole role) {
    return QGuiApplication::palette().color(role);
}

void setPaletteColour(QWidget* widget, std::initializer_list<QPalette::ColorRole> roles,
                      const QColor& colour) {
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : roles) {
        palette.setColor(role, colour);
        if (role == QPalette::Window)
            widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}
