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
                                           Screen{4096, 2304, 25920, 13680}),
                         [](const auto& info) {
                             return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

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
    EXPECT_EQ(ctl("pause").width(), 3000);  // 200 pixels, from its picture
    for (const char* name : {"geysir0", "geysir1", "eldfell", "sheep", "waterf"})
        EXPECT_EQ(visual().backgroundImage(name).picture()->width, 297) << name;
}

}  // namespace
