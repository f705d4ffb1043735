#pragma once

namespace pentavo {

// Start-up: the splash while the main window is created and loads with its first game, then the
// main window. The event loop runs everything after it returns.
void Main();

} // namespace pentavo
