// A block's life by the tick: shown, falling a row a tick, arriving with one
// knock, fixed on the next tick, and the next block in that same tick.
#include <gtest/gtest.h>

#include "scenario.h"

namespace scenario {
namespace {

TEST(Falling, OneRowPerTickThenFixedTheTickAfterItArrives) {
    Folder dir;
    std::string s = startGame() + block(true, true, false, false) + block(true, false, false, true) + "dump\n";
    s += "wait 333\ndump\n";        // tick 1: shown at row 10
    s += "wait 333\ndump\n";        // tick 2: row 9
    s += "wait 2664\ndump\n";       // tick 10: arrived at row 1
    s += "wait 333\ndump\ngrid\n";  // tick 11: fixed, next block shown
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 6u);
    EXPECT_EQ(out[0]["state"], 1);
    EXPECT_EQ(out[0]["timer1"]["interval"], 333);
    EXPECT_EQ(out[1]["state"], 2);
    EXPECT_EQ(out[1]["temp"], json({10, 4, 3, 3, 1, 1}));
    EXPECT_EQ(out[2]["temp"][0], 9);
    EXPECT_EQ(out[2]["falling"], true);
    EXPECT_EQ(out[3]["temp"][0], 1);
    EXPECT_EQ(out[3]["falling"], false);
    EXPECT_EQ(count(soundNames(out[3]), "box.wav"), 1);
    EXPECT_EQ(out[3]["board"][9], "0000 0000 0000 0000 0000 0000 0000");
    // Fixed, searched, burnt nothing, removed nothing, and the next block is up.
    EXPECT_EQ(out[4]["board"][9], "0000 0000 0000 3311 0000 0000 0000");
    EXPECT_EQ(out[4]["temp"], json({10, 4, 3, 1, 1, 3}));
    EXPECT_EQ(out[4]["state"], 2);
    EXPECT_EQ(out[4]["falling"], true);
    EXPECT_EQ(count(soundNames(out[4]), "box.wav"), 0);
    const json& cells = out[5]["cells"];
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0], json({1, 4, "0", {"H", "H", "H", "H"}, {true, true, true, true}}));
    EXPECT_EQ(out[5]["temp"]["picture"], "p1");
}

TEST(Falling, DownKeyDropsARowAtOnceAndRestartsTheTick) {
    Folder dir;
    std::string s = startGame() + block(true, true, false, false) + "wait 333\n";
    s += "wait 100\nkey Down\nkey Down\ndump\n";  // t 2433: two rows at once
    s += "wait 332\ndump\nwait 1\ndump\n";        // the next tick comes a full interval after the key
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0]["temp"][0], 8);
    EXPECT_EQ(out[1]["temp"][0], 8);
    EXPECT_EQ(out[2]["temp"][0], 7);
}

TEST(Falling, MovedOntoALedgeItIsFixedWithoutAKnock) {
    Folder dir;
    // The second block, in row 3, goes left over an empty column and falls
    // on; moved back right over the first block it rests without arriving.
    std::string s = startGame() + block(true, true, false, false) + block(true, true, false, false);
    s += "wait 3663\nwait 2331\ndump\n";  // tick 18: second block in row 3
    s += "key Left\nwait 333\nkey Right\ndump\nwait 333\ndump\n";
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0]["temp"][0], 3);
    EXPECT_EQ(out[1]["temp"], json({2, 4, 3, 3, 1, 1}));
    EXPECT_EQ(out[1]["falling"], true);  // it never arrived by a fall
    EXPECT_EQ(count(soundNames(out[1]), "box.wav"), 0);
    EXPECT_EQ(out[2]["board"][8], "0000 0000 0000 3311 0000 0000 0000");
    EXPECT_EQ(count(soundNames(out[2]), "box.wav"), 0);
}

}  // namespace
}  // namespace scenario
