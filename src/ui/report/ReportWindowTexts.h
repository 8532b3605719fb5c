#pragma once

#include <QString>

// The fixed wording of the report window; its branding link is the sentence
// of ui/widgets/AppInfo.h.
namespace reporttexts {

inline const QString PrintCaption = QStringLiteral("&Print");
inline const QString SaveCaption = QStringLiteral("&Save");
inline const QString ReportBoxName = QStringLiteral("Reading report");
// What a screen reader calls the window, whose title is the program's.
inline const QString WindowName = QStringLiteral("Report of the reading");
inline const QString ForumLink = QStringLiteral("The Web's most popular geomancy forum");

inline QString homePageLinkText(const QString& homePage) {
    return QStringLiteral("Visit %1 now!").arg(homePage);
}

// Why a save failed: the file chosen, a blank line, then the reason.
inline QString saveFailedText(const QString& path, const QString& reason) {
    return QStringLiteral("The report could not be saved as \"%1\".\r\n\r\n%2").arg(path, reason);
}

} // namespace reporttexts
