// The picture grid: indices, places in twips, lasers and the recorded set.
#include "display/board_geometry.h"
#include "tests/window/visual_fixture.h"

namespace {

using visual_test::VisualTest;

class Grid : public VisualTest {};

TEST_F(Grid, InitCreatesElements33To312OfBothArraysHidden) {
    start();
    EXPECT_EQ(board::firstIndex(2, 1) + 1, 61);  // rows follow one another without a gap
    for (const char* array : {"box1", "laser"}) {
        EXPECT_EQ(visual().form().find(array, 32), nullptr) << array;
        EXPECT_EQ(visual().form().find(array, 313), nullptr) << array;
        for (int k = 33; k <= 312; ++k) {
            plat::Control* c = visual().form().find(array, k);
            ASSERT_NE(c, nullptr) << array << k;
            EXPECT_FALSE(c->visible()) << array << k;
            EXPECT_EQ(c->parent(), &visual().center()) << array << k;
        }
    }
}

TEST_F(Grid, CellsAndLaserPiecesLieAtTheirTwipsPlaces) {
    start();
    struct Case {
        const char* array;
        int k;
        double left, top;
    };
    const Case cases[] = {
        {"box1", 33, 30, 5730},   {"box1", 36, 330, 6030}, {"laser", 33, 150, 6330},  {"laser", 34, 450, 6330},
        {"laser", 35, 630, 5850}, {"box1", 309, 3810, 60}, {"laser", 311, 4410, 180}, {"laser", 312, 4410, 480},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ctl(c.array, c.k).left(), c.left) << c.array << c.k;
        EXPECT_EQ(ctl(c.array, c.k).top(), c.top) << c.array << c.k;
    }
}

TEST_F(Grid, TemplatesKeepTheirDesignAndNewElementsCopyThem) {
    start();
    plat::Control& cellTemplate = ctl("box1", 1);
    EXPECT_EQ(cellTemplate.parent(), &visual().center());
    EXPECT_FALSE(cellTemplate.visible());
    EXPECT_FALSE(cellTemplate.picture());
    EXPECT_EQ(cellTemplate.left(), 15);
    EXPECT_EQ(cellTemplate.top(), 0);
    EXPECT_EQ(cellTemplate.width(), 1215);
    EXPECT_EQ(cellTemplate.height(), 975);
    plat::Control& laserTemplate = ctl("laser", 0);
    EXPECT_EQ(laserTemplate.parent(), &visual().center());
    EXPECT_FALSE(laserTemplate.visible());
    EXPECT_EQ(laserTemplate.picture()->name, "laserv");
    EXPECT_EQ(laserTemplate.left(), 4425);
    EXPECT_EQ(laserTemplate.top(), 270);
    EXPECT_EQ(laserTemplate.width(), 60);
    EXPECT_EQ(laserTemplate.height(), 30);
    // A cell image that has never held a picture keeps its template's size.
    EXPECT_EQ(ctl("box1", 33).width(), 1215);
    EXPECT_EQ(ctl("box1", 33).height(), 975);
    EXPECT_FALSE(ctl("box1", 33).picture());
}

TEST_F(Grid, NoTwoElementsOverlapAndAllLieInsideTheBoard) {
    start();
    // Every cell image drawn, so that each has the size of its 20 x 20 picture.
    for (plat::Integer y = 1; y <= 10; ++y)
        for (plat::Integer x = 1; x <= 7; ++x) visual().PaintChange(y, x, 3, 3, 3, 3);
    std::vector<plat::Control::Rect> rects;
    for (const char* array : {"box1", "laser"})
        for (int k = 33; k <= 312; ++k) {
            plat::Control& c = ctl(array, k);
            plat::Control::Rect r{int(c.left() / 15), int(c.top() / 15), int(c.width() / 15), int(c.height() / 15)};
            EXPECT_GE(r.x, 2);
            EXPECT_GE(r.y, 4);
            EXPECT_LE(r.x + r.w, 296);
            EXPECT_LE(r.y + r.h, 424);
            for (const auto& o : rects)
                EXPECT_FALSE(r.x < o.x + o.w && o.x < r.x + r.w && r.y < o.y + o.h && o.y < r.y + r.h) << array << k;
            rects.push_back(r);
        }
}

TEST_F(Grid, PicturesAndRecordedSetFollowTheSetInForceAtStart) {
    for (int set : {0, 1}) {
        start({.blockType = set});
        for (int y = 1; y <= 10; ++y)
            for (int x = 1; x <= 7; ++x) {
                int k = board::firstIndex(y, x);
                EXPECT_EQ(ctl("box1", k + 1).tag(), std::to_string(set));
                for (int n = 1; n <= 4; ++n) {
                    std::string name = std::string(n <= 2 ? "laserv" : "laserh") + (set ? "b" : "");
                    EXPECT_EQ(ctl("laser", k + n).picture()->name, name) << k + n;
                }
            }
        game.reset();
    }
}

TEST_F(Grid, LaserPiecesShowAndHideOnlyForPieceNumbers1To4AndAlwaysYield) {
    start();
    visual().PaintLaserCorr(4, 7, 3);
    EXPECT_TRUE(ctl("laser", board::firstIndex(4, 7) + 3).visible());
    EXPECT_EQ(ctl("laser", board::firstIndex(4, 7) + 3).left(), 294 * 15);
    visual().PaintLaserCorr(1, 2, 1);
    EXPECT_EQ(ctl("laser", board::firstIndex(1, 2) + 1).top(), 422 * 15);
    for (int nr : {0, 5}) {
        queueProbe();
        visual().PaintLaserCorr(2, 2, nr);
        EXPECT_TRUE(yielded());
        for (int k = 33; k <= 312; ++k)
            EXPECT_EQ(ctl("laser", k).visible(), k == board::firstIndex(4, 7) + 3 || k == board::firstIndex(1, 2) + 1);
    }
    queueProbe();
    visual().ClearLaserCorr(4, 7, 3);
    EXPECT_TRUE(yielded());
    EXPECT_FALSE(ctl("laser", board::firstIndex(4, 7) + 3).visible());
    queueProbe();
    visual().ClearBugLasers();
    EXPECT_FALSE(yielded());
    EXPECT_FALSE(ctl("laser", board::firstIndex(1, 2) + 1).visible());
}

TEST_F(Grid, ReInitSmallLasersSwitchesPicturesAndKeepsEverythingElse) {
    logic& game = start();
    visual().PaintTemp(1, 1, 3, 1, 1, 3);
    visual().SaveTemp(1, 1);
    visual().PaintLaserCorr(1, 1, 2);
    game.SetBlockType(1);
    queueProbe();
    visual().ReInitSmallLasers();
    EXPECT_FALSE(yielded());
    EXPECT_TRUE(ctl("laser", 34).visible());
    EXPECT_EQ(ctl("laser", 34).picture()->name, "laservb");
    EXPECT_EQ(ctl("laser", 35).picture()->name, "laserhb");
    EXPECT_EQ(ctl("box1", 33).picture()->name, "H");
    EXPECT_EQ(ctl("box1", 33).tag(), "0");
    EXPECT_EQ(ctl("box1", 61).tag(), "0");
}

TEST_F(Grid, RemoveAndClearBoxesHideCellsButKeepTheRecordedSet) {
    logic& game = start();
    game.SetBlockType(1);
    visual().PaintTemp(2, 3, 3, 3, 3, 3);
    visual().SaveTemp(2, 3);
    int k = board::firstIndex(2, 3);
    queueProbe();
    visual().Remove(2, 3);
    EXPECT_TRUE(yielded());
    for (int n = 1; n <= 4; ++n) EXPECT_FALSE(ctl("box1", k + n).visible());
    EXPECT_EQ(ctl("box1", k + 1).tag(), "1");

    visual().SaveTemp(2, 3);
    queueProbe();
    visual().ClearBoxes();
    EXPECT_FALSE(yielded());
    for (int i = 33; i <= 312; ++i) EXPECT_FALSE(ctl("box1", i).visible());
    EXPECT_EQ(ctl("box1", k + 1).tag(), "1");
}

}  // namespace
