// What screen readers are told of the two-row tab control: a page-tab list
// of page tabs, the selected one marked, each tab holding its page.
#include "ui/widgets/AccessibleParts.h"
#include "ui/widgets/TwoRowTabWidget.h"

#include <QAccessibleWidget>

#include <utility>

namespace accessibility {

namespace {

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

} // namespace

QAccessibleInterface* createTabInterface(const QString& className, QWidget* widget) {
    if (className == QLatin1String("TwoRowTabWidget"))
        return new TabListInterface(static_cast<TwoRowTabWidget*>(widget));
    if (className == QLatin1String("TabHeaderButton"))
        return new TabInterface(static_cast<TabHeaderButton*>(widget));
    if (className == QLatin1String("QWidget") && tabOfPage(widget).first != nullptr)
        return new PageInterface(widget);
    return nullptr;
}

} // namespace accessibility
