#pragma once

#include "ui/widgets/Geometry.h"

// Where the report window's controls sit, relative to its client area.
namespace reportlayout {

constexpr int ClientWidth = 7725;
constexpr int ClientHeight = 7575;

constexpr ControlPlace Places[] = {
    {"Label14", {1747, 0, 4230, 195}},     {"Label1", {1867, 180, 3990, 195}},
    {"RTB", {30, 390, 7665, 6135}},        {"cmdSave", {5400, 6570, 1125, 345}},
    {"cmdPrint", {6555, 6570, 1125, 345}}, {"Label15", {30, 6960, 7665, 615}},
};

} // namespace reportlayout
