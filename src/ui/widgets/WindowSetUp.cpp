#include "ui/widgets/WindowSetUp.h"

#include "ui/widgets/AppInfo.h"
#include "ui/widgets/Colours.h"

#include <QWidget>

void setUpWindow(QWidget* window, const char* name, const QIcon& icon, QWidget* client,
                 QSize clientSize) {
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(WindowCaption);
    window->setWindowIcon(icon);
    setPaletteColour(client, {QPalette::Window}, colours::White);
    client->setFixedSize(clientSize);
}
