#include "brain/Brain.h"

#include "ai/ChooseMove.h"
#include "brain/CommandText.h"
#include "brain/tests/AboutLine.h"
#include "testkit/Logs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pentavo {
namespace {

using namespace std::string_literals;
using Answer = std::optional<std::string>;

struct Stone {
    int col;
    int row;
    std::int16_t field;
};

Board Position(const std::vector<Stone>& stones) {
    Board board;
    for (const Stone& s : stones)
        board(s.col, s.row) = s.field;
    return board;
}

std::string BlockLine(int col, int row, int field) {
    return std::to_string(col) + "," + std::to_string(row) + "," + std::to_string(field);
}

// Sends the board as a BOARD block; only DONE may answer.
Answer SendBoard(Brain& brain, const Board& board) {
    EXPECT_EQ(brain.Feed("BOARD"), std::nullopt);
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            if (board(col, row) != Empty) {
                EXPECT_EQ(brain.Feed(BlockLine(col, row, board(col, row))), std::nullopt);
            }
    return brain.Feed("DONE");
}

Brain Started() {
    Brain brain;
    EXPECT_EQ(brain.Feed("START 15"), "OK");
    return brain;
}

// A game under way: one stone of each side, and the brain's reply.
Brain MidGame() {
    Brain brain = Started();
    const Answer reply = SendBoard(brain, Position({{7, 7, OwnStone}, {8, 8, OpponentStone}}));
    EXPECT_TRUE(reply && reply->find(',') != std::string::npos) << reply.value_or("nothing");
    return brain;
}

TEST(Brain, RefusesBadCommandsAndKeepsThePosition) {
    const struct {
        std::string line;
        std::string answer;
    } cases[] = {
        {"TURN 15,0", "ERROR coordinates off the board"},
        {"TURN 0,15", "ERROR coordinates off the board"},
        {"TURN -1,3", "ERROR coordinates off the board"},
        {"TURN 99999999999999999999999,1", "ERROR coordinates off the board"},
        // 2^32 + 3: read without saturating, it would wrap to 3.
        {"TURN 4294967299,4294967299", "ERROR coordinates off the board"},
        {"TURN 7,7", "ERROR cell is occupied"},
        {"TURN 8,8", "ERROR cell is occupied"},
        {"TURN", "ERROR malformed coordinates"},
        {"TURN 7", "ERROR malformed coordinates"},
        {"TURN 1,2,3", "ERROR malformed coordinates"},
        {"TURN 1,,2", "ERROR malformed coordinates"},
        {"TURN 1 2", "ERROR malformed coordinates"},
        {"TURN a,b", "ERROR malformed coordinates"},
        {"TURN 0x1,2", "ERROR malformed coordinates"},
        {"TURN 1,2\0"s, "ERROR malformed coordinates"},
        {"TAKEBACK 0,0", "ERROR cell is empty"},
        {"TAKEBACK 20,0", "ERROR coordinates off the board"},
        {"TAKEBACK", "ERROR malformed coordinates"},
        {"START 20", "ERROR unsupported board size"},
        {"START -15", "ERROR unsupported board size"},
        {"START 4294967311", "ERROR unsupported board size"},
        {"START", "ERROR malformed board size"},
        {"START 15 15", "ERROR malformed board size"},
        {"RECTSTART 15,20", "ERROR unsupported board size"},
        {"RECTSTART 15", "ERROR malformed board size"},
        {"BEGIN now", "ERROR unexpected arguments"},
        {"RESTART 1", "ERROR unexpected arguments"},
        {"BOARD 1", "ERROR unexpected arguments"},
        {"ABOUT me", "ERROR unexpected arguments"},
        {"END now", "ERROR unexpected arguments"},
        {"DONE", "ERROR DONE without BOARD"},
        {"7,7,1", "UNKNOWN 7,7,1"},
        {"FOO bar", "UNKNOWN FOO"},
        {"turn 1,1", "UNKNOWN turn"},
        {"\x01\xff\0JUNK"s, "UNKNOWN ???JUNK"},
        {"~x~", "UNKNOWN ~x~"},
        {std::string(200, 'Q'), "UNKNOWN " + std::string(40, 'Q') + "..."},
        {"TURN " + std::string(MaxLineLength - 5, '1'), "ERROR malformed coordinates"},
        {"TURN " + std::string(MaxLineLength, '1'), "ERROR line too long"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Printable(c.line, 60));
        Brain brain = MidGame();
        const Board before = brain.Position();
        EXPECT_EQ(brain.Feed(c.line), c.answer);
        EXPECT_EQ(brain.Position(), before);
        EXPECT_FALSE(brain.Finished());
    }
}

TEST(Brain, BeforeStartTakesOnlyTheHarmlessCommands) {
    const struct {
        std::string line;
        Answer answer;
    } cases[] = {
        {"BEGIN", "ERROR no START yet"},
        {"TURN 1,1", "ERROR no START yet"},
        {"RESTART", "ERROR no START yet"},
        {"TAKEBACK 1,1", "ERROR no START yet"},
        {"START 19", "ERROR unsupported board size"},
        {"RECTSTART 20,20", "ERROR unsupported board size"},
        {"INFO timeout_turn 1000", std::nullopt},
        {"ABOUT", AboutLine},
        {"FOO", "UNKNOWN FOO"},
    };
    Brain brain;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(brain.Feed(c.line), c.answer);
    }
    EXPECT_EQ(SendBoard(brain, Position({{7, 7, OwnStone}})), "ERROR no START yet");
    EXPECT_EQ(brain.Position(), Board{});
}

TEST(Brain, RefusesAFaultyBoardBlockAtItsDone) {
    const struct {
        std::vector<std::string> lines;
        std::string answer;
    } cases[] = {
        {{"1,1,4"}, "ERROR unknown field value"},
        {{"1,1,0"}, "ERROR unknown field value"},
        {{"15,1,1"}, "ERROR coordinates off the board"},
        {{"1,-1,2"}, "ERROR coordinates off the board"},
        {{"1,1"}, "ERROR malformed board line"},
        {{"1,1,1,1"}, "ERROR malformed board line"},
        {{"TURN 1,1"}, "ERROR malformed board line"},
        {{"1,1,1", "1,1,2"}, "ERROR cell is occupied"},
        {{"1,1,1", "99,0,1", "1,1,2", "x"}, "ERROR coordinates off the board"},
        {{std::string(MaxLineLength + 1, '1')}, "ERROR line too long"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines.front().substr(0, 40));
        Brain brain = MidGame();
        const Board before = brain.Position();
        EXPECT_EQ(brain.Feed("BOARD"), std::nullopt);
        for (const std::string& line : c.lines)
            EXPECT_EQ(brain.Feed(line), std::nullopt);
        EXPECT_EQ(brain.Feed("DONE"), c.answer);
        EXPECT_EQ(brain.Position(), before);
        EXPECT_EQ(brain.Feed("TAKEBACK 8,8"), "OK") << "still in the block";
    }
}

// Positions whose replies are known from the rules of the move choice, not from running it.
TEST(Brain, AnswersABoardWithTheMoveChoice) {
    const struct {
        std::vector<Stone> stones;
        std::string answer;
    } cases[] = {
        {{}, "7,7"},
        {{{3, 3, 3}}, "7,7"}, // field 3 is ignored: still an empty board
        {{{7, 7, OwnStone}}, "6,6"},
        {{{6, 6, OwnStone}, {7, 7, OpponentStone}}, "6,7"},
        {{{3, 7, OwnStone}, {4, 7, OwnStone}, {5, 7, OwnStone}, {6, 7, OwnStone}}, "2,7"},
        {{{7, 3, OwnStone}, {7, 4, OwnStone}, {7, 5, OwnStone}, {7, 6, OwnStone}}, "7,2"},
        {{{5, 3, OpponentStone},
          {6, 3, OpponentStone},
          {7, 3, OpponentStone},
          {8, 3, OpponentStone},
          {5, 10, OwnStone},
          {6, 10, OwnStone},
          {7, 10, OwnStone}},
         "4,3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        Brain brain = MidGame();
        EXPECT_EQ(brain.Feed("BOARD"), std::nullopt);
        for (const Stone& s : c.stones)
            EXPECT_EQ(brain.Feed(BlockLine(s.col, s.row, s.field)), std::nullopt);
        EXPECT_EQ(brain.Feed("DONE"), c.answer);

        std::vector<Stone> expected;
        for (const Stone& s : c.stones)
            if (s.field != 3)
                expected.push_back(s);
        Board after = Position(expected);
        after(c.answer[0] - '0', c.answer[2] - '0') = OwnStone;
        EXPECT_EQ(brain.Position(), after);
    }
}

TEST(Brain, PlaysAGameAndRecordsBothSides) {
    Brain brain = Started();
    EXPECT_EQ(brain.Feed("BEGIN"), "7,7");
    EXPECT_EQ(brain.Position(), Position({{7, 7, OwnStone}}));

    Board expected = Position({{7, 7, OwnStone}, {8, 8, OpponentStone}});
    std::int16_t col = -1;
    std::int16_t row = -1;
    ChooseMove(expected, true, col, row);
    expected(col, row) = OwnStone;
    EXPECT_EQ(brain.Feed(" TURN\t 8 ,  8 "), std::to_string(col) + "," + std::to_string(row));
    EXPECT_EQ(brain.Position(), expected);

    EXPECT_EQ(brain.Feed("TAKEBACK 8,8"), "OK");
    EXPECT_EQ(brain.Feed("TAKEBACK 7,7"), "OK");
    expected(8, 8) = Empty;
    expected(7, 7) = Empty;
    EXPECT_EQ(brain.Position(), expected);

    EXPECT_EQ(brain.Feed("RESTART"), "OK");
    EXPECT_EQ(brain.Position(), Board{});
}

TEST(Brain, EveryStartClearsTheBoard) {
    for (std::string_view start : {"START 15", "  START   15 ", "RECTSTART 15,15", "RESTART"}) {
        SCOPED_TRACE(start);
        Brain brain = MidGame();
        EXPECT_EQ(brain.Feed(start), "OK");
        EXPECT_EQ(brain.Position(), Board{});
        EXPECT_EQ(brain.Feed("BEGIN"), "7,7");
    }
}

TEST(Brain, TakesTheLastEmptyCellAndThenRefuses) {
    Brain brain = Started();
    EXPECT_EQ(SendBoard(brain, NoFiveBoard({{4, 9}})), "4,9");
    EXPECT_TRUE(brain.Position().IsFull());
    EXPECT_EQ(brain.Feed("BEGIN"), "ERROR board is full");
    EXPECT_EQ(brain.Feed("TURN 4,9"), "ERROR cell is occupied");
    EXPECT_TRUE(brain.Position().IsFull());
}

TEST(Brain, RefusesATurnThatFillsTheBoard) {
    Brain brain = Started();
    const Answer reply = SendBoard(brain, NoFiveBoard({{0, 0}, {14, 14}}));
    ASSERT_TRUE(reply == "0,0" || reply == "14,14") << reply.value_or("nothing");
    const std::string last = reply == "0,0" ? "14,14" : "0,0";
    const Board before = brain.Position();

    EXPECT_EQ(brain.Feed("TURN " + last), "ERROR board is full");
    EXPECT_EQ(brain.Position(), before);
    EXPECT_EQ(brain.Feed("TAKEBACK " + *reply), "OK");
    EXPECT_EQ(brain.Feed("TURN " + last), *reply);
}

TEST(Brain, RefusesAFullBoardBlock) {
    Brain brain = MidGame();
    const Board before = brain.Position();
    EXPECT_EQ(SendBoard(brain, NoFiveBoard({})), "ERROR board is full");
    EXPECT_EQ(brain.Position(), before);
}

TEST(Brain, IgnoresEmptyLinesEverywhere) {
    Brain brain = Started();
    for (std::string_view line : {"", " ", "\t", "BOARD", "", "7,7,1", "  "})
        EXPECT_EQ(brain.Feed(line), std::nullopt);
    EXPECT_EQ(brain.Feed("DONE"), "6,6");
}

TEST(Brain, EndStopsEverythingEvenInsideABoardBlock) {
    for (bool inBlock : {false, true}) {
        Brain brain = MidGame();
        if (inBlock) {
            EXPECT_EQ(brain.Feed("BOARD"), std::nullopt);
        }
        EXPECT_EQ(brain.Feed("END"), std::nullopt);
        EXPECT_TRUE(brain.Finished());
        EXPECT_EQ(brain.Feed("ABOUT"), std::nullopt);
        EXPECT_EQ(brain.Feed("DONE"), std::nullopt);
    }
}

} // namespace
} // namespace pentavo
