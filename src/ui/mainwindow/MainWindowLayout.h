#pragma once

#include "ui/widgets/Geometry.h"

#include "geomancy/Reading.h"

#include <array>

// Every position of the main window, in twips relative to the control's
// container, so that the whole layout can be read and checked in one place.
namespace mainlayout {

// The client area below the menu bar.
constexpr int ClientWidth = 12990;
constexpr int ClientHeight = 8670;

// The controls that appear once, each inside its container: the client
// area, the figure frame, the chart frame or Frame5. lblCobrand and
// lblFullBrand share one rectangle.
constexpr ControlPlace Places[] = {
    {"Label61", {495, 0, 11280, 450}},
    {"rule", {0, 480, 12960, 15}}, // a one-pixel line from x 0 to 12960 at y 480
    {"Label2", {188, 500, 12615, 495}},
    {"figureFrame", {40, 900, 2775, 5775}},
    {"dotColumn_0", {120, 240, 1250, 5415}},
    {"dotColumn_1", {1440, 240, 1250, 5415}},
    {"chartFrame", {2880, 900, 5055, 5175}},
    {"Asc_0", {960, 250, 315, 195}}, // the Ascendant marker
    {"chartCentre", {1320, 1440, 2400, 2400}},
    {"chartCentreLabel", {1515, 2520, 1965, 345}},
    {"SSTab1", {8040, 960, 4935, 7695}},
    {"cmdProceed", {2880, 6180, 3615, 495}},
    {"cmdPrint", {6600, 6180, 1335, 495}},
    {"Frame5", {40, 6840, 7935, 1815}},
    {"lblCobrand", {360, 600, 7185, 615}},
    {"lblFullBrand", {360, 600, 7185, 615}},
    {"currentFigurePanel", {4800, 8640, 4215, 735}},
};

// Inside the figure frame: two dot columns, each holding the boxes of four
// castings.
constexpr int DotsPerColumn = geomancy::LineValues::SlotCount / 2;

// Box i inside its column: four boxes per figure, 120 twips between figures.
constexpr TwipRect dotBox(int i) {
    return {120, 120 + 300 * (i % 4) + 1320 * ((i % DotsPerColumn) / 4), 990, 300};
}

// Inside the chart frame.
constexpr int CellSize = 1200;
constexpr int HouseLabelHeight = 195;

struct ChartHouse {
    int cellLeft, cellTop;   // lblHouses(h-1)
    int labelLeft, labelTop; // Asc(h), "House h"
    int labelWidth;
    int signLeft, signTop; // the zodiac sign's label
};

// House 1 at the top left, then clockwise round a 4 by 4 grid.
constexpr std::array<ChartHouse, geomancy::HouseCount> ChartHouses{{
    {120, 240, 360, 1200, 780, 840, 1020},
    {1320, 240, 1560, 1200, 780, 1890, 1020},
    {2520, 240, 2760, 1200, 780, 3045, 1020},
    {3720, 240, 3960, 1200, 780, 4245, 1020},
    {3720, 1440, 3960, 2400, 780, 4560, 2240},
    {3720, 2640, 3960, 3600, 780, 4410, 3440},
    {3720, 3840, 3960, 4800, 780, 4440, 4590},
    {2520, 3840, 2760, 4800, 780, 3000, 4590},
    {1320, 3840, 1560, 4800, 780, 1560, 4590},
    {120, 3840, 240, 4800, 900, 435, 4590},
    {120, 2640, 240, 3600, 900, 525, 3440},
    {120, 1440, 240, 2400, 900, 750, 2240},
}};

// SSTab1: two rows of four tab headers above the pages. The frames' tops
// below are measured from the top of SSTab1, header rows included.
constexpr int TabsPerRow = 4;
constexpr int TabHeaderRowHeight = 270;
constexpr TwipRect TabFrameFirst{120, 660, 4575, 6975}; // ss(0)
constexpr TwipRect TabFrame{120, 600, 4575, 6975};      // ss(1) .. ss(7)

// One figure panel: ten header labels and ten value controls, all at left 120
// inside the frame (a tab's ss(k) or the current-figure panel).
constexpr int PanelLeft = 120;
constexpr int HeaderWidth = 3885;
constexpr int HeaderHeight = 240;
constexpr int ValueWidth = 3885;
constexpr int ValueHeight = 375;
constexpr int SignificanceWidth = 3975;
constexpr int SignificanceHeight = 855;

struct PanelRow {
    int headerTop;
    const char* valueName; // without the "Display" suffix; also its design-time caption
    int valueTop;
};

// In display order, the order of maintexts::PanelHeaders: title, keyword,
// day, element, quality, planet, sign, body part, direction, significance.
constexpr std::array<PanelRow, 10> PanelRows{{
    {240, "lblGeomancyName", 480},
    {840, "lblKeyword", 1080},
    {1440, "lblAssociatedDay", 1680},
    {2040, "lblAssociatedElement", 2280},
    {2640, "lblAssociatedQuality", 2880},
    {3240, "lblAssociatedPlanet", 3480},
    {3840, "lblAssociatedSign", 4080},
    {4440, "lblAssociatedBodyPart", 4680},
    {5040, "lblDirection", 5280},
    {5760, "txtSignificance", 6000},
}};

} // namespace mainlayout
