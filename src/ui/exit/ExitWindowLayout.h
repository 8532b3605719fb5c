#pragma once

#include "ui/widgets/Geometry.h"

// Where the exit window's controls sit, relative to its client area.
namespace exitlayout {

constexpr int ClientWidth = 11115;
constexpr int ClientHeight = 4725;

// Places inside the window, then inside Frame2 and Frame6. txtMessage lies
// below Frame2's visible area on purpose: reachable by Tab, never seen.
constexpr ControlPlace Places[] = {
    {"Picture1", {360, 120, 540, 540}},      {"Label1", {1080, 240, 5070, 435}},
    {"Label2", {120, 840, 6975, 1095}},      {"Check1", {30, 2040, 7185, 555}},
    {"cmdClose", {6000, 2760, 1245, 375}},   {"Frame2", {120, 3240, 7065, 1455}},
    {"Frame6", {7320, 120, 3735, 4575}},

    {"txtName", {85, 360, 3375, 285}},       {"txtEmail", {3600, 360, 3375, 285}},
    {"txtFriendName", {85, 720, 3375, 285}}, {"txtFriendEmail", {3600, 720, 3375, 285}},
    {"cmdSubmit", {1920, 1080, 3375, 285}},  {"txtMessage", {4800, 3600, 1815, 495}},

    {"Label3", {120, 360, 3495, 3855}},      {"lblGoToHome", {75, 4250, 3585, 210}},
};

} // namespace exitlayout
