// What is spoken outside the focus: a notification control per window.
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/AccessibleParts.h"

#include <QWidget>

namespace accessibility {

namespace {

const QString AnnouncerName = QStringLiteral("announcer");

} // namespace

bool isAnnouncer(const QWidget* widget) {
    return widget->objectName() == AnnouncerName;
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

} // namespace accessibility
