#pragma once

#include <cstdint>
#include <string_view>

namespace pentavo {

// What the game needs of the screen; the main window implements it, tests fake it.
class GameView {
public:
    virtual ~GameView() = default;

    // Draws one empty cell with the window's current outline colour.
    virtual void DrawCell(std::int16_t col, std::int16_t row) = 0;
    // Redraws one cell as empty (0), cross (1) or circle (2).
    virtual void DrawMark(std::int16_t col, std::int16_t row, std::int16_t mark) = 0;
    // A modal message with an OK button, titled "Pentavo"; returns once it is closed. The text is
    // English, marked for the translators in the context "Game".
    virtual void ShowMessage(std::string_view text) = 0;
    // The system beep; does not wait.
    virtual void Beep() = 0;
};

} // namespace pentavo
