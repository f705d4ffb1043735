#include "files/GameRecord.h"

#include "core/Translatable.h"

#include <cstddef>

namespace pentavo {

Outcome CheckGameRecord(const MoveLog& log) {
    // For every cell, the number of the move that took it; 0 while it is free.
    Board takenBy;
    for (std::size_t i = 0; i < log.size() && log[i] != 0; ++i) {
        const Sentence move = Sentence::Verbatim(std::to_string(i + 1));
        std::int16_t col = 0;
        std::int16_t row = 0;
        if (!DecodeMove(log[i], col, row))
            return Outcome::Failed(
                //: A saved game is refused: %1 is the number of the move in the game (1 for the
                //: first), %2 the byte read from the file.
                Sentence(QT_TRANSLATE_NOOP("Outcome", "Move %1 names no cell (code %2)."),
                         {move, Sentence::Verbatim(std::to_string(log[i]))}));
        if (const std::int16_t owner = takenBy(col, row); owner != 0)
            return Outcome::Failed(
                //: A saved game is refused: move number %1 puts a mark on the cell that move number
                //: %2 already took.
                Sentence(QT_TRANSLATE_NOOP("Outcome", "Move %1 repeats the cell of move %2."),
                         {move, Sentence::Verbatim(std::to_string(owner))}));
        takenBy(col, row) = static_cast<std::int16_t>(i + 1);
    }
    return Outcome::Done();
}

} // namespace pentavo
