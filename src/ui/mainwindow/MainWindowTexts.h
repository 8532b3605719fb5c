#pragma once

#include <QString>

#include <array>

// The fixed wording of the main window.
namespace maintexts {

inline const QString CastCaption = QStringLiteral("Click to Find Position of (Planet)");
inline const QString RefreshCaption = QStringLiteral("Refresh");
inline const QString PrintCaption = QStringLiteral("&Print");

inline const QString FigureFrameCaption = QStringLiteral("Geomantic Figure");
inline const QString CurrentFigureCaption = QStringLiteral("Geomantic Interpretation");
inline const QString ChartCentreCaption = QStringLiteral("Quorvale");
inline const QString AscendantMarkerCaption = QStringLiteral("Asc");

// Unlike the About window's copy of this sentence, the label has no final full stop.
inline const QString Label2Text = QStringLiteral(
    "Ririv Evazorarizad Azivoder associates the Geomantic Figures with the Western Astrology Natal "
    "Chart. This calculates the position of the different planets in your chart based on geomancy");

// The label shows a single ampersand where the design text doubles it to
// escape the mnemonic; a QLabel without a buddy shows text literally.
inline const QString CobrandText = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &  link here. See \"Help\" for details.    Click Here for more info on co-branding.");

inline const QString FullBrandText = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.");

// The top line names the maker's home page, e.g. "www.azivoder.example".
inline QString label61Text(const QString& homePage) {
    return QStringLiteral("The friendliest geomancy and astrology discussion board on the Web: visit %1")
        .arg(homePage);
}

inline const std::array<const char*, 8> TabCaptions{"Ascendant", "Sun",     "Moon",    "Venus",
                                                    "Mercury",   "Saturn",  "Jupiter", "Mars"};

inline const std::array<const char*, 8> TabFrameCaptions{
    "Geomantic Interpretation for Asc",     "Geomantic Interpretation for Sun",
    "Geomantic Interpretation for Moon",    "Geomantic Interpretation for Venus",
    "Geomantic Interpretation for Mercury", "Geomantic Interpretation for Saturn",
    "Geomantic Interpretation for Jupiter", "Geomantic Interpretation for Mars"};

} // namespace maintexts
