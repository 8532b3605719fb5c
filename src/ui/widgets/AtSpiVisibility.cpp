#include "ui/widgets/AtSpiVisibility.h"

#ifdef AZIVODER_ATSPI

#include <QAccessible>
#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QWidget>

namespace accessibility::atspi {

// An object on the accessibility bus, as AT-SPI events name their source.
struct ObjectReference {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ObjectReference& reference) {
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ObjectReference& reference) {
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

} // namespace accessibility::atspi

Q_DECLARE_METATYPE(accessibility::atspi::ObjectReference)

namespace accessibility {

namespace {

using atspi::ObjectReference;

// The names Qt's bridge uses: its connection, and its objects' paths.
const QString BridgeConnection = QStringLiteral("a11y");
const QString ObjectPathPrefix = QStringLiteral("/org/a11y/atspi/accessible/");

void tellVisible(QWidget* control) {
    const QDBusConnection bus(BridgeConnection);
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(control);
    if (!bus.isConnected() || interface == nullptr)
        return;
    const QString path = ObjectPathPrefix + QString::number(QAccessible::uniqueId(interface));
    QDBusMessage event = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
    event << QStringLiteral("visible") << 1 << 0
          << QVariant::fromValue(QDBusVariant(
                 QVariant::fromValue(ObjectReference{bus.baseService(), QDBusObjectPath(path)})))
          << QVariant::fromValue(ObjectReference{
                 bus.baseService(), QDBusObjectPath(ObjectPathPrefix + QStringLiteral("root"))});
    bus.send(event);
}

class VisibleRelay : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && QAccessible::isActive() && watched->isWidgetType()) {
            auto* control = static_cast<QWidget*>(watched);
            // A window's own opening is told by the window manager and Qt.
            if (!control->isWindow() && control->window()->isVisible())
                tellVisible(control);
        }
        return false;
    }
};

} // namespace

void relayVisibleStates() {
    static const bool installed = [] {
        qDBusRegisterMetaType<ObjectReference>();
        qApp->installEventFilter(new VisibleRelay(qApp));
        return true;
    }();
    (void)installed;
}

} // namespace accessibility

#else

namespace accessibility {

void relayVisibleStates() {}

} // namespace accessibility

#endif
