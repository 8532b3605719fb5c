#pragma once

#include <QString>

// The fixed wording of the About window; its title, description and
// branding offer are the sentences of ui/widgets/AppInfo.h.
namespace abouttexts {

inline const QString OkCaption = QStringLiteral("&OK");

inline QString homePageLinkText(const QString& homePage) {
    return QStringLiteral("Click here to visit ") + homePage;
}

} // namespace abouttexts
