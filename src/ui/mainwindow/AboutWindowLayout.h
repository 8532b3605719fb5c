#pragma once

#include "ui/widgets/Geometry.h"

// Where the About window's controls sit, relative to its client area.
namespace aboutlayout {

constexpr int ClientWidth = 6825;
constexpr int ClientHeight = 3870;

// The rule runs from x -60 to 6840 at y 3240, one pixel high.
constexpr ControlPlace Places[] = {
    {"Picture1", {120, 120, 480, 480}}, {"Label2", {840, 240, 3435, 240}},
    {"Label1", {360, 840, 6375, 795}},  {"lblHomePage", {2040, 1800, 4650, 195}},
    {"Label3", {360, 2280, 6255, 615}}, {"lblCoBrand", {4080, 2880, 2670, 195}},
    {"Line1", {-60, 3240, 6900, 15}},   {"cmdOK", {5400, 3360, 1260, 345}},
};

} // namespace aboutlayout
