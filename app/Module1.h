#pragma once

#include "engine/GameOptions.h"

#include <cstdint>

namespace pentavo {

class frmMain;

// The three options, for one run; windows are handed them by reference.
extern GameOptions Options;

// The one main window, set once at start-up.
extern frmMain* MainForm;

inline constexpr char AppTitle[] = "Pentavo";

struct VersionNumbers {
    std::int16_t Major;
    std::int16_t Minor;
    std::int16_t Revision;
};

inline constexpr VersionNumbers ProgramVersion{1, 0, 0};

} // namespace pentavo
