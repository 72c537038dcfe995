// Landed and changed blocks: the cell tables in both picture sets and the
// picture set recorded per board position.
#include <array>
#include <map>

#include "display/block_kinds.h"
#include "display/board_geometry.h"
#include "tests/window/visual_fixture.h"

namespace {

using visual_test::VisualTest;
using Cells = std::array<std::string, 4>;

// Landing cells by kind, upper left, upper right, lower left, lower right.
const Cells kLanding[] = {
    {"H", "hv", "emp", "V"}, {"emp", "V", "H", "hv"}, {"V", "emp", "hv", "H"},  {"hv", "H", "V", "emp"},
    {"V", "V", "V", "V"},    {"H", "H", "H", "H"},    {"H", "hv", "H", "hv"},   {"V", "V", "hv", "hv"},
    {"hv", "H", "hv", "H"},  {"hv", "hv", "V", "V"},  {"hv", "hv", "hv", "hv"},
};

std::string inBranches(const std::string& pipes) {
    static const std::map<std::string, std::string> names{{"emp", "empB"}, {"H", "HB"},     {"H0", "H0B"},
                                                          {"V", "VB"},     {"v0", "V0B"},   {"hv", "HVB"},
                                                          {"hv0", "HV0B"}, {"h0v", "H0VB"}, {"h0v0", "H0V0B"}};
    return names.at(pipes);
}

class Painting : public VisualTest {
protected:
    Cells cells(int y, int x) {
        int k = board::firstIndex(plat::Integer(y), plat::Integer(x));
        Cells names;
        for (int n = 1; n <= 4; ++n) {
            plat::Control& c = ctl("box1", k + n);
            EXPECT_TRUE(c.visible()) << k + n;
            names[size_t(n - 1)] = c.picture() ? c.picture()->name : "";
        }
        return names;
    }
    void land(int y, int x, int kind) {
        board::Pipes p = board::kindPipes(kind);
        visual().PaintTemp(10, 4, p.up, p.down, p.left, p.right);
        visual().SaveTemp(plat::Integer(y), plat::Integer(x));
    }
};

TEST_F(Painting, LandingDrawsEveryKindInBothSetsAndRecordsTheSet) {
    logic& game = start();
    for (int set : {0, 1}) {
        game.SetBlockType(plat::Integer(set));
        for (int kind = 1; kind <= 11; ++kind) {
            land(1, 1, kind);
            Cells expected = kLanding[kind - 1];
            if (set)
                for (auto& name : expected) name = inBranches(name);
            EXPECT_EQ(cells(1, 1), expected) << "kind " << kind << " set " << set;
            EXPECT_EQ(ctl("box1", 33).tag(), std::to_string(set));
        }
    }
}

TEST_F(Painting, LandingAtTheTopRightUsesElements309To312AndYields) {
    start();
    queueProbe();
    land(10, 7, 11);
    EXPECT_TRUE(yielded());
    for (int k = 309; k <= 312; ++k) EXPECT_EQ(ctl("box1", k).picture()->name, "hv");
    EXPECT_FALSE(ctl("box1", 305).visible());
}

TEST_F(Painting, AnySetOtherThanZeroDrawsBranchesAndIsRecordedAsItStands) {
    logic& game = start();
    game.SetBlockType(2);
    land(3, 3, 5);
    EXPECT_EQ(cells(3, 3), (Cells{"VB", "VB", "VB", "VB"}));
    EXPECT_EQ(ctl("box1", board::firstIndex(3, 3) + 1).tag(), "2");
    visual().PaintChange(3, 3, 1, 1, 2, 3);
    EXPECT_EQ(cells(3, 3), (Cells{"V0B", "VB", "V0B", "VB"}));
}

TEST_F(Painting, LandingWithoutARecordedKindKeepsThePicturesButRecordsAndShows) {
    logic& game = start();
    game.SetBlockType(1);
    visual().SaveTemp(2, 2);  // nothing painted yet: no kind recorded
    int k = board::firstIndex(2, 2);
    EXPECT_EQ(ctl("box1", k + 1).tag(), "1");
    for (int n = 1; n <= 4; ++n) {
        EXPECT_TRUE(ctl("box1", k + n).visible());
        EXPECT_EQ(ctl("box1", k + n).picture(), nullptr);
    }
}

// The whole pair table, every state 0..4 against every other, in both sets.
TEST_F(Painting, ChangedCellsFollowTheNineRowTableFirstMatchWins) {
    auto expected = [](int h, int v) -> std::string {
        if (h == 3 && v == 3) return "hv";
        if (h == 3 && v == 1) return "H";
        if (h == 1 && v == 3) return "V";
        if (h == 2 && v == 2) return "h0v0";
        if (h == 1 && v == 2) return "v0";
        if (h == 2 && v == 1) return "H0";
        if (h == 3 && v == 2) return "hv0";
        if (h == 2 && v == 3) return "h0v";
        return "emp";
    };
    logic& game = start();
    land(1, 1, 11);  // recorded in the pipes set
    game.SetBlockType(1);
    land(1, 2, 11);  // recorded in the branches set
    for (int h = 0; h <= 4; ++h)
        for (int v = 0; v <= 4; ++v) {
            auto H = plat::Integer(h), V = plat::Integer(v);
            visual().PaintChange(1, 1, H, 3, V, 3);
            EXPECT_EQ(cells(1, 1)[0], expected(h, v)) << h << "," << v;
            visual().PaintChange(1, 2, 3, H, 3, V);
            EXPECT_EQ(cells(1, 2)[3], inBranches(expected(h, v))) << h << "," << v;
        }
}

TEST_F(Painting, ChangedBlocksKeepTheSetTheyLandedIn) {
    logic& game = start();
    land(1, 1, 11);
    game.SetBlockType(1);
    visual().PaintChange(1, 1, 2, 3, 3, 3);
    EXPECT_EQ(cells(1, 1), (Cells{"h0v", "h0v", "hv", "hv"}));
    visual().PaintChange(1, 1, 1, 1, 1, 1);
    EXPECT_EQ(cells(1, 1), (Cells{"emp", "emp", "emp", "emp"}));
    EXPECT_EQ(ctl("box1", 33).tag(), "0");
}

TEST_F(Painting, ABlockMovedIntoAGapTakesTheSetOfItsNewPosition) {
    logic& game = start();
    land(1, 4, 6);  // pipes set at (1, 4)
    visual().Remove(1, 4);
    game.SetBlockType(1);
    land(2, 4, 6);  // branches set at (2, 4)
    visual().Remove(2, 4);
    queueProbe();
    visual().PaintChange(1, 4, 3, 3, 1, 1);
    EXPECT_TRUE(yielded());
    EXPECT_EQ(cells(1, 4), (Cells{"H", "H", "H", "H"}));
    visual().PaintChange(3, 4, 3, 3, 1, 1);  // never landed on: the set of start-up
    EXPECT_EQ(cells(3, 4), (Cells{"H", "H", "H", "H"}));
    visual().PaintChange(2, 4, 1, 2, 1, 1);
    EXPECT_EQ(cells(2, 4), (Cells{"empB", "empB", "H0B", "H0B"}));
}

TEST_F(Painting, FallingPictureKeepsItsSetUntilTheNextPaintTemp) {
    logic& game = start();
    visual().PaintTemp(10, 4, 3, 1, 3, 1);
    game.SetBlockType(1);
    visual().MoveTemp(9, 4);
    EXPECT_EQ(ctl("boxtemp1").picture()->name, "p4");
    visual().SaveTemp(9, 4);
    EXPECT_EQ(cells(9, 4), (Cells{"HVB", "HB", "VB", "empB"}));
    visual().PaintTemp(9, 4, 3, 1, 1, 3);
    EXPECT_EQ(ctl("boxtemp1").picture()->name, "p1b");
}

}  // namespace
