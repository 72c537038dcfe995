// What the player sees of the board: the composed screen shows exactly the
// cell pictures the grid holds, and landed blocks keep the picture set they
// landed in when the player picks the other set mid-game.
#include <gtest/gtest.h>

#include "platform/media/bmp_file.h"
#include "scenario.h"

namespace scenario {
namespace {

plat::PictureRef picture(const std::string& name) {
    return plat::loadBmp(std::string(CORVANE_PICTURES) + "/" + name + ".bmp", name);
}

// The upper-left corner on an 800 x 600 screen of the block at (row, column):
// window at (80, 60), board at (165, 26) in it.
int blockX(int column) { return 80 + 165 + 42 * (column - 1) + 2; }
int blockY(int row) { return 60 + 26 + 382 - 42 * (row - 1); }

::testing::AssertionResult shows(const plat::Picture& screen, int x, int y, const std::string& name) {
    auto pic = picture(name);
    for (int py = 0; py < pic->height; ++py)
        for (int px = 0; px < pic->width; ++px)
            if (screen.at(x + px, y + py) != pic->at(px, py))
                return ::testing::AssertionFailure() << name << " differs at " << px << "," << py;
    return ::testing::AssertionSuccess();
}

TEST(BoardPictures, ChangingTheSetMidGameKeepsLandedBlocksInTheirOwnSet) {
    Folder dir;
    std::string s = startGame() + block(true, true, false, false) + block(true, false, true, false) +
                    block(true, true, true, true);
    s += "wait 3663\n";                            // tick 11: the first block fixed in (1, 4), the second shown
    s += "key o\nclick 415 368\nclick 460 475\n";  // OPTIONS, Branches, Return
    s += "dump\nwait 2997\ngrid\nshot " + (dir.path() / "s.bmp").string() + "\n";  // tick 20: second fixed
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0]["options"], json({1, 1, 0, 1}));
    EXPECT_EQ(out[0]["visible"]["options"], false);
    EXPECT_EQ(dir.read("OPT.TXT"), " 1 \r\n 1 \r\n 0 \r\n 1 \r\n");
    const json& g = out[1];
    ASSERT_EQ(g["cells"].size(), 2u);
    EXPECT_EQ(g["cells"][0], json({1, 4, "0", {"H", "H", "H", "H"}, {true, true, true, true}}));
    EXPECT_EQ(g["cells"][1], json({2, 4, "1", {"HVB", "HB", "VB", "empB"}, {true, true, true, true}}));
    EXPECT_EQ(g["temp"]["picture"], "p11b");
    EXPECT_EQ(g["temp"]["left"], 1920.0);
    EXPECT_EQ(g["temp"]["top"], 60.0);
    auto screen = plat::loadBmp((dir.path() / "s.bmp").string(), "s");
    EXPECT_TRUE(shows(*screen, blockX(4), blockY(1), "H"));
    EXPECT_TRUE(shows(*screen, blockX(4) + 20, blockY(1) + 20, "H"));
    EXPECT_TRUE(shows(*screen, blockX(4), blockY(2), "HVB"));
    EXPECT_TRUE(shows(*screen, blockX(4) + 20, blockY(2) + 20, "empB"));
    EXPECT_TRUE(shows(*screen, blockX(4), blockY(10), "p11b"));
}

TEST(BoardPictures, LitRunsShowTheirLaserPiecesOnTheScreen) {
    Folder dir;
    std::vector<Drop> drops = {
        {true, false, false, true, 3, 1}, {true, false, false, true, 4, 1}, {true, false, false, true, 5, 1}};
    int last = 0, at = 0;
    std::string s = startGame() + dropBlocks(drops, last, at);
    s += waitTicks(at, last + 10) + "shot " + (dir.path() / "lit.bmp").string() + "\n";
    s += waitTicks(at, last + 11) + "shot " + (dir.path() / "burnt.bmp").string() + "\n";
    play(s, dir);
    auto lit = plat::loadBmp((dir.path() / "lit.bmp").string(), "lit");
    auto burnt = plat::loadBmp((dir.path() / "burnt.bmp").string(), "burnt");
    EXPECT_TRUE(shows(*lit, blockX(3), blockY(1), "H0"));
    EXPECT_TRUE(shows(*lit, blockX(3) + 20, blockY(1), "h0v"));
    // The laser piece in the gap right of column 3 joins the beam: red, 2 x 4.
    EXPECT_TRUE(shows(*lit, blockX(3) + 40, blockY(1) + 8, "laserh"));
    EXPECT_TRUE(shows(*burnt, blockX(3), blockY(1), "emp"));
    EXPECT_TRUE(shows(*burnt, blockX(3) + 20, blockY(1), "V"));
    EXPECT_NE(burnt->at(blockX(3) + 40, blockY(1) + 8), 0xFFFF0000u);
}

}  // namespace
}  // namespace scenario
