#include "ui/widgets/ClickableLabel.h"

#include "ui/widgets/Accessibility.h"
#include "ui/widgets/Colours.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    accessibility::install(); // read out as a link, and as off screen when hidden behind another
    // The program's captions are plain text: never let a "<" or "&" in one
    // be read as markup, and keep runs of blanks as they are.
    setTextFormat(Qt::PlainText);
    setText(text);
}

void ClickableLabel::setLinkLook(bool link) {
    QFont f = font();
    f.setUnderline(link);
    setFont(f);
    if (link)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

ClickableLabel* ClickableLabel::createLink(const char* name, const QString& text, const QFont& font,
                                           const QColor& colour, QWidget* parent,
                                           const std::function<void()>& onClick) {
    auto* label = new ClickableLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setLinkLook(true);
    setPaletteColour(label, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, colour);
    connect(label, &ClickableLabel::clicked, label, onClick);
    return label;
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and release over the label, as with a button.
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}
