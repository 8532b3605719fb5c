#pragma once

#include <QIcon>
#include <QString>

// Caption of every message box and the save dialog's title.
inline const QString ApplicationTitle = QStringLiteral("Ririv Evazorarizad Azivoder");

// Caption of every window of the program.
inline const QString WindowCaption = QStringLiteral("Ririv Evazorarizad Azivoder v1.0");

// The program's emblem, carried by every window.
QIcon appIcon();
