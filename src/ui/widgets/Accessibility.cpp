#include "ui/widgets/Accessibility.h"

#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/TwoRowTabWidget.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>

namespace accessibility {

namespace {

// A caption as read out: the mnemonic marks gone, a doubled one kept as "&".
QString withoutMnemonic(QString text) {
    text.replace(QLatin1String("&&"), QStringLiteral("\x1f"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x1f'), QLatin1Char('&'));
}

QString nameOr(const QWidget* widget, const QString& caption) {
    return widget->accessibleName().isEmpty() ? caption : widget->accessibleName();
}

// The tab control: its headers first, in tab order, then the page stack.
class TabListInterface : public QAccessibleWidget {
public:
    explicit TabListInterface(TwoRowTabWidget* tabs)
        : QAccessibleWidget(tabs, QAccessible::PageTabList) {}

    int childCount() const override { return tabs()->count() + (pages() != nullptr ? 1 : 0); }

    QAccessibleInterface* child(int index) const override {
        if (index >= 0 && index < tabs()->count())
            return QAccessible::queryAccessibleInterface(tabs()->tabHeader(index));
        if (index == tabs()->count() && pages() != nullptr)
            return QAccessible::queryAccessibleInterface(pages());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr)
            return -1;
        for (int i = 0; i < tabs()->count(); ++i) {
            if (child->object() == tabs()->tabHeader(i))
                return i;
        }
        return child->object() == pages() && pages() != nullptr ? tabs()->count() : -1;
    }

private:
    TwoRowTabWidget* tabs() const { return static_cast<TwoRowTabWidget*>(widget()); }
    QWidget* pages() const {
        return tabs()->count() > 0 ? tabs()->widget(0)->parentWidget() : nullptr;
    }
};

// One tab header: a page tab, selected when its page is shown.
class TabInterface : public QAccessibleWidget {
public:
    explicit TabInterface(TabHeaderButton* header)
        : QAccessibleWidget(header, QAccessible::PageTab) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return nameOr(widget(), withoutMnemonic(header()->text()));
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = header()->isChecked();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && header()->isEnabled())
            header()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    TabHeaderButton* header() const { return static_cast<TabHeaderButton*>(widget()); }
};

// A label: its text, or its picture, or a link to press; off screen where
// it cannot be seen.
class LabelInterface : public QAccessibleWidget {
public:
    explicit LabelInterface(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    // Asked each time: a label turns into a link when it gets the link look.
    QAccessible::Role role() const override { return roleOf(label()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return nameOr(widget(), label()->text());
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.offscreen = isOutOfSight(widget());
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

    int childCount() const override {
        return isOutOfSight(widget()) ? 0 : QAccessibleWidget::childCount();
    }

    QAccessibleInterface* child(int index) const override {
        return isOutOfSight(widget()) ? nullptr : QAccessibleWidget::child(index);
    }
};

QAccessibleInterface* createInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (className == QLatin1String("TwoRowTabWidget"))
        return new TabListInterface(static_cast<TwoRowTabWidget*>(widget));
    if (className == QLatin1String("TabHeaderButton"))
        return new TabInterface(static_cast<TabHeaderButton*>(widget));
    if (className == QLatin1String("QLabel"))
        return new LabelInterface(static_cast<QLabel*>(widget));
    if (className == QLatin1String("QGroupBox"))
        return new FrameInterface(static_cast<QGroupBox*>(widget));
    // A named plain frame groups what it holds.
    if (className == QLatin1String("QFrame") && !widget->accessibleName().isEmpty())
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    // Qt reads a bare QWidget as a filler; as a top-level one it is a window.
    if (className == QLatin1String("QWidget") && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void install() {
    static const bool installed = [] {
        QAccessible::installFactory(createInterface);
        return true;
    }();
    (void)installed;
}

void setName(QWidget* control, const QString& name) {
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
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
