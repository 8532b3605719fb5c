#include "ui/widgets/AppInfo.h"

QIcon appIcon() {
    // Every size is added by hand: QIcon finds the @2x file on its own only
    // when the whole program runs at a scale of two, not on a mixed-DPI desktop.
    QIcon icon;
    for (const char* file :
         {":/icons/azivoder-16.png", ":/icons/azivoder.png", ":/icons/azivoder-48.png",
          ":/icons/azivoder@2x.png", ":/icons/azivoder-256.png"})
        icon.addFile(QString::fromLatin1(file));
    return icon;
}
