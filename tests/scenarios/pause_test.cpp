// The pause: what starts it, what the tick and the moves do meanwhile, and
// what ends it.
#include <gtest/gtest.h>

#include "scenario.h"

namespace scenario {
namespace {

std::string firstBlockShown() { return startGame() + block(true, true, false, false) + "wait 333\n"; }

TEST(Pause, PStopsTheTickAndAMoveOnlyEndsThePause) {
    Folder dir;
    auto out = play(firstBlockShown() + "key p\nwait 1000\nkey P\ndump\nkey Left\ndump\nkey Left\ndump\n", dir);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0]["paused"], -1);
    EXPECT_EQ(out[0]["visible"]["pause"], true);
    EXPECT_EQ(out[0]["temp"], json({10, 4, 3, 3, 1, 1}));  // the tick stood still
    EXPECT_EQ(out[1]["paused"], 0);
    EXPECT_EQ(out[1]["visible"]["pause"], false);
    EXPECT_EQ(out[1]["temp"][1], 4);  // not moved by the key that ended the pause
    EXPECT_EQ(out[2]["temp"][1], 3);
}

TEST(Pause, ReturnHidesThePictureButTheNextMoveIsStillUsedUp) {
    Folder dir;
    auto out = play(firstBlockShown() + "key p\nkey Return\ndump\nwait 333\ndump\nkey Up\ndump\nkey Up\ndump\n", dir);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0]["visible"]["pause"], false);
    EXPECT_EQ(out[0]["paused"], -1);
    EXPECT_EQ(out[1]["temp"][0], 9);  // the tick runs again
    EXPECT_EQ(out[2]["paused"], 0);
    EXPECT_EQ(out[2]["temp"], json({9, 4, 3, 3, 1, 1}));  // not turned
    EXPECT_EQ(out[3]["temp"], json({9, 4, 1, 1, 3, 3}));
}

TEST(Pause, NoPauseOutsideAGame) {
    Folder dir;
    auto out = play("start\nwait 2000\nkey p\ndump\n", dir);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0]["visible"]["pause"], false);
    EXPECT_EQ(out[0]["paused"], 0);
}

TEST(Pause, AClickOnThePicturePausedGameResumes) {
    Folder dir;
    // The pause picture lies at (48, 112) in the board, the board at
    // (165, 26) in the window, the window at (80, 60) on an 800 x 600 screen.
    auto out = play(firstBlockShown() + "key p\nclick 393 298\ndump\nwait 333\ndump\n", dir);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0]["visible"]["pause"], false);
    EXPECT_EQ(out[0]["paused"], 0);
    EXPECT_EQ(out[1]["temp"][0], 9);
}

}  // namespace
}  // namespace scenario
