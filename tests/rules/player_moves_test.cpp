// The player's moves: left, right, turn, the Down key, the mouse drop and
// the mouse steering, with and without a pause.
#include <gtest/gtest.h>

#include "rules/logic_probe.h"
#include "tests/support/game_harness.h"

namespace {

using Calls = fakes::CallLog;

struct Moves : ::testing::Test {
    Moves() {
        h.createAndShow();
        h.startGame();
        LogicProbe::setState(game(), BlockFalling);
        LogicProbe::setTemp(game(), 6, 4, 3, 3, 1, 1);
    }
    logic& game() { return *h.game; }
    void pauseGame() {
        h.visual().pause().setVisible(true);
        game().SetPaused(true);
    }
    void place(int row, int col) { LogicProbe::setTemp(game(), plat::Integer(row), plat::Integer(col), 3, 3, 1, 1); }
    void block(int row, int col) { LogicProbe::setBoard(game(), row, col, 3, 3, 1, 1); }
    plat::Integer column() { return LogicProbe::tempX(game()); }
    plat::Integer row() { return LogicProbe::tempY(game()); }
    fakes::GameHarness h;
};

TEST_F(Moves, SidewaysStopsAtTheEdgesAndAtOccupiedSquares) {
    place(6, 1);
    game().LeftKeyPressed();
    place(6, 7);
    game().RightKeyPressed();
    EXPECT_TRUE(h.log.empty());
    block(6, 6);
    game().LeftKeyPressed();
    game().RightKeyPressed();
    EXPECT_EQ(column(), 7);
    place(6, 5);
    game().RightKeyPressed();
    game().LeftKeyPressed();
    EXPECT_EQ(column(), 4);
    EXPECT_EQ(h.log, (Calls{"MoveTemp(6,4)"}));
}

TEST_F(Moves, WhilePausedTheKeysOnlyEndThePause) {
    using Key = void (logic::*)();
    for (Key key :
         {&logic::RotateKeyPressed, &logic::LeftKeyPressed, &logic::RightKeyPressed, &logic::DownKeyPressed}) {
        pauseGame();
        (game().*key)();
        EXPECT_EQ(LogicProbe::paused(game()), 0);
        EXPECT_FALSE(h.visual().pause().visible());
    }
    EXPECT_TRUE(h.log.empty());
    EXPECT_EQ(row(), 6);
    EXPECT_EQ(column(), 4);
}

TEST_F(Moves, ThePausedDownKeyActsOnlyWhileTheBlockFalls) {
    pauseGame();
    LogicProbe::setFalling(game(), false);
    game().DownKeyPressed();
    EXPECT_EQ(LogicProbe::paused(game()), -1);
    game().MouseToCol(2);
    EXPECT_EQ(column(), 4);
    EXPECT_TRUE(h.log.empty());
}

TEST_F(Moves, TheMouseDropChangesTheRowButNotThePause) {
    pauseGame();
    game().DownMousePressed();
    EXPECT_EQ(row(), 2);
    EXPECT_EQ(LogicProbe::paused(game()), -1);
    EXPECT_TRUE(h.visual().pause().visible());
    EXPECT_TRUE(h.log.empty());
}

TEST_F(Moves, NoMoveActsOutsideTheFallingState) {
    for (plat::Integer state : {NewBlockDue, SearchingRuns, BurningPipes, RemovingBlocks, NoGame, NamePending}) {
        LogicProbe::setState(game(), state);
        pauseGame();
        game().RotateKeyPressed();
        game().LeftKeyPressed();
        game().RightKeyPressed();
        game().DownKeyPressed();
        game().DownMousePressed();
        game().MouseToCol(1);
        EXPECT_EQ(LogicProbe::paused(game()), -1) << state;
        EXPECT_EQ(LogicProbe::state(game()), state);
    }
    EXPECT_TRUE(h.log.empty());
    EXPECT_EQ(row(), 6);
}

TEST_F(Moves, AfterReturnHidesThePauseTheNextKeyStillOnlyEndsIt) {
    pauseGame();
    game().ReturnPressed();
    EXPECT_FALSE(h.visual().pause().visible());
    game().MouseToCol(2);
    game().LeftKeyPressed();
    EXPECT_EQ(column(), 4);
    EXPECT_EQ(LogicProbe::paused(game()), 0);
    game().LeftKeyPressed();
    EXPECT_EQ(column(), 3);
}

TEST_F(Moves, MouseSteeringIgnoresColumnsOffTheBoardAndStopsAtABlock) {
    for (plat::Integer col : {0, -3, 8, 200, 4}) game().MouseToCol(col);
    EXPECT_TRUE(h.log.empty());
    block(6, 2);
    game().MouseToCol(1);
    EXPECT_EQ(h.log, (Calls{"MoveTemp(6,3)"}));
    block(6, 5);
    game().MouseToCol(7);
    EXPECT_EQ(h.log.back(), "MoveTemp(6,4)");
}

TEST_F(Moves, TheMouseDropInAnEmptyColumnEndsRestingOnTheBottomRow) {
    game().DownMousePressed();
    EXPECT_EQ(row(), 1);
    EXPECT_FALSE(LogicProbe::falling(game()));
    EXPECT_EQ(LogicProbe::state(game()), BlockFalling);
    EXPECT_EQ(h.log, (Calls{"MoveTemp(1,4)"}));
}

TEST_F(Moves, TheMouseDropOntoAStackFixesTheBlockAtOnce) {
    for (int r = 1; r <= 5; ++r) LogicProbe::setBoard(game(), r, 4, 1, 3, 1, 1);
    place(9, 4);
    h.giveBlock(true, true, false, false);
    game().DownMousePressed();
    EXPECT_EQ(LogicProbe::boardUp(game(), 6, 4), PlainPipe);
    EXPECT_EQ(h.log[0], "SaveTemp(6,4)");
    EXPECT_TRUE(h.visual().Timer1().enabled());
}

TEST_F(Moves, TheMouseDropLeavesABlockInRowTwoOrOneWhereItIs) {
    place(2, 4);
    LogicProbe::setBoard(game(), 1, 4, 1, 3, 1, 1);
    h.giveBlock(true, true, false, false);
    game().DownMousePressed();
    EXPECT_EQ(h.log[0], "SaveTemp(2,4)");
}

TEST_F(Moves, TheDownKeyLandsTheBlockAndASecondOneDoesNothing) {
    place(2, 4);
    game().DownKeyPressed();
    EXPECT_EQ(row(), 1);
    EXPECT_FALSE(LogicProbe::falling(game()));
    EXPECT_EQ(h.sounds(), (std::vector<std::string>{"box.wav/3"}));
    h.clearLog();
    game().DownKeyPressed();
    EXPECT_TRUE(h.log.empty());
    EXPECT_EQ(LogicProbe::state(game()), BlockFalling);
}

TEST_F(Moves, TheDownKeyRestartsTheTickInterval) {
    h.sys.runUntil(h.sys.now() + 200);
    game().DownKeyPressed();
    int64_t keyAt = h.sys.now();
    EXPECT_EQ(h.visual().Timer1().due(), keyAt + 333);
}

TEST_F(Moves, AGameEndedByTheDownKeyLeavesTheTickRunning) {
    for (int r = 1; r <= 9; ++r) LogicProbe::setBoard(game(), r, 4, 3, 3, 1, 1);
    LogicProbe::setTemp(game(), 10, 4, 1, 1, 3, 3);
    game().DownKeyPressed();
    EXPECT_EQ(LogicProbe::state(game()), NoGame);
    EXPECT_TRUE(h.visual().Timer1().enabled());
    // "p" then pauses, as the tick is running.
    game().KeyPressed('p');
    EXPECT_TRUE(h.visual().pause().visible());
}

}  // namespace
