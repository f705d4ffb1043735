#pragma once

namespace pentavo {

// The three program-wide options. They start cleared; the main window's load step turns on
// ComputerFirst and UndoMoves.
struct GameOptions {
    bool ComputerFirst = false; // the computer owns the crosses and opens a new game
    bool UndoMoves = false;     // Undo may take moves back
    bool SoundOn = false;       // the computer's moves beep
};

} // namespace pentavo
