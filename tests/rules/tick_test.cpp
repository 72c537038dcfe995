// The tick: its guard, the new block, the fall and landing, game over and
// the high-score label.
#include <gtest/gtest.h>

#include <algorithm>

#include "rules/logic_probe.h"
#include "tests/support/game_harness.h"

namespace {

struct Tick : ::testing::Test {
    Tick() {
        h.createAndShow();
        h.startGame();
    }
    logic& game() { return *h.game; }
    bool logged(const std::string& call) { return h.count(call) > 0; }
    size_t at(const std::string& call) { return size_t(std::find(h.log.begin(), h.log.end(), call) - h.log.begin()); }
    fakes::GameHarness h;
};

TEST_F(Tick, NothingAtAllHappensWhileAPanelThePauseOrTheDialogIsVisible) {
    plat::Control* controls[] = {&h.visual().pause(), &h.visual().message(), &h.visual().message3(),
                                 &h.visual().topTen()};
    LogicProbe::setScore(game(), 5000);
    for (plat::Control* shown : controls) {
        shown->setVisible(true);
        game().Timer();
        shown->setVisible(false);
    }
    h.options().form().show();
    game().Timer();
    EXPECT_TRUE(h.log.empty());
    EXPECT_EQ(LogicProbe::state(game()), NewBlockDue);
    EXPECT_EQ(h.visual().hiscore().caption(), "0");

    // The game-over picture does not stop it.
    h.options().form().hide();
    h.visual().gameOver().setVisible(true);
    h.giveBlock(true, true, false, false);
    game().Timer();
    EXPECT_EQ(LogicProbe::state(game()), BlockFalling);
}

TEST_F(Tick, NewBlockEntersAtTheTopOfTheFourthColumn) {
    h.giveBlock(false, true, false, true);
    game().Timer();
    EXPECT_EQ(h.log, (fakes::CallLog{"PaintTemp(10,4,1,3,1,3)"}));
    EXPECT_EQ(LogicProbe::state(game()), BlockFalling);
    EXPECT_TRUE(LogicProbe::falling(game()));
}

TEST_F(Tick, AttemptsWithFewerThanTwoPipesAreDrawnAgain) {
    h.giveBlock(false, false, false, false);
    h.giveBlock(false, false, true, false);
    h.giveBlock(true, true, true, true);
    game().Timer();
    EXPECT_EQ(h.log, (fakes::CallLog{"PaintTemp(10,4,3,3,3,3)"}));
}

TEST_F(Tick, BlockFallsRowByRowSoundsOnArrivalAndIsFixedOnTheNextTick) {
    h.giveBlock(true, false, true, false);
    game().Timer();
    for (int row = 9; row >= 1; --row) {
        EXPECT_TRUE(h.sounds().empty()) << row;
        game().Timer();
        EXPECT_EQ(h.log.back(), "MoveTemp(" + std::to_string(row) + ",4)");
    }
    EXPECT_EQ(h.sounds(), (std::vector<std::string>{"box.wav/3"}));
    EXPECT_FALSE(LogicProbe::falling(game()));
    EXPECT_EQ(LogicProbe::state(game()), BlockFalling);

    // Fixed; search, burning and removal find nothing; the next block
    // enters within the same tick.
    h.clearLog();
    h.giveBlock(true, true, false, false);
    game().Timer();
    EXPECT_EQ(h.log, (fakes::CallLog{"SaveTemp(1,4)", "RemoveTemp()", "PaintTemp(10,4,3,3,1,1)"}));
    EXPECT_EQ(LogicProbe::boardUp(game(), 1, 4), PlainPipe);
    EXPECT_EQ(LogicProbe::boardLeft(game(), 1, 4), PlainPipe);
    EXPECT_EQ(LogicProbe::boardDown(game(), 1, 4), NoPipe);
    EXPECT_TRUE(h.sounds().empty());
}

TEST_F(Tick, OccupiedEntryEndsTheGame) {
    LogicProbe::setBoard(game(), 10, 4, 1, 1, 1, 1);
    LogicProbe::setBoard(game(), 5, 5, 3, 1, 1, 1);
    game().Timer();
    EXPECT_EQ(LogicProbe::state(game()), NoGame);  // 0 points earn no row
    EXPECT_EQ(LogicProbe::boardUp(game(), 5, 5), NoBlock);
    EXPECT_FALSE(h.visual().Timer1().enabled());
    EXPECT_FALSE(h.visual().center().enabled());
    EXPECT_TRUE(h.visual().gameOver().visible());
    EXPECT_EQ(h.log, (fakes::CallLog{"ClearBoxes()", "ClearBugLasers()", "EnableGameOver()"}));
}

TEST_F(Tick, GameOverWithATopTenScoreLeavesANamePending) {
    LogicProbe::setBoard(game(), 10, 4, 3, 1, 1, 1);
    LogicProbe::setScore(game(), 150);
    game().Timer();
    EXPECT_EQ(LogicProbe::state(game()), NamePending);
    EXPECT_EQ(LogicProbe::topScore(game(), 0), 150);
}

TEST_F(Tick, BlockOverAnOccupiedSquareIsFixedWhereItEnters) {
    for (int row = 1; row <= 9; ++row) LogicProbe::setBoard(game(), row, 4, 3, 3, 1, 1);
    h.giveBlock(true, false, false, true);
    game().Timer();
    EXPECT_EQ(LogicProbe::state(game()), SearchingRuns);
    EXPECT_EQ(h.sounds(), (std::vector<std::string>{"box.wav/3"}));
    EXPECT_EQ(h.log, (fakes::CallLog{"PaintTemp(10,4,3,1,1,3)", "SaveTemp(10,4)", "RemoveTemp()"}));
    EXPECT_EQ(LogicProbe::boardRight(game(), 10, 4), PlainPipe);

    // The search runs on the next tick; nothing lights, and the next block
    // finds the entry taken.
    game().Timer();
    EXPECT_EQ(LogicProbe::state(game()), NoGame);
}

TEST_F(Tick, BlockSlidOntoItsRestIsFixedWithoutTheLandingSound) {
    LogicProbe::setTemp(game(), 5, 4, 3, 3, 1, 1);
    LogicProbe::setState(game(), BlockFalling);
    for (int row = 1; row <= 4; ++row) LogicProbe::setBoard(game(), row, 3, 3, 3, 1, 1);
    game().LeftKeyPressed();
    h.giveBlock(true, true, false, false);
    game().Timer();
    EXPECT_EQ(LogicProbe::boardUp(game(), 5, 3), PlainPipe);
    EXPECT_TRUE(h.sounds().empty());
}

TEST_F(Tick, HighScoreLabelChangesOnlyWhenTheScorePassesIt) {
    LogicProbe::setState(game(), NoGame);
    LogicProbe::setScore(game(), 40);
    game().Timer();
    EXPECT_EQ(h.visual().hiscore().caption(), "40");
    h.visual().hiscore().setCaption("unchanged");
    game().Timer();
    EXPECT_EQ(h.visual().hiscore().caption(), "unchanged");
    EXPECT_EQ(LogicProbe::hiScore(game()), 40);
}

TEST_F(Tick, NoGameAndNamePendingRunNoStep) {
    LogicProbe::setBoard(game(), 1, 1, 1, 1, 1, 1);
    for (plat::Integer state : {NoGame, NamePending}) {
        LogicProbe::setState(game(), state);
        game().Timer();
        EXPECT_EQ(LogicProbe::state(game()), state);
    }
    EXPECT_EQ(LogicProbe::boardUp(game(), 1, 1), NoPipe);
    EXPECT_TRUE(h.log.empty());
}

}  // namespace
