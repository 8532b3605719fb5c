#include "ui/widgets/Accessibility.h"

#include "ui/widgets/AccessibleParts.h"
#include "ui/widgets/AtSpiVisibility.h"
#include "ui/widgets/ClickableLabel.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>

namespace accessibility {

QString withoutMnemonic(QString text) {
    text.replace(QLatin1String("&&"), QStringLiteral("\x1f"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x1f'), QLatin1Char('&'));
}

QString nameOr(const QWidget* widget, const QString& caption) {
    return widget->accessibleName().isEmpty() ? caption : widget->accessibleName();
}

namespace {

const char* const DialogProperty = "accessibleAsDialog";

bool inReviewList(const QWidget* item) {
    return reviewItems(item->parentWidget()) != nullptr;
}

// A label: its text, or its picture, or a link to press; off screen where
// it cannot be seen.
class LabelInterface : public QAccessibleWidget {
public:
    explicit LabelInterface(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    // Asked each time: a label turns into a link when it gets the link look.
    QAccessible::Role role() const override {
        return inReviewList(widget()) ? QAccessible::ListItem : roleOf(label());
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return nameOr(widget(), label()->text());
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.offscreen = isOutOfSight(widget());
        if (inReviewList(widget())) {
            s.focusable = true;
            s.focused = reviewedItem(widget()->parentWidget()) == widget();
        }
        return s;
    }

    QStringList actionNames() const override {
        if (clickable() == nullptr)
            return QAccessibleWidget::actionNames();
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && clickable() != nullptr)
            emit clickable()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    static QAccessible::Role roleOf(const QLabel* label) {
        if (const auto* link = qobject_cast<const ClickableLabel*>(label);
            link != nullptr && link->font().underline())
            return QAccessible::Link;
        return label->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    ClickableLabel* clickable() const { return qobject_cast<ClickableLabel*>(widget()); }
};

// A frame: a group named by its caption. One that cannot be seen offers
// none of its controls, so nothing in it is read out as if on screen.
class FrameInterface : public QAccessibleWidget {
public:
    explicit FrameInterface(QGroupBox* frame) : QAccessibleWidget(frame, QAccessible::Grouping) {}

    QAccessible::Role role() const override {
        return reviewItems(widget()) != nullptr ? QAccessible::List : QAccessible::Grouping;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return nameOr(widget(), withoutMnemonic(static_cast<QGroupBox*>(widget())->title()));
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.offscreen = isOutOfSight(widget());
        return s;
    }

    // A review list holds its items alone: the labels around them are read
    // as part of each item's name.
    int childCount() const override {
        if (isOutOfSight(widget()))
            return 0;
        return review() != nullptr ? static_cast<int>((*review()).size())
                                   : QAccessibleWidget::childCount();
    }

    QAccessibleInterface* child(int index) const override {
        if (isOutOfSight(widget()))
            return nullptr;
        if (review() != nullptr)
            return index >= 0 && index < (*review()).size()
                       ? QAccessible::queryAccessibleInterface((*review())[index])
                       : nullptr;
        return QAccessibleWidget::child(index);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (review() == nullptr || child == nullptr)
            return QAccessibleWidget::indexOfChild(child);
        return static_cast<int>((*review()).indexOf(child->object()));
    }

private:
    const QList<QPointer<QWidget>>* review() const { return reviewItems(widget()); }
};

QAccessibleInterface* createInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (QAccessibleInterface* tabs = createTabInterface(className, widget))
        return tabs;
    if (className == QLatin1String("QLabel"))
        return new LabelInterface(static_cast<QLabel*>(widget));
    if (className == QLatin1String("QGroupBox"))
        return new FrameInterface(static_cast<QGroupBox*>(widget));
    if (isAnnouncer(widget))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    // A named plain frame groups what it holds.
    if (className == QLatin1String("QFrame") && !widget->accessibleName().isEmpty())
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    // Qt reads a bare QWidget as a filler; as a top-level one it is a window.
    if (className == QLatin1String("QWidget") && widget->isWindow())
        return new QAccessibleWidget(widget, widget->property(DialogProperty).toBool()
                                                 ? QAccessible::Dialog
                                                 : QAccessible::Window);
    return nullptr;
}

} // namespace

void install() {
    static const bool installed = [] {
        QAccessible::installFactory(createInterface);
        relayVisibleStates();
        return true;
    }();
    (void)installed;
}

void setName(QWidget* control, const QString& name) {
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
}

void setDescription(QWidget* control, const QString& description) {
    if (control->accessibleDescription() != description)
        control->setAccessibleDescription(description);
}

void markAsDialog(QWidget* window) {
    install();
    window->setProperty(DialogProperty, true);
}

void tellFocus(QWidget* control) {
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent focus(control, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

bool isOutOfSight(const QWidget* control) {
    if (control->isWindow())
        return false;
    // The part of the control inside each of its containers in turn.
    QRect inside = control->rect();
    for (const QWidget* part = control; !part->isWindow() && part->parentWidget() != nullptr;
         part = part->parentWidget())
        inside = inside.translated(part->pos()) & part->parentWidget()->rect();
    const int line = control->fontMetrics().height();
    if (inside.height() < qMin(line, control->height()) ||
        inside.width() < qMin(line, control->width()))
        return true;

    // An opaque sibling stacked above it that covers it whole.
    const QWidget* parent = control->parentWidget();
    if (parent == nullptr)
        return false;
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(control)) + 1; i < siblings.size();
         ++i) {
        const auto* above = qobject_cast<const QWidget*>(siblings[i]);
        if (above != nullptr && !above->isHidden() && above->autoFillBackground() &&
            above->geometry().contains(control->geometry()))
            return true;
    }
    return false;
}

} // namespace accessibility