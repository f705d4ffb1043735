#pragma once

#include "core/GameOptions.h"

namespace pentavo {

class frmMain;

// The three options, for one run; windows are handed them by reference.
extern GameOptions Options;

// The one main window, set once at start-up.
extern frmMain* MainForm;

} // namespace pentavo
