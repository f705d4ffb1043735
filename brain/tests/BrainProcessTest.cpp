#include "ai/ChooseMove.h"
#include "brain/tests/AboutLine.h"
#include "testkit/ChildProcess.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace pentavo {
namespace {

using namespace std::string_literals;

// The whole output of one run of the brain fed `input` at once, and its exit code.
struct Outcome {
    std::optional<std::string> output;
    std::optional<int> exitCode;
};

Outcome RunWith(const std::string& input) {
    ChildProcess brain(PBRAIN_PATH);
    EXPECT_TRUE(brain.Send(input));
    brain.CloseInput();
    Outcome run;
    run.output = brain.ReadToEnd();
    run.exitCode = brain.Wait();
    return run;
}

std::string Cell(int col, int row) {
    return std::to_string(col) + "," + std::to_string(row);
}

// The reply a protocol client may expect: the centre on an empty board, else ChooseMove's cell.
std::string ExpectedReply(const Board& board) {
    if (board == Board{})
        return "7,7";
    std::int16_t col = -1;
    std::int16_t row = -1;
    ChooseMove(board, true, col, row);
    return Cell(col, row);
}

TEST(BrainProcess, PlaysAWholeSessionAnsweringEachLineAtOnce) {
    ChildProcess brain(PBRAIN_PATH);
    const auto ask = [&brain](const std::string& line) {
        EXPECT_TRUE(brain.Send(line + "\n"));
        return brain.ReadLine();
    };
    EXPECT_EQ(ask("START 15"), "OK");
    EXPECT_EQ(ask("BEGIN"), "7,7");

    Board board;
    board(7, 7) = 1;
    board(8, 8) = 2;
    EXPECT_EQ(ask("TURN 8,8"), ExpectedReply(board));
    EXPECT_EQ(ask("TAKEBACK 8,8"), "OK");
    EXPECT_TRUE(brain.Send("INFO timeout_turn 5000\n"));
    EXPECT_EQ(ask("ABOUT"), AboutLine);
    EXPECT_EQ(ask("TURN 15,15"), "ERROR coordinates off the board");
    EXPECT_EQ(ask("RESTART"), "OK");
    EXPECT_EQ(ask("BEGIN"), "7,7");

    EXPECT_TRUE(brain.Send("END\n"));
    EXPECT_EQ(brain.ReadToEnd(), "");
    EXPECT_EQ(brain.Wait(), 0);
}

TEST(BrainProcess, UnderstandsEveryLineEnd) {
    for (std::string end : {"\n", "\r", "\r\n"}) {
        SCOPED_TRACE(end == "\n" ? "LF" : end == "\r" ? "CR" : "CR LF");
        // A lone CR must be answered before anything follows it.
        ChildProcess brain(PBRAIN_PATH);
        EXPECT_TRUE(brain.Send("START 15" + end));
        EXPECT_EQ(brain.ReadLine(), "OK");
        EXPECT_TRUE(brain.Send("BOARD" + end + "7,7,1" + end + end + "DONE" + end));
        EXPECT_EQ(brain.ReadLine(), "6,6");
        EXPECT_TRUE(brain.Send("END" + end));
        EXPECT_EQ(brain.ReadToEnd(), "");
        EXPECT_EQ(brain.Wait(), 0);
    }
}

TEST(BrainProcess, EndOfInputEndsTheRun) {
    const struct {
        std::string input;
        std::string output;
    } cases[] = {
        {"", ""},
        {"START 15\nBEGIN", "OK\n7,7\n"}, // a last line without its end still counts
        {"START 15\nBOARD\n7,7,1\n", "OK\n"},
        {"ABOUT\nEND\nABOUT\n", AboutLine + "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        const Outcome run = RunWith(c.input);
        EXPECT_EQ(run.output, c.output);
        EXPECT_EQ(run.exitCode, 0);
    }
}

TEST(BrainProcess, SurvivesJunkAndStillPlays) {
    std::mt19937 random(20240611);
    std::string junk;
    for (int i = 0; i < 20000; ++i)
        junk += static_cast<char>(random() % 256);
    const std::string input = junk + "\nSTART 15\nTURN " + std::string(1 << 20, '9') + ",1\n" +
                              "TURN 5\0,1\n"s +
                              "TURN 99999999999999999999999999999999,-99999999999999999999\n" +
                              "TURN -1,-1\nTURN  3 , 4 \nEND\n";
    const Outcome run = RunWith(input);
    ASSERT_TRUE(run.output);
    EXPECT_EQ(run.exitCode, 0);

    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = run.output->find('\n', start)) != std::string::npos;
         start = end + 1)
        lines.push_back(run.output->substr(start, end - start));
    EXPECT_EQ(start, run.output->size()) << "every answer ends its line";
    for (const std::string& line : lines)
        for (char ch : line)
            ASSERT_TRUE(ch >= ' ' && ch <= '~') << line;

    Board board;
    board(3, 4) = 2;
    const std::vector<std::string> expectedTail{"OK",
                                                "ERROR line too long",
                                                "ERROR malformed coordinates",
                                                "ERROR coordinates off the board",
                                                "ERROR coordinates off the board",
                                                ExpectedReply(board)};
    ASSERT_GE(lines.size(), expectedTail.size());
    const auto tail = lines.end() - static_cast<std::ptrdiff_t>(expectedTail.size());
    EXPECT_EQ(std::vector(tail, lines.end()), expectedTail);
    for (auto line = lines.begin(); line != tail; ++line)
        EXPECT_TRUE(line->starts_with("ERROR ") || line->starts_with("UNKNOWN ")) << *line;
}

TEST(BrainProcess, ExitsQuietlyWhenTheManagerHangsUp) {
    ChildProcess brain(PBRAIN_PATH);
    brain.CloseOutput();
    brain.Send("START 15\nABOUT\n");
    brain.CloseInput();
    EXPECT_EQ(brain.Wait(), 1) << "ended by a signal, or by success although nothing was delivered";
}

// For any position a protocol client sends, whatever its spelling, the reply is the move choice's.
TEST(BrainProcess, AnswersExactlyLikeTheMoveChoice) {
    std::mt19937 random(7);
    const auto pick = [&random](int count) { return static_cast<int>(random() % count); };
    const std::string ends[] = {"\n", "\r", "\r\n"};
    const auto spell = [&](int col, int row, int field) {
        const std::string gap = pick(4) == 0 ? " " : pick(4) == 0 ? "\t " : "";
        return gap + std::to_string(col) + gap + "," + gap + std::to_string(row) + gap + "," + gap +
               std::to_string(field) + gap + ends[pick(3)];
    };

    ChildProcess brain(PBRAIN_PATH);
    ASSERT_TRUE(brain.Send("START 15\n"));
    ASSERT_EQ(brain.ReadLine(), "OK");
    for (int position = 0; position < 300; ++position) {
        SCOPED_TRACE(position);
        Board board;
        std::string block = "BOARD" + ends[pick(3)];
        const int stones = pick(CellCount);
        for (int placed = 0; placed < stones;) {
            const int col = pick(BoardSize);
            const int row = pick(BoardSize);
            if (board(col, row) != Empty)
                continue;
            if (pick(10) == 0) {
                block += spell(col, row, 3);
                continue;
            }
            board(col, row) = static_cast<std::int16_t>(1 + pick(2));
            block += spell(col, row, board(col, row));
            ++placed;
        }
        ASSERT_TRUE(brain.Send(block + "DONE" + ends[pick(3)]));
        const auto reply = brain.ReadLine();
        ASSERT_EQ(reply, ExpectedReply(board));
        // The brain has put its own stone there.
        ASSERT_TRUE(brain.Send("TAKEBACK " + *reply + "\n"));
        ASSERT_EQ(brain.ReadLine(), "OK");
    }
    ASSERT_TRUE(brain.Send("END\n"));
    EXPECT_EQ(brain.Wait(), 0);
}

} // namespace
} // namespace pentavo
