#include "engine/FindFive.h"
#include "engine/tests/GameFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace pentavo {
namespace {

using Turn = GameFixture;

// Crosses at (0..3, 0) and circles at (0..3, 14): crosses to move, and (4, 0) makes five.
MoveLog CrossesToMoveWithFour() {
    return AlternatingLog(CellsFrom({0, 0}, 1, 0, 4), CellsFrom({0, 14}, 1, 0, 4));
}

// Crosses at (3..6, 7) and circles in three corners: circles (the person) to move, and the
// computer, owning the crosses, completes its five unless the person blocks both ends.
MoveLog ComputerToWinNext() {
    return AlternatingLog(CellsFrom({3, 7}, 1, 0, 4), {{0, 0}, {14, 0}, {0, 14}});
}

// Five crosses at (0..4, 0), four circles at (0..3, 14): a game that was finished, circles to move.
MoveLog FinishedGame() {
    return AlternatingLog(CellsFrom({0, 0}, 1, 0, 5), CellsFrom({0, 14}, 1, 0, 4));
}

TEST_F(Turn, OrdinaryMovePlacesBothMarksWithoutMessage) {
    game.NewGame();
    view.Clear();
    ClickCell(0, 0);
    ASSERT_EQ(view.calls.size(), 2u);
    EXPECT_EQ(view.calls[0], ViewCall::Mark(0, 0, Circle));
    EXPECT_EQ(view.calls[1].kind, ViewCall::Kind::DrawMark);
    EXPECT_EQ(view.calls[1].mark, Cross);
    EXPECT_EQ(view.probed, (std::vector<bool>{false, true})); // Thinking only for the reply
    EXPECT_EQ(State().MoveCount, 3);
    EXPECT_EQ(State().MoveLog[2], EncodeMove(view.calls[1].col, view.calls[1].row));
    EXPECT_FALSE(State().Thinking);
    EXPECT_FALSE(State().GameOver);
}

TEST_F(Turn, PersonsFiveWinsWithoutReplyOrBeep) {
    options.SoundOn = true;
    Open(CrossesToMoveWithFour());
    ClickCell(4, 0);
    EXPECT_EQ(view.calls, (std::vector{ViewCall::Mark(4, 0, Cross), ViewCall::Message("You win")}));
    EXPECT_EQ(State().MoveCount, 9);
    EXPECT_TRUE(State().GameOver);
    EXPECT_FALSE(State().Thinking);
}

TEST_F(Turn, ComputersFiveBeepsThenSaysIWin) {
    Open(ComputerToWinNext());
    options.SoundOn = true;
    ClickCell(14, 14);
    ASSERT_EQ(view.calls.size(), 4u);
    EXPECT_EQ(view.calls[0], ViewCall::Mark(14, 14, Circle));
    const ViewCall reply = view.calls[1];
    EXPECT_EQ(reply.mark, Cross);
    EXPECT_TRUE((reply.col == 2 || reply.col == 7) && reply.row == 7);
    EXPECT_EQ(view.calls[2], ViewCall::Beep());
    EXPECT_EQ(view.calls[3], ViewCall::Message("I win"));
    EXPECT_EQ(view.probed, (std::vector<bool>{false, true, true, true}));
    EXPECT_TRUE(State().GameOver);
    EXPECT_FALSE(State().Thinking);
    EXPECT_EQ(FindFive(State().Board), Cross);
}

// After either message the board takes no clicks until something clears GameOver.
struct AfterEndCase {
    const char* name;
    MoveLog log;
    int col;
    int row;
};

class AfterEnd : public GameFixture, public testing::WithParamInterface<AfterEndCase> {
protected:
    void Finish() {
        Open(GetParam().log);
        ClickCell(GetParam().col, GetParam().row);
        ASSERT_TRUE(State().GameOver);
        view.Clear();
        ClickCell(10, 10);
        ASSERT_TRUE(view.calls.empty());
        ASSERT_EQ(State().Board(10, 10), Empty);
    }
    void ExpectClickAccepted() {
        EXPECT_FALSE(State().GameOver);
        view.Clear();
        ClickCell(10, 10);
        ASSERT_FALSE(view.calls.empty());
        EXPECT_EQ(view.calls[0].kind, ViewCall::Kind::DrawMark);
        EXPECT_NE(State().Board(10, 10), Empty);
    }
};

TEST_P(AfterEnd, NewGameAcceptsClicksAgain) {
    Finish();
    game.NewGame();
    ExpectClickAccepted();
}

TEST_P(AfterEnd, OpeningAGameAcceptsClicksAgain) {
    Finish();
    game.LoadLog(State().MoveLog);
    game.ReplayLog();
    ExpectClickAccepted();
}

TEST_P(AfterEnd, UndoAcceptsClicksAgain) {
    Finish();
    const std::int16_t count = State().MoveCount;
    game.UndoLastPair();
    EXPECT_EQ(State().MoveCount, count - 2);
    ExpectClickAccepted();
}

TEST_P(AfterEnd, RefusedUndoStillAcceptsClicksAgain) {
    Finish();
    options.UndoMoves = false;
    const MoveLog log = State().MoveLog;
    game.UndoLastPair();
    EXPECT_EQ(State().MoveLog, log);
    ExpectClickAccepted();
}

TEST_P(AfterEnd, UndoTwiceThenRedoTwiceIsTheFinishedGameAgain) {
    Finish();
    const GameState finished = State();
    game.UndoLastPair();
    game.UndoLastPair();
    view.Clear();
    game.RedoLastPair();
    game.RedoLastPair();
    EXPECT_FALSE(game.CanRedo());
    EXPECT_EQ(State().MoveLog, finished.MoveLog);
    EXPECT_EQ(State().Board, finished.Board);
    EXPECT_TRUE(State().GameOver);
    EXPECT_EQ(view.calls.size(), 4u); // the marks drawn again, no message a second time
    game.RedoLastPair();
    EXPECT_EQ(State().MoveLog, finished.MoveLog);
}

INSTANTIATE_TEST_SUITE_P(Endings, AfterEnd,
                         testing::Values(AfterEndCase{"YouWin", CrossesToMoveWithFour(), 4, 0},
                                         AfterEndCase{"IWin", ComputerToWinNext(), 14, 14}),
                         CaseName());

TEST_F(Turn, UndoAfterComputersWinGivesThePersonTheSameMarkAgain) {
    Open(ComputerToWinNext());
    ClickCell(14, 14);
    ASSERT_TRUE(State().GameOver);
    game.UndoLastPair();
    EXPECT_EQ(State().MoveLog, ComputerToWinNext());
    view.Clear();
    ClickCell(14, 14);
    ASSERT_FALSE(view.calls.empty());
    EXPECT_EQ(view.calls[0], ViewCall::Mark(14, 14, Circle));
}

// The rule played for the side to move: it completes that side's five, or blocks the other's; the
// game and the drawing stay as they were. None once the game is over or the board is full.
TEST_F(Turn, HintIsTheRuleForTheSideToMoveAndChangesNothing) {
    Open(CrossesToMoveWithFour());
    EXPECT_EQ(game.Hint(), (Cell{4, 0}));
    Open(ComputerToWinNext());
    const GameState before = State();
    const std::optional<Cell> block = game.Hint();
    EXPECT_TRUE(block == (Cell{2, 7}) || block == (Cell{7, 7}));
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(State().MoveLog, before.MoveLog);
    EXPECT_EQ(State().Board, before.Board);
    ClickCell(14, 14);
    ASSERT_TRUE(State().GameOver);
    EXPECT_EQ(game.Hint(), std::nullopt);
    Open(NoFiveLog({}));
    EXPECT_EQ(game.Hint(), std::nullopt);
}

TEST_F(Turn, OpenedFinishedGameThenAClickSaysYouWin) {
    Open(FinishedGame());
    EXPECT_FALSE(State().GameOver);
    ClickCell(7, 7);
    EXPECT_EQ(view.calls,
              (std::vector{ViewCall::Mark(7, 7, Circle), ViewCall::Message("You win")}));
    EXPECT_TRUE(State().GameOver);
}

TEST_F(Turn, PersonFillingTheLastCellEndsTheGameAsADraw) {
    options.SoundOn = true;
    Open(NoFiveLog({{0, 0}}));
    ASSERT_EQ(State().MoveCount, 224);
    ClickCell(0, 0);
    EXPECT_EQ(view.calls, (std::vector{ViewCall::Mark(0, 0, Cross), ViewCall::Message("Draw")}));
    EXPECT_EQ(State().MoveCount, 225);
    EXPECT_FALSE(State().Thinking);
    EXPECT_TRUE(State().GameOver);
    EXPECT_TRUE(State().Board.IsFull());
}

TEST_F(Turn, ComputerFillingTheLastCellEndsTheGameAsADrawThatTakesNoClicks) {
    Open(NoFiveLog({{0, 0}, {2, 0}}));
    ASSERT_EQ(State().MoveCount, 223);
    ClickCell(2, 0);
    EXPECT_EQ(view.calls, (std::vector{ViewCall::Mark(2, 0, Circle), ViewCall::Mark(0, 0, Cross),
                                       ViewCall::Message("Draw")}));
    EXPECT_EQ(State().MoveCount, 225);
    EXPECT_TRUE(State().GameOver);
    view.Clear();
    for (int col = 0; col < BoardSize; ++col)
        for (int row = 0; row < BoardSize; ++row)
            ClickCell(col, row);
    EXPECT_TRUE(view.calls.empty());
    game.UndoLastPair();
    EXPECT_EQ(State().MoveCount, 223);
    view.Clear();
    ClickCell(2, 0);
    EXPECT_EQ(view.calls.back(), ViewCall::Message("Draw"));
}

TEST_F(Turn, ComputerIsNotAskedOnAFullBoard) {
    Open(NoFiveLog({}));
    game.PlaceComputerMove();
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(State().MoveCount, 225);
}

// Codes left after the first 0 of an opened log must not come back as moves once the game
// goes on and is saved and opened again.
TEST_F(Turn, StrayCodesAfterTheEndOfAnOpenedLogAreDroppedOnceTheGameGoesOn) {
    const MoveLog opened = LogOf({120, 0, 0, 55, 200});
    Open(opened);
    EXPECT_EQ(State().MoveLog, opened);
    ClickCell(0, 0);
    ASSERT_EQ(State().MoveCount, 3);
    for (std::size_t i = 3; i < State().MoveLog.size(); ++i)
        EXPECT_EQ(State().MoveLog[i], 0) << "entry " << i;
    const GameState played = State();
    Open(played.MoveLog);
    EXPECT_EQ(State().MoveCount, played.MoveCount);
    EXPECT_EQ(State().Board, played.Board);
}

} // namespace
} // namespace pentavo
