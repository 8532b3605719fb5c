#pragma once

#include "geomancy/GeomanticFigure.h"

#include <array>
#include <optional>
#include <string>

namespace geomancy {

// One row of the fixed figure table. The texts are kept exactly as the program
// has always shown them, irregular spellings and trailing blanks included.
struct CatalogueRow {
    GeomanticFigure pattern;
    const char* name; // upper case; the key that identification yields
    const char* title;
    const char* keyword;
    const char* day;
    const char* element;
    const char* quality;
    const char* planet;
    const char* sign;
    const char* bodyPart;
    const char* direction;
    const char* significance;
};

constexpr int FigureCount = 16;

// One column of the catalogue as the windows and formats show it.
struct CatalogueColumn {
    const char* CatalogueRow::*member;
    const char* label;     // "Associated Day": a figure panel's header, the report's field
    const char* textLabel; // "Day": the command line's text
    const char* jsonKey;   // "day"
};
constexpr int ShownColumnCount = 10;

// The one table of the columns shown of a figure, in display order: title,
// keyword, day, element, quality, planet, sign, body part, direction,
// significance.
const std::array<CatalogueColumn, ShownColumnCount>& catalogueColumns();

// What row shows in `column`.
inline const char* columnText(const CatalogueRow& row, const CatalogueColumn& column) {
    return row.*column.member;
}

// The sixteen figures in identification order (index 0 to 15).
const std::array<CatalogueRow, FigureCount>& figureCatalogue();

// Tests every pattern in catalogue order, without stopping at a match, and
// returns the row of the last (and only possible) match. Values other than
// 1 and 2 match nothing.
std::optional<int> identifyFigure(const GeomanticFigure& figure);

// The row whose name equals `name` exactly, if any.
std::optional<int> findCatalogueRow(const std::string& name);

} // namespace geomancy
