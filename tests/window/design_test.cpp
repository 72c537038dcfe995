// Loading the game window: placement on screens of any size, the controls'
// design and their front-to-back order.
#include <algorithm>

#include "tests/window/visual_fixture.h"

namespace {

using visual_test::VisualTest;

struct Screen {
    int width, height;
    double left, top;
};

class Placement : public ::testing::TestWithParam<Screen> {};

TEST_P(Placement, WindowIs640By480PixelsCentred) {
    if (!visual_test::havePictures()) GTEST_SKIP() << "no pictures; build the target pictures";
    const Screen& s = GetParam();
    plat::HeadlessBackend backend;
    plat::System sys(backend, s.width, s.height);
    Program program(sys, "/nonexistent/", visual_test::picturesFolder());
    VisualWindow window(program);
    EXPECT_EQ(window.form().width(), 9600);
    EXPECT_EQ(window.form().height(), 7200);
    EXPECT_EQ(window.form().left(), s.left);
    EXPECT_EQ(window.form().top(), s.top);
    EXPECT_FALSE(window.form().visible());
}

INSTANTIATE_TEST_SUITE_P(Screens, Placement,
                         ::testing::Values(Screen{640, 480, 0, 0}, Screen{800, 600, 1200, 900},
                                           Screen{1024, 768, 2880, 2160}, Screen{3840, 2160, 24000, 12600},
                                           Screen{4096, 2304, 25920, 13680}));

class Design : public VisualTest {
protected:
    // Position of a control among its container's children, back to front.
    long order(const plat::Control& c) {
        const auto& kids = c.parent() ? c.parent()->children() : visual().form().children();
        return std::find(kids.begin(), kids.end(), &c) - kids.begin();
    }
};

TEST_F(Design, BoardPicturesLieBehindTheFallingBlockWhichLiesBehindPauseAndGameOver) {
    start();
    plat::Control& center = visual().center();
    for (const char* name : {"boxtemp1", "pause", "gameOver"}) EXPECT_EQ(ctl(name).parent(), &center) << name;
    EXPECT_LT(order(ctl("box1", 312)), order(ctl("boxtemp1")));
    EXPECT_LT(order(ctl("laser", 33)), order(ctl("boxtemp1")));
    EXPECT_LT(order(ctl("boxtemp1")), order(ctl("pause")));
    EXPECT_LT(order(ctl("pause")), order(ctl("gameOver")));
    EXPECT_LT(order(center), order(ctl("message")));
    EXPECT_LT(order(ctl("message")), order(ctl("message3")));
    EXPECT_LT(order(ctl("message3")), order(ctl("topTen")));
}

TEST_F(Design, PanelsAndPicturesStartHiddenWithTheirPlaces) {
    start();
    EXPECT_FALSE(visual().center().enabled());
    for (const char* name : {"center", "pause", "gameOver", "message", "message3", "topTen", "boxtemp1",
                             "EnterYourName", "cursorBig", "cursorSmall"})
        EXPECT_FALSE(ctl(name).visible()) << name;
    EXPECT_EQ(ctl("pause").left(), 720);
    EXPECT_EQ(ctl("pause").width(), 3000);  // 200 pixels, from its picture
    EXPECT_EQ(ctl("gameOver").left(), 735);
    EXPECT_EQ(ctl("message3").top(), 375);
    EXPECT_EQ(ctl("Label24").caption(), "Press \"P\" to pause.");
    EXPECT_EQ(ctl("Label11").caption(), "CORVANE ver 2.0");
    EXPECT_EQ(ctl("EnterYourName").caption(), " Enter your Name!");
    EXPECT_EQ(ctl("EnterYourName").backColor(), (plat::Color{255, 255, 255}));
    EXPECT_EQ(ctl("EnterYourName").foreColor(), (plat::Color{0, 0, 0}));
    for (const char* name : {"geysir0", "geysir1", "eldfell", "sheep", "waterf"})
        EXPECT_EQ(visual().backgroundImage(name).picture()->width, 297) << name;
}

TEST_F(Design, TopTenRowsHaveTheirTablePlacesAndFont) {
    start();
    EXPECT_EQ(visual().topName(0).left(), 255);
    EXPECT_EQ(visual().topName(2).left(), 240);
    EXPECT_EQ(visual().topScore(9).left(), 2730);
    EXPECT_EQ(visual().startLevel(1).top(), 1590);
    EXPECT_EQ(visual().topLevel(0).top(), 1155);
    EXPECT_EQ(visual().topScore(9).top(), 4815);
    EXPECT_EQ(visual().topScore(4).alignment(), plat::Align::Right);
    plat::Font f = visual().topName(5).font();
    EXPECT_EQ(f.name, "Courier New");
    EXPECT_DOUBLE_EQ(f.size, 14.25);
    EXPECT_TRUE(f.bold);
    EXPECT_EQ(ctl("Label23").foreColor(), (plat::Color{0, 192, 0}));
}

TEST_F(Design, TimersStartOffWithTheirIntervals) {
    start();
    EXPECT_EQ(visual().CursorTimer().interval(), 1000);
    EXPECT_EQ(visual().gameOverTimer().interval(), 2000);
    EXPECT_FALSE(visual().CursorTimer().enabled());
    EXPECT_FALSE(visual().gameOverTimer().enabled());
}

TEST_F(Design, PointersOfWindowBoardHighlightsAndTable) {
    start();
    EXPECT_EQ(visual().form().mousePointer(), plat::PointerCustom);
    EXPECT_EQ(visual().form().mouseIcon()->hotX, 6);
    EXPECT_EQ(visual().center().mouseIcon()->hotX, 15);
    EXPECT_EQ(ctl("topTen").mousePointer(), plat::PointerCustom);
    for (const char* name : {"start0", "options0", "info0", "scores0", "exit0", "help0"}) {
        EXPECT_EQ(ctl(name).mousePointer(), plat::PointerCustom) << name;
        EXPECT_EQ(ctl(name).mouseIcon()->hotY, 0) << name;
    }
    EXPECT_EQ(ctl("start").mousePointer(), plat::PointerDefault);
}

}  // namespace
