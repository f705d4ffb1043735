#include "brain/Brain.h"

#include "ai/ChooseMove.h"
#include "brain/CommandText.h"
#include "core/Outcome.h"
#include "core/Version.h"

#include <array>

namespace pentavo {

namespace {

// BOARD lines may carry this field for cells the brain is to ignore.
constexpr int IgnoredField = 3;
// How much of an unknown command is echoed back.
constexpr std::size_t EchoLength = 40;

std::string Error(std::string_view reason) {
    return "ERROR " + std::string(reason);
}

std::string Error(const Outcome& failed) {
    return Error(failed.Message());
}

// Reads "x,y" into a cell of the board, or fails saying why it cannot.
Outcome ReadCell(std::string_view args, int& col, int& row) {
    std::array<int, 2> xy{};
    if (!ParseNumbers(args, xy))
        return Outcome::Failed("malformed coordinates");
    if (!OnBoard(xy[0], xy[1]))
        return Outcome::Failed("coordinates off the board");
    col = xy[0];
    row = xy[1];
    return Outcome::Done();
}

} // namespace

std::optional<std::string> Brain::Feed(std::string_view line) {
    if (finished_)
        return std::nullopt;
    if (line.size() > MaxLineLength) {
        if (!block_)
            return Error("line too long");
        NoteBlockError("line too long");
        return std::nullopt;
    }
    const auto [word, args] = SplitCommand(line);
    if (word.empty())
        return std::nullopt;
    if (block_)
        return BlockLine(word, args, line);
    return Command(word, args);
}

Brain::Answer Brain::Command(std::string_view word, std::string_view args) {
    struct Entry {
        std::string_view word;
        bool takesArgs;
        bool needsStart;
        Answer (Brain::*run)(std::string_view);
    };
    static constexpr std::array<Entry, 11> commands{{
        {"END", false, false, &Brain::End},
        {"START", true, false, &Brain::Start},
        {"RECTSTART", true, false, &Brain::RectStart},
        {"INFO", true, false, &Brain::Info},
        {"ABOUT", false, false, &Brain::About},
        {"DONE", false, false, &Brain::StrayDone},
        // Checked for START at its DONE, so that the whole block is read first.
        {"BOARD", false, false, &Brain::OpenBlock},
        {"BEGIN", false, true, &Brain::Begin},
        {"TURN", true, true, &Brain::Turn},
        {"RESTART", false, true, &Brain::Restart},
        {"TAKEBACK", true, true, &Brain::TakeBack},
    }};
    for (const Entry& entry : commands) {
        if (entry.word != word)
            continue;
        if (!entry.takesArgs && !args.empty())
            return Error("unexpected arguments");
        if (entry.needsStart && !started_)
            return Error("no START yet");
        return (this->*entry.run)(args);
    }
    return "UNKNOWN " + Printable(word, EchoLength);
}

Brain::Answer Brain::Start(std::string_view args) {
    const auto size = ParseNumber(args);
    if (!size)
        return Error("malformed board size");
    return NewBoard(*size, *size);
}

Brain::Answer Brain::RectStart(std::string_view args) {
    std::array<int, 2> size{};
    if (!ParseNumbers(args, size))
        return Error("malformed board size");
    return NewBoard(size[0], size[1]);
}

// INFO is never answered, not even when malformed: the manager reads no reply to it, and an
// answer would be taken for the reply to its next command.
Brain::Answer Brain::Info(std::string_view) {
    return std::nullopt;
}

Brain::Answer Brain::About(std::string_view) {
    return std::string(R"(name="pentavo", version=")") + VersionText +
           R"(", author="Pentavo developers", country="-")";
}

Brain::Answer Brain::End(std::string_view) {
    finished_ = true;
    return std::nullopt;
}

Brain::Answer Brain::StrayDone(std::string_view) {
    return Error("DONE without BOARD");
}

Brain::Answer Brain::OpenBlock(std::string_view) {
    block_.emplace(BoardBlock{Board{}, Outcome::Done()});
    return std::nullopt;
}

Brain::Answer Brain::Begin(std::string_view) {
    return MoveOn(board_);
}

Brain::Answer Brain::Turn(std::string_view args) {
    int col = 0;
    int row = 0;
    if (const Outcome read = ReadCell(args, col, row); !read)
        return Error(read);
    if (board_(col, row) != Empty)
        return Error("cell is occupied");
    Board next = board_;
    next(col, row) = OpponentStone;
    return MoveOn(next);
}

Brain::Answer Brain::Restart(std::string_view) {
    board_.Clear();
    return "OK";
}

Brain::Answer Brain::TakeBack(std::string_view args) {
    int col = 0;
    int row = 0;
    if (const Outcome read = ReadCell(args, col, row); !read)
        return Error(read);
    if (board_(col, row) == Empty)
        return Error("cell is empty");
    board_(col, row) = Empty;
    return "OK";
}

Brain::Answer Brain::BlockLine(std::string_view word, std::string_view args,
                               std::string_view line) {
    if (args.empty() && word == "DONE")
        return FinishBlock();
    // END is obeyed also inside a block that never sees its DONE.
    if (args.empty() && word == "END")
        return End(args);
    AddToBlock(line);
    return std::nullopt;
}

void Brain::AddToBlock(std::string_view line) {
    std::array<int, 3> cell{};
    if (!ParseNumbers(line, cell))
        return NoteBlockError("malformed board line");
    const auto [col, row, field] = cell;
    if (!OnBoard(col, row))
        return NoteBlockError("coordinates off the board");
    if (field == IgnoredField)
        return;
    if (field != OwnStone && field != OpponentStone)
        return NoteBlockError("unknown field value");
    std::int16_t& target = block_->position(col, row);
    if (target != Empty)
        return NoteBlockError("cell is occupied");
    target = static_cast<std::int16_t>(field);
}

void Brain::NoteBlockError(std::string_view reason) {
    if (block_->read)
        block_->read = Outcome::Failed(std::string(reason));
}

std::string Brain::FinishBlock() {
    BoardBlock block = std::move(*block_);
    block_.reset();
    if (!started_)
        return Error("no START yet");
    if (!block.read)
        return Error(block.read);
    return MoveOn(block.position);
}

std::string Brain::NewBoard(int width, int height) {
    if (width != BoardSize || height != BoardSize)
        return Error("unsupported board size");
    board_.Clear();
    started_ = true;
    return "OK";
}

// The centre opens an empty board; any other position gets ChooseMove's cell. The position
// becomes the brain's only once the move is made.
std::string Brain::MoveOn(Board position) {
    if (position.IsFull())
        return Error("board is full");
    std::int16_t col = BoardSize / 2;
    std::int16_t row = BoardSize / 2;
    if (position != Board{})
        ChooseMove(position, true, col, row);
    position(col, row) = OwnStone;
    board_ = position;
    return std::to_string(col) + "," + std::to_string(row);
}

} // namespace pentavo
