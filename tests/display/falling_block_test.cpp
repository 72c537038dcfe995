// The falling block's picture: kinds, places and what a non-kind leaves.
#include "display/block_kinds.h"
#include "tests/window/visual_fixture.h"

namespace {

using visual_test::VisualTest;

TEST(BlockKinds, QuarterTurnsFollowTheKindNumbering) {
    // new up = old left, new left = old down, new down = old right, new right = old up
    const int next[] = {0, 2, 3, 4, 1, 6, 5, 8, 9, 10, 7, 11};
    for (int kind = 1; kind <= 11; ++kind) {
        board::Pipes p = board::kindPipes(kind);
        EXPECT_EQ(board::kindOf(p.left, p.right, p.down, p.up), next[kind]) << kind;
    }
    EXPECT_EQ(board::kindOf(3, 1, 1, 1), 0);  // a single pipe is no kind
}

class FallingBlock : public VisualTest {};

TEST_F(FallingBlock, PaintTempShowsTheKindsPictureAtItsPlace) {
    logic& game = start();
    queueProbe();
    visual().PaintTemp(10, 4, 3, 1, 1, 3);
    EXPECT_TRUE(yielded());
    plat::Control& block = ctl("boxtemp1");
    EXPECT_EQ(block.picture()->name, "p1");
    EXPECT_EQ(block.tag(), "1");
    EXPECT_EQ(block.left(), 1920);
    EXPECT_EQ(block.top(), 60);
    EXPECT_TRUE(block.visible());
    for (int set : {1, 7, -1}) {
        game.SetBlockType(plat::Integer(set));
        visual().PaintTemp(10, 4, 3, 1, 1, 3);
        EXPECT_EQ(block.picture()->name, "p1b") << set;
    }
}

TEST_F(FallingBlock, EveryKindGetsItsOwnPicture) {
    start();
    for (int kind = 1; kind <= 11; ++kind) {
        board::Pipes p = board::kindPipes(kind);
        visual().PaintTemp(5, 2, p.up, p.down, p.left, p.right);
        EXPECT_EQ(ctl("boxtemp1").picture()->name, "p" + std::to_string(kind));
        EXPECT_EQ(ctl("boxtemp1").tag(), std::to_string(kind));
    }
}

TEST_F(FallingBlock, StatesOfNoKindKeepPictureAndTagButStillMoveAndShow) {
    start();
    visual().PaintTemp(10, 4, 1, 3, 3, 3);
    visual().RemoveTemp();
    visual().PaintTemp(3, 6, 3, 1, 1, 1);
    plat::Control& block = ctl("boxtemp1");
    EXPECT_EQ(block.picture()->name, "p8");
    EXPECT_EQ(block.tag(), "8");
    EXPECT_EQ(block.left(), 3180);
    EXPECT_EQ(block.top(), 4470);
    EXPECT_TRUE(block.visible());
    visual().PaintTemp(3, 6, 2, 3, 3, 3);
    EXPECT_EQ(block.tag(), "8");
}

TEST_F(FallingBlock, MoveTempAndRemoveTempPlaceAndHideAndYield) {
    start();
    plat::Control& block = ctl("boxtemp1");
    const int lefts[] = {30, 660, 1290, 1920, 2550, 3180, 3810};
    const int tops[] = {5730, 5100, 4470, 3840, 3210, 2580, 1950, 1320, 690, 60};
    for (int x = 1; x <= 7; ++x) {
        visual().MoveTemp(1, plat::Integer(x));
        EXPECT_EQ(block.left(), lefts[x - 1]);
    }
    for (int y = 1; y <= 10; ++y) {
        queueProbe();
        visual().MoveTemp(plat::Integer(y), 7);
        EXPECT_TRUE(yielded());
        EXPECT_EQ(block.top(), tops[y - 1]);
    }
    EXPECT_FALSE(block.visible());  // moving a hidden picture leaves it hidden
    visual().PaintTemp(10, 4, 3, 3, 3, 3);
    queueProbe();
    visual().RemoveTemp();
    EXPECT_TRUE(yielded());
    EXPECT_FALSE(block.visible());
    EXPECT_EQ(block.tag(), "11");
}

}  // namespace
