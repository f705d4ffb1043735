#pragma once

#include "core/GameStatistics.h"

namespace pentavo {

// The results in the settings store, section "Statistics", keys "Won", "Lost", "Drawn" and
// "Streak", each a whole number as text. Read only when they are shown or a game ends; a key that
// is absent, or holds anything but a number in range, reads as 0.
GameStatistics ReadStatistics();
void WriteStatistics(const GameStatistics& statistics);

} // namespace pentavo
