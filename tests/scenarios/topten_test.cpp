// The top-ten table from one run to the next: a game that earns a row, the
// name typed into it, the file written at the exit and read at the start.
#include <gtest/gtest.h>

#include "platform/media/bmp_file.h"
#include "scenario.h"

namespace scenario {
namespace {

uint32_t pixelAt(const Folder& dir, const std::string& file, int x, int y) {
    return plat::loadBmp((dir.path() / file).string(), file)->at(x, y);
}

TEST(TopTen, AGameThatEarnsARowTakesANameAndTheFileKeepsIt) {
    Folder dir;
    int at = 0;
    std::string s = scoreThenStack(at) + "dump\n";
    s += "wait 2000\ndump\n";  // the game-over picture ends: table and name entry
    // The block cursor stands on the first character cell of row 0.
    s += "shot " + (dir.path() / "a.bmp").string() + "\nwait 1000\nshot " + (dir.path() / "b.bmp").string() + "\n";
    s += "type Ab\nkey Return\ndump\nkey e\ndump\n";
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0]["state"], 7);
    EXPECT_EQ(out[0]["score"], 360);
    EXPECT_EQ(out[0]["hiscore"], 360);
    EXPECT_EQ(out[0]["edit"], 0);
    EXPECT_EQ(out[0]["top"][0], json({"", 1, 1, 360}));
    EXPECT_EQ(out[0]["top"][9], json({"Oru", 1, 1, 100}));
    EXPECT_EQ(out[1]["visible"]["topTen"], true);
    EXPECT_EQ(out[1]["visible"]["EnterYourName"], true);
    // Row 0's name field: topTen at (165, 25) in the window, the name at 17, 78.
    const int cx = 80 + 165 + 17 + 3, cy = 60 + 25 + 78 + 5;
    EXPECT_EQ(pixelAt(dir, "a.bmp", cx, cy), 0xFF00C000u);  // the block cursor
    EXPECT_NE(pixelAt(dir, "b.bmp", cx, cy), 0xFF00C000u);  // a second later: the underline
    EXPECT_EQ(out[2]["state"], 6);
    EXPECT_EQ(out[2]["top"][0], json({"Ab", 1, 1, 360}));
    EXPECT_EQ(out[2]["visible"]["EnterYourName"], false);
    EXPECT_EQ(out[3]["ended"], true);
    std::string file = dir.read("HI.SCO");
    EXPECT_EQ(file.substr(0, 16), "\"Ab\",1,1,360\r\n\"O");
    auto again = play("start\nwait 2000\ndump\n", dir);
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0]["hiscore"], 360);
    EXPECT_EQ(again[0]["labels"]["hiscore"], "360");
    EXPECT_EQ(again[0]["top"][0], json({"Ab", 1, 1, 360}));
    EXPECT_EQ(again[0]["top"][9], json({"Oru", 1, 1, 100}));
}

// START on the menu while a name entry shows ends that entry: the next game's
// own entry then comes up as usual, even when Return ends its game-over
// picture early.
TEST(TopTen, AGameStartedDuringANameEntryGetsItsOwnEntry) {
    Folder dir;
    int at = 0;
    std::string s = scoreThenStack(at) + "wait 2000\ndump\n";  // the first entry shows
    s += scoreThenStack(at, "click 150 250\n") + "dump\n";     // START, a second game over
    s += "wait 500\nkey Return\ndump\ntype XY\nkey Return\ndump\n";
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0]["visible"]["EnterYourName"], true);
    EXPECT_EQ(out[1]["state"], 7);
    EXPECT_EQ(out[1]["edit"], 1);  // 360 again: below the first row of 360
    EXPECT_EQ(out[1]["visible"]["EnterYourName"], false);
    EXPECT_EQ(out[2]["visible"]["gameOver"], false);
    EXPECT_EQ(out[2]["visible"]["topTen"], true);
    EXPECT_EQ(out[2]["visible"]["EnterYourName"], true);
    EXPECT_EQ(out[2]["state"], 7);
    EXPECT_EQ(out[3]["state"], 6);
    EXPECT_EQ(out[3]["top"][0], json({"", 1, 1, 360}));
    EXPECT_EQ(out[3]["top"][1], json({"XY", 1, 1, 360}));
    EXPECT_EQ(out[3]["visible"]["EnterYourName"], false);
}

// A click a few pixels off the lit EXIT, on the rim of its hot spot, leaves
// as EXIT does: the file holds the run's row, whether the name was ended by
// Return or was still being typed. The points are the rim's outer edges.
TEST(TopTen, AClickOnTheRimOfExitKeepsTheRunsRow) {
    const std::pair<const char*, const char*> clicks[] = {
        {"97 456", "key Return\n"}, {"191 497", ""}, {"97 480", ""}, {"150 497", "key Return\n"}};
    for (const auto& [rim, ending] : clicks) {
        Folder dir;
        int at = 0;
        std::string s = scoreThenStack(at) + "wait 2000\ntype Ab\n" + ending + "click " + rim + "\ndump\n";
        auto out = play(s, dir);
        ASSERT_EQ(out.size(), 1u) << rim;
        EXPECT_EQ(out[0]["ended"], true) << rim;
        EXPECT_EQ(out[0]["visible"]["exit0"], true) << rim;  // lit: the click fell beside it
        EXPECT_EQ(dir.read("HI.SCO").substr(0, 16), "\"Ab\",1,1,360\r\n\"O") << rim;
    }
}

TEST(TopTen, AScoreEqualToTheLastRowDoesNotEnter) {
    Folder dir;
    std::string table;
    for (int i = 0; i < 9; ++i) table += "\"Zed\",1,1,500\r\n";
    table += "\"Zed\",1,1,30\r\n5475\r\n";  // 10 x 'Z' + 45 + 9 x 500 + 30
    dir.write("HI.SCO", table);
    // Three upper-and-right blocks: 30 points, and they stay.
    std::vector<Drop> row = {
        {true, false, false, true, 3, 1}, {true, false, false, true, 4, 1}, {true, false, false, true, 5, 1}};
    int last = 0, at = 0;
    std::string s = startGame() + dropBlocks(row, last, at);
    std::vector<Drop> stack;
    for (int r = 2; r <= 9; ++r) stack.push_back(kind6(4, r));
    s += dropBlocksFrom(last + 12, stack, last, at) + block(true, true, false, false);
    s += waitTicks(at, last + 3) + "dump\n";
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0]["score"], 30);
    EXPECT_EQ(out[0]["state"], 6);
    EXPECT_EQ(out[0]["top"][9], json({"Zed", 1, 1, 30}));
    EXPECT_EQ(out[0]["hiscore"], 500);
}

}  // namespace
}  // namespace scenario
