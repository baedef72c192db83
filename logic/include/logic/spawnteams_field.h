#pragma once

#include <array>

#include "logic/toggle_row.h"

// Rows in the order of the dialog's check boxes, which is also the order of the bits.
inline constexpr std::array<ToggleRow, 8> SpawnteamGroupTable{{
    {"Group A", 1},
    {"Group B", 2},
    {"Group C", 4},
    {"Group D", 8},
    {"Group E", 16},
    {"Group F", 32},
    {"Group G", 64},
    {"Group H", 128},
}};
