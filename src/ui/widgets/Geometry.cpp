#include "ui/widgets/Geometry.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The room a control's text needs with its own font; an empty size when
// it has no text to fit.
QSize roomForText(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty())
            return {};
        // A wrapping label keeps its width and takes the lines it needs.
        return label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width()))
                                 : label->sizeHint();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        if (button->text().isEmpty())
            return {};
        // The caption, the style's margin round it and the frame, without
        // the style's minimum width: a narrow button with a short caption
        // keeps its width.
        const QStyle* style = button->style();
        const int frame = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        return QFontMetrics(button->font()).size(Qt::TextShowMnemonic, button->text()) +
               QSize(margin + frame, frame);
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(control))
        return box->text().isEmpty() ? QSize() : box->sizeHint();
    return {};
}

Qt::Alignment anchorOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->alignment();
    if (qobject_cast<const QPushButton*>(control) != nullptr)
        return Qt::AlignCenter;
    return Qt::AlignLeft | Qt::AlignTop;
}

// Widens [start, start + length) to `needed`, keeping the anchored side or
// the centre where it was.
void grow(int& start, int& length, int needed, bool keepEnd, bool keepCentre) {
    if (needed <= length)
        return;
    const int extra = needed - length;
    if (keepEnd)
        start -= extra;
    else if (keepCentre)
        start -= extra / 2;
    length = needed;
}

} // namespace

void placeControl(QWidget* control, const TwipRect& at) {
    control->setGeometry(at.toPixels());
    fitToText(control);
}

void fitToText(QWidget* control) {
    const QSize needed = roomForText(control);
    if (!needed.isValid() ||
        (needed.width() <= control->width() && needed.height() <= control->height()))
        return;
    const Qt::Alignment anchor = anchorOf(control);
    const QRect place = control->geometry();
    int left = place.left(), width = place.width(), top = place.top(), height = place.height();
    grow(left, width, needed.width(), (anchor & Qt::AlignRight) != 0,
         (anchor & Qt::AlignHCenter) != 0);
    grow(top, height, needed.height(), (anchor & Qt::AlignBottom) != 0,
         (anchor & Qt::AlignVCenter) != 0);
    control->setGeometry(left, top, width, height);
}

void keepClearAbove(QWidget* control, const QWidget* cover) {
    const QRect place = control->geometry();
    const QRect over = cover->geometry();
    if (place.bottom() < over.top() || place.top() >= over.top() || place.right() < over.left() ||
        place.left() > over.right())
        return;
    control->move(place.left(), over.top() - place.height());
}

void placeControls(QWidget* window, const ControlPlace* places, std::size_t count) {
    std::vector<QWidget*> controls;
    for (std::size_t i = 0; i < count; ++i) {
        auto* control = window->findChild<QWidget*>(QString::fromLatin1(places[i].name));
        if (!control)
            throw std::invalid_argument(std::string("no control is named ") + places[i].name);
        controls.push_back(control);
    }
    for (std::size_t i = 0; i < count; ++i)
        placeControl(controls[i], places[i].at);
}

namespace {

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

class CentreWhenShown : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            centreOnScreen(static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

void centreOnScreenWhenShown(QWidget* window) {
    window->installEventFilter(new CentreWhenShown(window));
}
