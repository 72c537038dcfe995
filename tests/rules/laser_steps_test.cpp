// The steps after a landing: lighting runs, burning, removal, falling
// columns, score and level.
#include <gtest/gtest.h>

#include "rules/logic_probe.h"
#include "tests/support/game_harness.h"

namespace {

using Calls = fakes::CallLog;
using Sounds = std::vector<std::string>;

struct Lasers : ::testing::Test {
    Lasers() {
        h.createAndShow();
        h.startGame();
    }
    logic& game() { return *h.game; }
    void put(int row, int col, plat::Integer up, plat::Integer down, plat::Integer left, plat::Integer right) {
        LogicProbe::setBoard(game(), row, col, up, down, left, right);
    }
    void step(plat::Integer state) {
        LogicProbe::setState(game(), state);
        game().Timer();
    }
    // One burnt-out block removed when 29 have gone before it.
    void removeTheThirtieth() {
        LogicProbe::setBoxCount(game(), 29);
        put(1, 1, 1, 1, 1, 1);
        h.giveBlock(true, true, false, false);
        step(RemovingBlocks);
    }
    fakes::GameHarness h;
};

TEST_F(Lasers, ThreeUpperPipesLightTogetherAndBurnForThirtyPoints) {
    for (int col = 1; col <= 3; ++col) put(1, col, 3, 1, 1, 1);
    step(SearchingRuns);
    EXPECT_EQ(h.log, (Calls{"PaintChange(1,1,2,1,1,1)", "PaintLaserCorr(1,1,3)", "PaintChange(1,2,2,1,1,1)",
                            "PaintLaserCorr(1,2,3)", "PaintChange(1,3,2,1,1,1)", "PaintLaserCorr(1,3,3)"}));
    EXPECT_EQ(h.sounds(), (Sounds{"line.wav/3"}));
    EXPECT_EQ(LogicProbe::state(game()), BurningPipes);

    h.clearLog();
    game().Timer();
    EXPECT_EQ(LogicProbe::score(game()), 30);
    EXPECT_EQ(LogicProbe::state(game()), RemovingBlocks);
    EXPECT_EQ(h.count("ClearLaserCorr(1,2,3)"), 1);
    // Upper pipes repaint before they score.
    EXPECT_EQ(h.visual().scoreAtCall, (Calls{"0", "0", "10", "10", "20", "20"}));

    // Three empty blocks go for 100 each, the score label after each; the
    // next block follows in the same tick.
    h.clearLog();
    h.giveBlock(true, true, false, false);
    game().Timer();
    EXPECT_EQ(LogicProbe::score(game()), 330);
    EXPECT_EQ(h.log, (Calls{"Remove(1,1)", "Remove(1,2)", "Remove(1,3)", "PaintTemp(10,4,3,3,1,1)"}));
    EXPECT_EQ(h.visual().scoreAtCall, (Calls{"30", "130", "230", "330"}));
    EXPECT_EQ(LogicProbe::boxCount(game()), 3);
}

TEST_F(Lasers, AWholeRowLightsInOneSearchWithOneSound) {
    for (int col = 1; col <= 7; ++col) put(4, col, 1, 3, 1, 1);
    for (int col = 1; col <= 7; ++col) put(3, col, 1, 1, 1, 1);  // keeps row 4 in place
    for (int row = 1; row <= 2; ++row)
        for (int col = 1; col <= 7; ++col) put(row, col, 3, 1, 1, 1);
    // Rows 1 and 2 light too: one row of ups each.
    step(SearchingRuns);
    for (int col = 1; col <= 7; ++col) EXPECT_EQ(LogicProbe::boardDown(game(), 4, col), LitPipe) << col;
    EXPECT_EQ(h.count("PaintLaserCorr(4,7,4)"), 1);
    EXPECT_EQ(h.sounds().size(), 3u);
    h.clearLog();
    game().Timer();
    EXPECT_EQ(LogicProbe::score(game()), 210);
}

TEST_F(Lasers, PairsGapsAndMissingPipesNeverLight) {
    put(1, 1, 3, 1, 1, 1);
    put(1, 2, 3, 1, 1, 1);
    put(1, 4, 3, 1, 1, 1);
    put(1, 5, 1, 3, 1, 1);  // no upper pipe between two that have one
    put(1, 6, 3, 1, 1, 1);
    put(1, 7, 3, 1, 1, 1);
    h.giveBlock(true, true, false, false);
    step(SearchingRuns);
    EXPECT_TRUE(h.sounds().empty());
    EXPECT_EQ(h.log, (Calls{"PaintTemp(10,4,3,3,1,1)"}));
    EXPECT_EQ(LogicProbe::state(game()), BlockFalling);
    EXPECT_EQ(LogicProbe::boardUp(game(), 1, 4), PlainPipe);
}

TEST_F(Lasers, AColumnOfTenLightsCompletely) {
    for (int row = 1; row <= 10; ++row) put(row, 2, 1, 1, 3, 1);
    step(SearchingRuns);
    for (int row = 1; row <= 10; ++row) EXPECT_EQ(LogicProbe::boardLeft(game(), row, 2), LitPipe) << row;
    EXPECT_EQ(h.sounds(), (Sounds{"line.wav/3"}));
    EXPECT_EQ(h.count("PaintLaserCorr(1,2,1)"), 1);
}

TEST_F(Lasers, ARowOfSevenAndAColumnOfTenLightInOneSearch) {
    for (int col = 1; col <= 7; ++col) put(1, col, 3, 1, 1, 1);
    for (int row = 1; row <= 10; ++row) put(row, 1, row == 1 ? 3 : 1, 1, 1, 3);
    step(SearchingRuns);
    for (int col = 1; col <= 7; ++col) EXPECT_EQ(LogicProbe::boardUp(game(), 1, col), LitPipe) << col;
    for (int row = 1; row <= 10; ++row) EXPECT_EQ(LogicProbe::boardRight(game(), row, 1), LitPipe) << row;
    EXPECT_EQ(h.sounds().size(), 2u);

    // Both runs burn in one step; the corner block counts twice.
    h.clearLog();
    game().Timer();
    EXPECT_EQ(LogicProbe::score(game()), 170);
    // Right pipes score before they repaint.
    EXPECT_EQ(h.visual().scoreAtCall.front(), "10");
}

TEST_F(Lasers, ABlockGoesOnlyWhenNoPlainPipeIsLeft) {
    for (int col = 1; col <= 3; ++col) put(1, col, 3, 1, 1, 1);
    put(1, 1, 3, 1, 3, 1);
    put(2, 1, 1, 1, 3, 1);
    put(3, 1, 1, 1, 3, 3);  // keeps a plain right pipe
    step(SearchingRuns);
    game().Timer();
    EXPECT_EQ(LogicProbe::score(game()), 60);
    h.giveBlock(true, true, false, false);
    game().Timer();
    // (1,1)..(2,1) and (1,2),(1,3) went; (3,1) fell to row 1 and stays.
    EXPECT_EQ(LogicProbe::boardRight(game(), 1, 1), PlainPipe);
    EXPECT_EQ(LogicProbe::boardLeft(game(), 1, 1), NoPipe);
    EXPECT_EQ(LogicProbe::boardUp(game(), 2, 1), NoBlock);
    EXPECT_EQ(LogicProbe::score(game()), 460);
}

TEST_F(Lasers, BlocksFallIntoGapsAndNewRunsLightInTheSameTick) {
    put(1, 1, 1, 1, 1, 1);  // burnt out
    put(2, 1, 3, 1, 1, 1);
    put(3, 1, 1, 3, 1, 1);
    put(1, 2, 3, 1, 1, 1);
    put(1, 3, 3, 1, 1, 1);
    step(RemovingBlocks);
    EXPECT_EQ(LogicProbe::boardUp(game(), 1, 1), LitPipe);
    EXPECT_EQ(LogicProbe::boardDown(game(), 2, 1), PlainPipe);
    EXPECT_EQ(LogicProbe::boardUp(game(), 3, 1), NoBlock);
    EXPECT_EQ(h.sounds(), (Sounds{"box.wav/3", "box.wav/3", "line.wav/3"}));
    EXPECT_EQ(LogicProbe::state(game()), BurningPipes);
    EXPECT_EQ(h.log[0], "Remove(1,1)");
    EXPECT_EQ(h.log[1], "Remove(2,1)");
    EXPECT_EQ(h.log[2], "PaintChange(1,1,3,1,1,1)");
}

TEST_F(Lasers, TheThirtiethBlockRaisesTheLevel) {
    removeTheThirtieth();
    EXPECT_EQ(LogicProbe::level(game()), 2);
    EXPECT_EQ(h.visual().level().caption(), "2");
    EXPECT_EQ(h.visual().Timer1().interval(), 300);
    EXPECT_EQ(h.visual().center().picture()->name, "geysir1");
    EXPECT_EQ(h.count("ClearBugLasers()"), 1);
    EXPECT_EQ(LogicProbe::boxCount(game()), 0);
}

TEST_F(Lasers, LevelTenKeepsItsLevelBackgroundAndSpeed) {
    game().SetStartLevel(10);
    h.startGame();
    EXPECT_EQ(h.visual().Timer1().interval(), 129);
    removeTheThirtieth();
    EXPECT_EQ(LogicProbe::level(game()), 10);
    EXPECT_EQ(h.visual().Timer1().interval(), 129);
    EXPECT_EQ(h.visual().center().picture()->name, "waterf");
    EXPECT_EQ(h.count("ClearBugLasers()"), 1);
    EXPECT_EQ(LogicProbe::boxCount(game()), 0);
}

TEST_F(Lasers, TheStepIntoLevelTenStillShowsItAndSpeedsUp) {
    game().SetStartLevel(9);
    h.startGame();
    EXPECT_EQ(h.visual().Timer1().interval(), 143);
    removeTheThirtieth();
    EXPECT_EQ(LogicProbe::level(game()), 10);
    EXPECT_EQ(h.visual().level().caption(), "10");
    EXPECT_EQ(h.visual().Timer1().interval(), 129);
    EXPECT_EQ(h.visual().center().picture()->name, "waterf");
}

TEST_F(Lasers, TheCountGoesOnPastTheBlockThatCompletesThirty) {
    LogicProbe::setBoxCount(game(), 28);
    for (int col = 1; col <= 3; ++col) put(1, col, 1, 1, 1, 1);
    h.giveBlock(true, true, false, false);
    step(RemovingBlocks);
    EXPECT_EQ(LogicProbe::level(game()), 2);
    EXPECT_EQ(LogicProbe::boxCount(game()), 1);
    // The level step comes between the second removal and its score.
    EXPECT_EQ(h.log[1], "Remove(1,2)");
    EXPECT_EQ(h.log[2], "ClearBugLasers()");
}

}  // namespace
