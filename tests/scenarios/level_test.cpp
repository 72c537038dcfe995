// Long games: the level step at the thirtieth removed block, and game over.
#include <gtest/gtest.h>

#include "scenario.h"

namespace scenario {
namespace {

// Three blocks with upper and lower pipes side by side in row 1, removed
// together. Starts at the tick the first of them shows.
std::string rowOfThree(int& at, int first) {
    std::string s = waitTicks(at, first) + "key Left\n";
    s += waitTicks(at, first + 20) + "key Right\n";
    return s;
}

TEST(Level, TheThirtiethRemovedBlockRaisesTheLevelAndTheSpeed) {
    Folder dir;
    std::string s = startGame();
    for (int i = 0; i < 30; ++i) s += block(true, true, false, false);
    int at = 0, first = 1;
    for (int round = 0; round < 10; ++round) {
        s += rowOfThree(at, first);
        if (round == 8) s += waitTicks(at, first + 32) + "dump\n";
        first += 32;  // fixed at +30 with lit runs, burnt at +31, removed at +32
    }
    s += waitTicks(at, first - 1) + "grid\n";
    s += waitTicks(at, first) + "dump\ngrid\n";
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0]["boxcount"], 27);
    EXPECT_EQ(out[0]["level"], 1);
    EXPECT_EQ(out[0]["timer1"]["interval"], 333);
    EXPECT_EQ(out[1]["lasers"].size(), 0u);  // burnt pipes show no laser
    const json& d = out[2];
    EXPECT_EQ(d["level"], 2);
    EXPECT_EQ(d["labels"]["level"], "2");
    EXPECT_EQ(d["timer1"]["interval"], 300);
    EXPECT_EQ(d["boxcount"], 0);
    EXPECT_EQ(d["score"], 3600);
    EXPECT_EQ(d["labels"]["score"], "3600");
    EXPECT_EQ(d["board"][9], "0000 0000 0000 0000 0000 0000 0000");
    EXPECT_EQ(out[3]["center"], "geysir1");
    EXPECT_EQ(out[3]["lasers"].size(), 0u);
}

TEST(GameOver, ATakenEntryEndsTheGameAndShowsThePictureForTwoSeconds) {
    Folder dir;
    std::vector<Drop> stack;
    for (int row = 1; row <= 9; ++row) stack.push_back(kind6(4, row));
    int last = 0, at = 0;
    std::string s = startGame() + dropBlocks(stack, last, at) + block(true, true, false, false);
    s += waitTicks(at, last + 2) + "dump\n";  // the tenth block is fixed at once in the entry
    s += waitTicks(at, last + 3) + "dump\n";  // the block after it finds the entry taken
    s += "wait 1999\ndump\nwait 1\ndump\n";
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0]["state"], 3);
    EXPECT_EQ(out[0]["board"][0], "0000 0000 0000 3311 0000 0000 0000");
    EXPECT_EQ(out[0]["visible"]["boxtemp1"], false);
    EXPECT_EQ(count(soundNames(out[0]), "box.wav"), 10);  // nine arrivals, the tenth fixed at once
    const json& over = out[1];
    EXPECT_EQ(over["state"], 6);  // 0 points earn no row of the default table
    for (const auto& row : over["board"]) EXPECT_EQ(row, "0000 0000 0000 0000 0000 0000 0000");
    EXPECT_EQ(over["timer1"]["enabled"], false);
    EXPECT_EQ(over["visible"]["gameOver"], true);
    EXPECT_EQ(over["enabled"]["center"], false);
    EXPECT_EQ(over["visible"]["center"], true);
    EXPECT_EQ(out[2]["visible"]["gameOver"], true);
    EXPECT_EQ(out[3]["visible"]["gameOver"], false);
    EXPECT_EQ(out[3]["visible"]["topTen"], true);
}

}  // namespace
}  // namespace scenario
