#include "ui/widgets/TwoRowTabWidget.h"

#include "ui/widgets/Accessibility.h"
#include "ui/widgets/CachedFrames.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>

TabHeaderButton::TabHeaderButton(const QString& text, QWidget* parent) : QAbstractButton(parent) {
    setText(text);
    setCheckable(true);
    setAutoExclusive(
        true); // screen readers then announce one choice among the tabs, not a check box
    setFocusPolicy(Qt::TabFocus);
}

QSize TabHeaderButton::sizeHint() const {
    return fontMetrics().size(Qt::TextShowMnemonic, text()) + QSize(16, 8);
}

void TabHeaderButton::paintEvent(QPaintEvent*) {
    QStyleOptionTab option;
    option.initFrom(this);
    option.text = text();
    option.shape = QTabBar::RoundedNorth;
    option.position = QStyleOptionTab::Middle;
    if (isChecked())
        option.state |= QStyle::State_Selected;
    if (isDown())
        option.state |= QStyle::State_Sunken;
    QPainter painter(this);
    style()->drawControl(QStyle::CE_TabBarTab, &option, &painter, this);
}

TwoRowTabWidget::TwoRowTabWidget(int tabsPerRow, int headerRowHeight, QWidget* parent)
    : QWidget(parent), tabsPerRow_(tabsPerRow > 0 ? tabsPerRow : 1),
      headerRowHeight_(headerRowHeight), group_(new QButtonGroup(this)),
      pages_(new QStackedWidget(this)) {
    group_->setExclusive(true);
    accessibility::install(); // read out as a page-tab list of page tabs
    connect(group_, &QButtonGroup::idClicked, this, &TwoRowTabWidget::setCurrentIndex);
    createPageShortcuts();
    // The page area paints its own background and frame, so a change of page
    // repaints the page area once: nothing beneath it (this control, the
    // window's background) is painted again just to be painted over.
    pages_->setAttribute(Qt::WA_OpaquePaintEvent);
    pages_->installEventFilter(this);
}

int TwoRowTabWidget::addTab(QWidget* page, const QString& text) {
    const int index = headers_.size();
    auto* header = new TabHeaderButton(text, this);
    header->setObjectName(QStringLiteral("tabHeader_%1").arg(index));
    group_->addButton(header, index);
    headers_.append(header);
    header->installEventFilter(this);
    pages_->addWidget(page);
    if (current_ < 0)
        setCurrentIndex(index);
    updateTabStops();
    placeHeaders();
    return index;
}

QWidget* TwoRowTabWidget::widget(int index) const {
    return pages_->widget(index);
}

TabHeaderButton* TwoRowTabWidget::tabHeader(int index) const {
    return index >= 0 && index < headers_.size() ? headers_[index] : nullptr;
}

int TwoRowTabWidget::rowCount() const {
    return (headers_.size() + tabsPerRow_ - 1) / tabsPerRow_;
}

int TwoRowTabWidget::pageOffset() const {
    return rowCount() * headerRowHeight_;
}

void TwoRowTabWidget::setCurrentIndex(int index) {
    if (index < 0 || index >= headers_.size() || index == current_)
        return;
    const bool headerHadFocus = current_ >= 0 && headers_[current_]->hasFocus();
    const int previous = current_;
    current_ = index;
    headers_[index]->setChecked(true);
    pages_->setCurrentIndex(index);
    updateTabStops();
    if (headerHadFocus)
        headers_[index]->setFocus(Qt::TabFocusReason);
    announceSelection(previous, index);
    emit currentChanged(index);
}

void TwoRowTabWidget::updateTabStops() {
    // One stop for all the headers, as a tab bar has: the selected one.
    for (int i = 0; i < headers_.size(); ++i)
        headers_[i]->setFocusPolicy(i == current_ ? Qt::TabFocus : Qt::NoFocus);
}

void TwoRowTabWidget::selectByKeyboard(int index) {
    if (index < 0 || index >= headers_.size())
        return;
    setCurrentIndex(index);
    headers_[index]->setFocus(Qt::TabFocusReason);
}

bool TwoRowTabWidget::moveByKey(const QKeyEvent* key) {
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // Left and Right run through the headers in order, from one row into
    // the next; Up and Down move to the same place in the other row.
    switch (key->key()) {
    case Qt::Key_Left:
        selectByKeyboard(current_ - 1);
        return true;
    case Qt::Key_Right:
        selectByKeyboard(current_ + 1);
        return true;
    case Qt::Key_Up:
        selectByKeyboard(current_ - tabsPerRow_);
        return true;
    case Qt::Key_Down:
        selectByKeyboard(current_ + tabsPerRow_);
        return true;
    default:
        return false;
    }
}

void TwoRowTabWidget::createPageShortcuts() {
    // As in every tabbed window: the next or previous page, round the end.
    const auto step = [this](int by) {
        if (!headers_.isEmpty())
            setCurrentIndex((current_ + by + headers_.size()) % headers_.size());
    };
    const QKeySequence next[] = {QKeySequence(Qt::CTRL | Qt::Key_Tab),
                                 QKeySequence(Qt::CTRL | Qt::Key_PageDown)};
    const QKeySequence previous[] = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                     QKeySequence(Qt::CTRL | Qt::Key_PageUp)};
    for (const QKeySequence& keys : next)
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [step] { step(1); });
    for (const QKeySequence& keys : previous)
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [step] { step(-1); });
}

void TwoRowTabWidget::announceSelection(int previous, int current) {
    // A screen reader hears which tab lost and which gained the selection.
    if (!QAccessible::isActive())
        return;
    QAccessible::State selected;
    selected.selected = true;
    for (int index : {previous, current}) {
        if (TabHeaderButton* header = tabHeader(index)) {
            QAccessibleStateChangeEvent change(header, selected);
            QAccessible::updateAccessibility(&change);
        }
    }
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(current);
    QAccessible::updateAccessibility(&selection);
}

void TwoRowTabWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeHeaders();
}

void TwoRowTabWidget::placeHeaders() {
    // Headers share each row's width evenly; the last one takes the rest so
    // the row ends flush with the page's right edge.
    const int headerWidth = width() / tabsPerRow_;
    for (int i = 0; i < headers_.size(); ++i) {
        const int column = i % tabsPerRow_;
        const int left = column * headerWidth;
        const int w = column == tabsPerRow_ - 1 ? width() - left : headerWidth;
        headers_[i]->setGeometry(left, (i / tabsPerRow_) * headerRowHeight_, w, headerRowHeight_);
    }
    pages_->setGeometry(0, pageOffset(), width(), height() - pageOffset());
}

bool TwoRowTabWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pages_ && event->type() == QEvent::Paint)
        paintPageFrame();
    else if (event->type() == QEvent::KeyPress && headers_.contains(watched) &&
             moveByKey(static_cast<const QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void TwoRowTabWidget::paintPageFrame() {
    {
        // The page frame is drawn here rather than by the stacked widget's
        // own frame so that the pages' coordinates start exactly at
        // pageOffset(), over the background this control shows (its
        // palette's, as an ancestor fills it). The style's frame is costly to
        // draw, so it is drawn once and copied.
        QStyleOptionTabWidgetFrame option;
        option.initFrom(this);
        option.rect = pages_->rect();
        option.shape = QTabBar::RoundedNorth;
        option.lineWidth = 1;
        QPainter painter(pages_);
        paintCachedFrame(
            painter, option.rect, QStringLiteral("tabwidget"), option, style(),
            [&](QPainter& target, const QRect& rect) {
                option.rect = rect;
                style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &target, this);
            },
            palette().color(backgroundRole()));
    }
}
