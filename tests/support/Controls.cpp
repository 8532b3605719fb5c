#include "support/Controls.h"

#include <QtGlobal>

void failMissingControl(const QString& name) {
    qFatal("no control named %s", qPrintable(name));
}
