#pragma once

#include <QIcon>
#include <QString>

// What the program says about itself, and the sentences more than one window
// shows. Each window keeps the rest of its wording in a texts header of its
// own (MainWindowTexts.h, AboutWindowTexts.h, ExitWindowTexts.h,
// ReportWindowTexts.h).
//
// The texts are plain string literals, not tr(): the program ships in one
// language, and its wording is part of its design down to the letter (blanks
// and odd spellings included), so no translation may change it.

// Caption of every message box and the save dialog's title.
inline const QString ApplicationTitle = QStringLiteral("Ririv Evazorarizad Azivoder");

// Caption of every window of the program.
inline const QString WindowCaption = QStringLiteral("Ririv Evazorarizad Azivoder v1.0");

// The program in one sentence. The main window shows it without a final
// full stop, the About window with one.
inline const QString ProgramDescription = QStringLiteral(
    "Ririv Evazorarizad Azivoder associates the Geomantic Figures with the Western Astrology Natal "
    "Chart. This calculates the position of the different planets in your chart based on geomancy");

// The offer to brand the program for another site, and the invitation that
// follows it on a link. The About window shows them on two labels, the main
// and the report window as one link.
inline const QString BrandingOffer = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website.");
inline const QString MoreDetailsLink = QStringLiteral("Click here for more details.");
inline const QString FullBrandingLink = BrandingOffer + QStringLiteral(" ") + MoreDetailsLink;

// The program's emblem, carried by every window.
QIcon appIcon();

// Its sizes for a title bar and a task bar at a scale of one; quicker to
// load, for a window's first frame.
QIcon smallAppIcon();
