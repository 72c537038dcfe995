// The board store: turning the falling block, backgrounds by level, and
// removing and clearing blocks.
#include <gtest/gtest.h>

#include "rules/logic_probe.h"
#include "tests/support/game_harness.h"

namespace {

struct BoardStore : ::testing::Test {
    BoardStore() { h.createAndShow(); }
    logic& game() { return *h.game; }
    std::string background() {
        auto& picture = h.visual().center().picture();
        return picture ? picture->name : "";
    }
    fakes::GameHarness h;
};

TEST_F(BoardStore, QuarterTurnsMovePipesClockwiseAndFourRestoreTheBlock) {
    LogicProbe::setTemp(game(), 7, 2, 3, 3, 1, 1);  // upper and lower pipes
    h.clearLog();
    game().RotateTemp();
    EXPECT_EQ(h.log, (fakes::CallLog{"PaintTemp(7,2,1,1,3,3)"}));

    LogicProbe::setTemp(game(), 7, 2, 3, 1, 3, 1);  // upper and left
    game().RotateTemp();
    EXPECT_EQ(LogicProbe::tempUp(game()), PlainPipe);
    EXPECT_EQ(LogicProbe::tempRight(game()), PlainPipe);
    EXPECT_EQ(LogicProbe::tempLeft(game()), NoPipe);
    EXPECT_EQ(LogicProbe::tempDown(game()), NoPipe);

    LogicProbe::setTemp(game(), 7, 2, 3, 1, 3, 3);
    for (int i = 0; i < 4; ++i) game().RotateTemp();
    EXPECT_EQ(h.log.back(), "PaintTemp(7,2,3,1,3,3)");
}

TEST_F(BoardStore, BackgroundFollowsTheLevelAndRepeatsAfterFive) {
    const char* names[] = {"geysir0", "geysir1", "eldfell", "sheep", "waterf"};
    for (int level = 1; level <= 10; ++level) {
        LogicProbe::setLevel(game(), plat::Integer(level));
        game().ChangeBackgroundPicture();
        EXPECT_EQ(background(), names[(level - 1) % 5]) << level;
    }
    for (int outside : {0, 11}) {
        LogicProbe::setLevel(game(), plat::Integer(outside));
        game().ChangeBackgroundPicture();
        EXPECT_EQ(background(), "waterf") << outside;
    }
}

TEST_F(BoardStore, RemoveEmptiesThePositionAndHidesItEvenWhenEmpty) {
    LogicProbe::setBoard(game(), 3, 5, 3, 1, 2, 1);
    h.clearLog();
    game().Remove(3, 5);
    game().Remove(3, 5);
    EXPECT_EQ(LogicProbe::boardUp(game(), 3, 5), NoBlock);
    EXPECT_EQ(LogicProbe::boardLeft(game(), 3, 5), NoBlock);
    EXPECT_EQ(h.log, (fakes::CallLog{"Remove(3,5)", "Remove(3,5)"}));
}

TEST_F(BoardStore, ClearBoxesEmptiesTheBoardButNotRowOrColumnZero) {
    LogicProbe::setBoard(game(), 0, 3, 3, 3, 3, 3);
    LogicProbe::setBoard(game(), 4, 0, 3, 3, 3, 3);
    LogicProbe::setBoard(game(), 10, 7, 3, 1, 1, 3);
    LogicProbe::setBoard(game(), 1, 1, 2, 1, 1, 3);
    h.clearLog();
    game().ClearBoxes();
    EXPECT_EQ(LogicProbe::boardUp(game(), 10, 7), NoBlock);
    EXPECT_EQ(LogicProbe::boardRight(game(), 1, 1), NoBlock);
    EXPECT_EQ(LogicProbe::boardUp(game(), 0, 3), PlainPipe);
    EXPECT_EQ(LogicProbe::boardDown(game(), 4, 0), PlainPipe);
    EXPECT_EQ(h.log, (fakes::CallLog{"ClearBoxes()"}));
}

}  // namespace
