#include "ui/widgets/Labels.h"

#include "ui/widgets/Colours.h"

#include <QLabel>

QLabel* createLabel(const QString& name, const QString& text, const QFont& font, QWidget* parent,
                    const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    if (colour.isValid())
        setPaletteColour(label, {QPalette::WindowText, QPalette::Text}, colour);
    return label;
}
