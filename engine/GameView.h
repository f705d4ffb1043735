#pragma once

#include "core/Translatable.h"

#include <cstdint>
#include <string_view>

namespace pentavo {

// The three messages that end a game, as ShowMessage is given them.
//: Message box: your move completed five in a row.
inline constexpr std::string_view YouWinMessage = QT_TRANSLATE_NOOP("Game", "You win");
//: Message box: the computer completed five in a row; "I" is the computer.
inline constexpr std::string_view IWinMessage = QT_TRANSLATE_NOOP("Game", "I win");
//: Message box: the board is full and nobody has five in a row; the game is drawn.
inline constexpr std::string_view DrawMessage = QT_TRANSLATE_NOOP("Game", "Draw");

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
