#pragma once

#include "geomancy/FigureCatalogue.h"
#include "geomancy/Reading.h"

#include <QString>
#include <QStringList>

#include <array>

// The fixed wording of the main window; the sentences it shares with other
// windows are in ui/widgets/AppInfo.h.
namespace maintexts {

inline const QString FileMenu = QStringLiteral("&File");
inline const QString ExitCommand = QStringLiteral("E&xit");
inline const QString HelpMenu = QStringLiteral("&Help");
inline const QString OnlineHelpCommand = QStringLiteral("&Online Help");
inline const QString VisitUsCommand = QStringLiteral("&Visit Us Online");
inline const QString UpdateCommand = QStringLiteral("&Check for Software Update");
inline const QString AboutCommand = QStringLiteral("&About Software");
inline const QString DonateCommand = QStringLiteral("&Donate");
inline const QString MakeMoneyCommand = QStringLiteral("Make Money &Online");

inline const QString CastCaption = QStringLiteral("Click to Find Position of (Planet)");
inline const QString RefreshCaption = QStringLiteral("Refresh");
inline const QString PrintCaption = QStringLiteral("&Print");

inline const QString FigureFrameCaption = QStringLiteral("Geomantic Figure");
inline const QString CurrentFigureCaption = QStringLiteral("Geomantic Interpretation");
inline const QString ChartCentreCaption = QStringLiteral("Quorvale");

// Casting k's tab (0-based) and the frame on its page, from the model's table.
inline QString tabCaption(int k) {
    return QLatin1String(geomancy::castingSequence().at(static_cast<std::size_t>(k)).casting);
}
inline QString tabFrameCaption(int k) {
    return CurrentFigureCaption + QStringLiteral(" for ") +
           QLatin1String(geomancy::castingSequence().at(static_cast<std::size_t>(k)).shortName);
}

// The label of house h, "House 1" .. "House 12".
inline QString houseLabelText(int house) {
    return QStringLiteral("House %1").arg(house);
}

// What a screen reader says for a dot box showing one dot or two.
inline const QString OneDotName = QStringLiteral("one dot");
inline const QString TwoDotsName = QStringLiteral("two dots");

// What a screen reader says for the chart, a house cell ("House 12: Sun,
// Venus, Mars", "House 3: empty"), a dot box ("Ascendant, line 1: one dot")
// and a column of dot boxes.
inline const QString ChartName = QStringLiteral("Chart of the twelve houses");
inline const QString TabsName = QStringLiteral("The eight castings");

inline QString houseCellName(int house, const QStringList& holds) {
    return QStringLiteral("House %1, %2: %3")
        .arg(house)
        .arg(QLatin1String(geomancy::houseSigns().at(static_cast<std::size_t>(house - 1))))
        .arg(holds.isEmpty() ? QStringLiteral("empty") : holds.join(QStringLiteral(", ")));
}

// What a screen reader hears as a casting is made, and finds afterwards in
// the casting button's and the tab's descriptions: "Casting 3 of 8, Moon:
// Puer - Boy, house 4" (no house when the casting could not be placed).
inline QString castingSummary(int k, const QString& figure, int house) {
    QString text = QStringLiteral("Casting %1 of %2, %3: %4")
                       .arg(k)
                       .arg(geomancy::CastingCount)
                       .arg(tabCaption(k - 1))
                       .arg(figure);
    return house > 0 ? text + QStringLiteral(", house %1").arg(house) : text;
}
inline const QString ReadingCompleteSpoken =
    QStringLiteral("The reading is complete: Print opens the report.");
inline const QString NewReadingSpoken = QStringLiteral("A new reading begins.");

// The casting button's name for a screen reader: its caption with the
// planet the next press casts, or what the press after a reading does.
inline QString castButtonName(int nextCasting) {
    return QStringLiteral("Click to Find Position of %1").arg(tabCaption(nextCasting - 1));
}
inline const QString RefreshButtonName = QStringLiteral("Refresh: begin a new reading");

inline QString dotName(const QString& casting, int line, const QString& dots) {
    return QStringLiteral("%1, line %2: %3").arg(casting).arg(line).arg(dots);
}

inline QString dotColumnName(int firstCasting, const QStringList& castings) {
    return QStringLiteral("Castings %1 to %2: %3")
        .arg(firstCasting)
        .arg(firstCasting + castings.size() - 1)
        .arg(castings.join(QStringLiteral(", ")));
}

// The label shows a single ampersand where the design text doubles it to
// escape the mnemonic; a QLabel without a buddy shows text literally.
inline const QString CobrandText = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding.");

// The top line names the maker's home page, e.g. "www.azivoder.example".
inline QString topLineText(const QString& homePage) {
    return QStringLiteral(
               "The friendliest geomancy and astrology discussion board on the Web: visit %1")
        .arg(homePage);
}

// The header of a figure panel's row, in display order (the model's
// catalogue columns).
inline QString panelHeader(int row) {
    return QLatin1String(geomancy::catalogueColumns().at(static_cast<std::size_t>(row)).label);
}

// One row of a figure panel as a screen reader hears it with the page's
// significance box: "Keyword: Gain." (the header without its "Associated").
inline QString panelDetail(int row, const QString& value) {
    QString header = panelHeader(row);
    header.remove(QStringLiteral("Associated "));
    return QStringLiteral("%1: %2.").arg(header, value);
}

} // namespace maintexts
