#include "ui/widgets/AppInfo.h"

#include <initializer_list>

namespace {

// Every size is added by hand: QIcon finds the @2x file on its own only
// when the whole program runs at a scale of two, not on a mixed-DPI desktop.
// Each file is decoded as it is added.
QIcon iconOf(std::initializer_list<const char*> files) {
    QIcon icon;
    for (const char* file : files)
        icon.addFile(QString::fromLatin1(file));
    return icon;
}

} // namespace

QIcon appIcon() {
    return iconOf({":/icons/azivoder-16.png", ":/icons/azivoder.png", ":/icons/azivoder-48.png",
                   ":/icons/azivoder@2x.png", ":/icons/azivoder-256.png"});
}

QIcon smallAppIcon() {
    return iconOf({":/icons/azivoder-16.png", ":/icons/azivoder.png"});
}
