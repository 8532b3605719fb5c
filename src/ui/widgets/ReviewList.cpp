// The chart as one Tab stop read item by item with the arrow keys.
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/AccessibleParts.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace accessibility {

namespace {

const QString ReviewListName = QStringLiteral("reviewList");

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

const ReviewList* reviewOf(const QWidget* list) {
    return list != nullptr ? static_cast<const ReviewList*>(list->findChild<QObject*>(
                                 ReviewListName, Qt::FindDirectChildrenOnly))
                           : nullptr;
}

} // namespace

void makeReviewList(QWidget* list, const QList<QWidget*>& items) {
    list->setFocusPolicy(Qt::TabFocus);
    list->installEventFilter(new ReviewList(list, items));
}

QWidget* reviewedItem(const QWidget* list) {
    const ReviewList* review = reviewOf(list);
    return review != nullptr ? review->reviewed() : nullptr;
}

const QList<QPointer<QWidget>>* reviewItems(const QWidget* list) {
    const ReviewList* review = reviewOf(list);
    return review != nullptr ? &review->items() : nullptr;
}

} // namespace accessibility
