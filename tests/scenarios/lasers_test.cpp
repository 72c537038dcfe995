// Laser runs through whole games: lighting, burning, removal, falling
// columns and the runs the fall makes.
#include <gtest/gtest.h>

#include "scenario.h"

namespace scenario {
namespace {

TEST(Lasers, ThreeUpperPipesLightWithOneZapAndBurnForThirty) {
    Folder dir;
    // Upper and right pipes: the uppers line up in row 1, the rights never do.
    std::vector<Drop> drops = {
        {true, false, false, true, 3, 1}, {true, false, false, true, 4, 1}, {true, false, false, true, 5, 1}};
    int last = 0, at = 0;
    std::string s = startGame() + dropBlocks(drops, last, at);
    s += waitTicks(at, last + 9) + "dump\n";         // the third arrives
    s += waitTicks(at, last + 10) + "dump\ngrid\n";  // fixed and lit
    s += waitTicks(at, last + 11) + "dump\ngrid\n";  // burnt
    s += waitTicks(at, last + 12) + "dump\n";        // nothing removed: next block
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 6u);
    EXPECT_EQ(out[1]["state"], 4);
    EXPECT_EQ(out[1]["board"][9], "0000 0000 2113 2113 2113 0000 0000");
    EXPECT_EQ(count(soundNames(out[1]), "line.wav"), 1);
    EXPECT_EQ(out[2]["lasers"], json({{1, 3, 3, "laserh"}, {1, 4, 3, "laserh"}, {1, 5, 3, "laserh"}}));
    EXPECT_EQ(out[2]["cells"][0], json({1, 3, "0", {"H0", "h0v", "emp", "V"}, {true, true, true, true}}));
    EXPECT_EQ(out[3]["state"], 5);
    EXPECT_EQ(out[3]["score"], 30);
    EXPECT_EQ(out[3]["labels"]["score"], "30");
    EXPECT_EQ(out[3]["board"][9], "0000 0000 1113 1113 1113 0000 0000");
    EXPECT_TRUE(out[4]["lasers"].empty());
    EXPECT_EQ(out[5]["state"], 2);
    EXPECT_EQ(out[5]["board"][9], "0000 0000 1113 1113 1113 0000 0000");
    EXPECT_EQ(out[5]["temp"][0], 10);
}

TEST(Lasers, RemovalLetsColumnsFallAndTheFallLightsNewRunsInTheSameTick) {
    Folder dir;
    // Row 1: three blocks with vertical pipes only. Row 2: three with
    // horizontal pipes, removed together. Column 4 above them holds two more
    // vertical blocks, which fall into the gap and line up with the one in
    // row 1 within the removal's own tick.
    std::vector<Drop> drops = {kind5(3, 1), kind5(4, 1), kind5(5, 1), kind6(3, 2),
                               kind6(4, 2), kind5(4, 3), kind5(4, 4), kind6(5, 2)};
    int last = 0, at = 0;
    std::string s = startGame() + dropBlocks(drops, last, at);
    s += waitTicks(at, last + 9) + "dump\n";         // row 2 lights (uppers and lowers)
    s += waitTicks(at, last + 10) + "dump\n";        // burnt
    s += waitTicks(at, last + 11) + "dump\ngrid\n";  // removed, fallen, column lit
    s += waitTicks(at, last + 12) + "dump\n";        // column burnt
    s += waitTicks(at, last + 13) + "dump\n";        // column removed, next block
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 6u);
    EXPECT_EQ(out[0]["board"][8], "0000 0000 2211 2211 2211 0000 0000");
    EXPECT_EQ(count(soundNames(out[0]), "line.wav"), 2);
    EXPECT_EQ(out[1]["score"], 60);
    const json& fallen = out[2];
    EXPECT_EQ(fallen["score"], 360);
    EXPECT_EQ(fallen["state"], 4);
    EXPECT_EQ(fallen["board"][9], "0000 0000 1133 1122 1133 0000 0000");
    EXPECT_EQ(fallen["board"][8], "0000 0000 0000 1122 0000 0000 0000");
    EXPECT_EQ(fallen["board"][7], "0000 0000 0000 1122 0000 0000 0000");
    EXPECT_EQ(fallen["board"][6], "0000 0000 0000 0000 0000 0000 0000");
    auto sounds = soundNames(fallen);
    EXPECT_EQ(count(sounds, "box.wav"), 2);   // one knock for each block moved
    EXPECT_EQ(count(sounds, "line.wav"), 2);  // left and right pipes of column 4
    EXPECT_EQ(out[3]["lasers"].size(), 6u);
    EXPECT_EQ(out[4]["score"], 420);
    EXPECT_EQ(out[5]["score"], 720);
    EXPECT_EQ(out[5]["board"][9], "0000 0000 1133 0000 1133 0000 0000");
    EXPECT_EQ(out[5]["state"], 2);
    EXPECT_EQ(out[5]["boxcount"], 6);
}

TEST(Lasers, ABlockInTheTopRowFallsIntoAGapInTheRowBelow) {
    Folder dir;
    // Columns 3 to 5 stacked to row 8, their kinds alternating so that
    // nothing lines up; then row 9 of upper and lower pipes with a block in
    // row 10 of column 3, slid there over its stack, before column 4 closes
    // the row. Row 9 goes, and the block in row 10 falls into its gap.
    std::vector<Drop> drops;
    for (int row = 1; row <= 8; ++row)
        for (int column = 3; column <= 5; ++column)
            drops.push_back((row + column) % 2 == 0 ? kind6(column, row) : kind5(column, row));
    drops.push_back(kind6(3, 9));
    drops.push_back(kind6(5, 9));
    drops.push_back({true, false, false, true, 3, 10});
    drops.push_back(kind6(4, 9));
    int last = 0, at = 0;
    std::string s = startGame() + dropBlocks(drops, last, at) + block(true, true, false, false);
    s += waitTicks(at, last + 2) + "dump\n";  // row 9 lights
    s += waitTicks(at, last + 4) + "dump\n";  // burnt, removed, fallen
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0]["board"][0], "0000 0000 3113 0000 0000 0000 0000");
    EXPECT_EQ(out[0]["board"][1], "0000 0000 2211 2211 2211 0000 0000");
    const json& fallen = out[1];
    EXPECT_EQ(fallen["score"], 360);
    EXPECT_EQ(fallen["board"][0], "0000 0000 0000 0000 0000 0000 0000");
    EXPECT_EQ(fallen["board"][1], "0000 0000 3113 0000 0000 0000 0000");
    EXPECT_EQ(fallen["board"][2], "0000 0000 1133 3311 1133 0000 0000");
    EXPECT_EQ(count(soundNames(fallen), "box.wav"), 1);
    EXPECT_EQ(fallen["state"], 2);
}

TEST(Lasers, TheRightmostColumnIsRemovedAndClosesUpLikeTheOthers) {
    Folder dir;
    // Row 1 of upper and lower pipes in columns 5 to 7, a block with side
    // pipes on column 7's; column 6 closes the row.
    std::vector<Drop> drops = {kind6(7, 1), kind5(7, 2), kind6(5, 1), kind6(6, 1)};
    int last = 0, at = 0;
    std::string s = startGame() + dropBlocks(drops, last, at) + block(true, true, false, false);
    s += waitTicks(at, last + 12) + "dump\n";  // lit, burnt, then removed and fallen
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0]["score"], 360);
    EXPECT_EQ(out[0]["boxcount"], 3);
    EXPECT_EQ(out[0]["board"][9], "0000 0000 0000 0000 0000 0000 1133");
    EXPECT_EQ(out[0]["board"][8], "0000 0000 0000 0000 0000 0000 0000");
}

}  // namespace
}  // namespace scenario
