#pragma once

#include "core/Board.h"
#include "core/Outcome.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pentavo {

// Cells of the brain's position, as ChooseMove's computer and person see them.
inline constexpr std::int16_t OwnStone = 1;
inline constexpr std::int16_t OpponentStone = 2;

// Longest line the brain reads; a longer one is refused whole, never cut into something valid.
inline constexpr std::size_t MaxLineLength = 1024;

// The brain's side of the tournament protocol: one line in, at most one answer line out.
// A command that fails answers "ERROR <reason>" and leaves the position as it was.
// Before START only INFO, ABOUT, END and the board-size commands are taken; the rest answer
// "ERROR no START yet" (a BOARD block is read to its DONE first, so that it gets one answer).
class Brain {
public:
    std::optional<std::string> Feed(std::string_view line);

    // END was read; every later line is ignored.
    bool Finished() const { return finished_; }
    const Board& Position() const { return board_; }

private:
    struct BoardBlock {
        Board position;
        // Done while every line so far was read; else failed with the first fault, told at DONE.
        Outcome read = Outcome::Done();
    };

    using Answer = std::optional<std::string>;

    Answer Command(std::string_view word, std::string_view args);
    Answer Start(std::string_view args);
    Answer RectStart(std::string_view args);
    Answer Info(std::string_view args);
    Answer About(std::string_view args);
    Answer End(std::string_view args);
    Answer StrayDone(std::string_view args);
    Answer OpenBlock(std::string_view args);
    Answer Begin(std::string_view args);
    Answer Turn(std::string_view args);
    Answer Restart(std::string_view args);
    Answer TakeBack(std::string_view args);

    Answer BlockLine(std::string_view word, std::string_view args, std::string_view line);
    void AddToBlock(std::string_view line);
    void NoteBlockError(std::string_view reason);
    std::string FinishBlock();
    std::string NewBoard(int width, int height);
    std::string MoveOn(Board position);

    Board board_;
    bool started_ = false;
    bool finished_ = false;
    std::optional<BoardBlock> block_;
};

} // namespace pentavo
