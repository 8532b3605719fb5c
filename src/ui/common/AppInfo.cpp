#include "AppInfo.h"

QIcon AppIcon() {
    // QIcon picks the @2x file on high-density screens by itself.
    return QIcon(QStringLiteral(":/icons/azivoder.png"));
}
