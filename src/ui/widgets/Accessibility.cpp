#include "ui/widgets/Accessibility.h"

#include "ui/widgets/AtSpiVisibility.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/TwoRowTabWidget.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>

#include <utility>

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

// The tab control: its headers, in tab order.
class TabListInterface : public QAccessibleWidget {
public:
    explicit TabListInterface(TwoRowTabWidget* tabs)
        : QAccessibleWidget(tabs, QAccessible::PageTabList) {}

    // The headers alone: each page is read inside its own tab.
    int childCount() const override { return tabs()->count(); }

    QAccessibleInterface* child(int index) const override {
        if (index >= 0 && index < tabs()->count())
            return QAccessible::queryAccessibleInterface(tabs()->tabHeader(index));
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; child != nullptr && i < tabs()->count(); ++i) {
            if (child->object() == tabs()->tabHeader(i))
                return i;
        }
        return -1;
    }

private:
    TwoRowTabWidget* tabs() const { return static_cast<TwoRowTabWidget*>(widget()); }
};

// The tab control holding a page, and the page's index, or none.
std::pair<TwoRowTabWidget*, int> tabOfPage(const QWidget* page) {
    const QWidget* stack = page->parentWidget();
    auto* tabs = stack != nullptr ? qobject_cast<TwoRowTabWidget*>(stack->parentWidget()) : nullptr;
    for (int i = 0; tabs != nullptr && i < tabs->count(); ++i) {
        if (tabs->widget(i) == page)
            return {tabs, i};
    }
    return {nullptr, -1};
}

// A tab page, a panel inside its tab header rather than a layer of a stack.
class PageInterface : public QAccessibleWidget {
public:
    explicit PageInterface(QWidget* page) : QAccessibleWidget(page, QAccessible::Pane) {}

    QAccessibleInterface* parent() const override {
        const auto [tabs, index] = tabOfPage(widget());
        return tabs != nullptr ? QAccessible::queryAccessibleInterface(tabs->tabHeader(index))
                               : QAccessibleWidget::parent();
    }
};

// One tab header: a page tab, selected when its page is shown, holding its
// page.
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

    int childCount() const override { return page() != nullptr ? 1 : 0; }

    QAccessibleInterface* child(int index) const override {
        return index == 0 && page() != nullptr ? QAccessible::queryAccessibleInterface(page())
                                               : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && page() != nullptr && child->object() == page() ? 0 : -1;
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
    QWidget* page() const {
        auto* tabs = qobject_cast<TwoRowTabWidget*>(widget()->parentWidget());
        for (int i = 0; tabs != nullptr && i < tabs->count(); ++i) {
            if (tabs->tabHeader(i) == header())
                return tabs->widget(i);
        }
        return nullptr;
    }
};

const QString AnnouncerName = QStringLiteral("announcer");
const char* const DialogProperty = "accessibleAsDialog";
const QString ReviewListName = QStringLiteral("reviewList");

bool isReviewList(const QWidget* widget) {
    return widget != nullptr &&
           widget->findChild<QObject*>(ReviewListName, Qt::FindDirectChildrenOnly) != nullptr;
}

bool inReviewList(const QWidget* item) {
    return isReviewList(item->parentWidget());
}

// What a review list does with the keys; its items' interfaces ask it which
// item is reviewed.
class ReviewList : public QObject {
public:
    ReviewList(QWidget* list, const QList<QWidget*>& items) : QObject(list), list_(list) {
        setObjectName(ReviewListName);
        for (QWidget* item : items)
            items_.append(item);
    }

    const QList<QPointer<QWidget>>& items() const { return items_; }

    QWidget* reviewed() const {
        return list_->hasFocus() && current_ >= 0 && current_ < items_.size() ? items_[current_]
                                                                              : nullptr;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != list_)
            return false;
        if (event->type() == QEvent::FocusIn) {
            current_ = qMax(current_, 0);
            // After the toolkit has told the list itself focused.
            QMetaObject::invokeMethod(
                this, [this] { tell(); }, Qt::QueuedConnection);
        } else if (event->type() == QEvent::KeyPress) {
            const int last = static_cast<int>(items_.size()) - 1;
            switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Up:
                current_ = qMax(current_ - 1, 0);
                break;
            case Qt::Key_Down:
                current_ = qMin(current_ + 1, last);
                break;
            case Qt::Key_Home:
                current_ = 0;
                break;
            case Qt::Key_End:
                current_ = last;
                break;
            default:
                return false;
            }
            tell();
            return true;
        }
        return false;
    }

private:
    void tell() const {
        if (QWidget* item = reviewed())
            tellFocus(item);
    }

    QWidget* list_;
    QList<QPointer<QWidget>> items_;
    int current_ = -1;
};

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
        return isReviewList(widget()) ? QAccessible::List : QAccessible::Grouping;
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
        return review() != nullptr ? static_cast<int>(review()->items().size())
                                   : QAccessibleWidget::childCount();
    }

    QAccessibleInterface* child(int index) const override {
        if (isOutOfSight(widget()))
            return nullptr;
        if (review() != nullptr)
            return index >= 0 && index < review()->items().size()
                       ? QAccessible::queryAccessibleInterface(review()->items()[index])
                       : nullptr;
        return QAccessibleWidget::child(index);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (review() == nullptr || child == nullptr)
            return QAccessibleWidget::indexOfChild(child);
        return static_cast<int>(review()->items().indexOf(child->object()));
    }

private:
    const ReviewList* review() const {
        return static_cast<const ReviewList*>(
            widget()->findChild<QObject*>(ReviewListName, Qt::FindDirectChildrenOnly));
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
    if (widget->objectName() == AnnouncerName)
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (className == QLatin1String("QWidget") && tabOfPage(widget).first != nullptr)
        return new PageInterface(widget);
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

void announce(QWidget* window, const QString& text) {
    auto* announcer = window->findChild<QWidget*>(AnnouncerName, Qt::FindDirectChildrenOnly);
    if (announcer == nullptr) {
        // One pixel that paints nothing and takes neither focus nor clicks.
        announcer = new QWidget(window);
        announcer->setObjectName(AnnouncerName);
        announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
        announcer->setFocusPolicy(Qt::NoFocus);
        announcer->setGeometry(0, 0, 1, 1);
    }
    // A screen reader speaks a notification as it is shown, so each text is
    // shown anew.
    announcer->hide();
    announcer->setAccessibleName(text);
    announcer->show();
}

void makeReviewList(QWidget* list, const QList<QWidget*>& items) {
    list->setFocusPolicy(Qt::TabFocus);
    list->installEventFilter(new ReviewList(list, items));
}

QWidget* reviewedItem(const QWidget* list) {
    const auto* review = static_cast<ReviewList*>(
        list->findChild<QObject*>(ReviewListName, Qt::FindDirectChildrenOnly));
    return review != nullptr ? review->reviewed() : nullptr;
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
