// The title screen: the black backdrop with the splash picture in its middle,
// the two-second wait, and the hand-over to the game window.
#include "startup_fixture.h"

#include <ostream>

#include "rules/logic.h"

namespace {

struct Screen {
    int widthPx, heightPx;
    double splashLeft, splashTop;
};
void PrintTo(const Screen& s, std::ostream* os) { *os << s.widthPx << "x" << s.heightPx; }

class SplashPlace : public StartupTest, public ::testing::WithParamInterface<Screen> {};

TEST_P(SplashPlace, SitsInTheMiddleOfABackdropCoveringTheScreen) {
    const Screen s = GetParam();
    ASSERT_TRUE(start(s.widthPx, s.heightPx));
    BlackInterface& black = module->gLogic()->black();
    EXPECT_EQ(black.form().left(), 0);
    EXPECT_EQ(black.form().top(), 0);
    EXPECT_EQ(black.form().width(), s.widthPx * 15.0);
    EXPECT_EQ(black.form().height(), s.heightPx * 15.0);
    EXPECT_TRUE(black.form().visible());
    EXPECT_EQ(black.splash().width(), 7365);
    EXPECT_EQ(black.splash().height(), 6000);
    EXPECT_EQ(black.splash().left(), s.splashLeft);
    EXPECT_EQ(black.splash().top(), s.splashTop);
    EXPECT_TRUE(black.splash().visible());
}

// The last screen is wider than 32767 twips.
INSTANTIATE_TEST_SUITE_P(Screens, SplashPlace,
                         ::testing::Values(Screen{640, 480, 1117.5, 600}, Screen{800, 600, 2317.5, 1500},
                                           Screen{2400, 600, 14317.5, 1500}));

TEST_F(StartupTest, SplashStaysTwoSecondsThenTheGameWindowTakesOver) {
    ASSERT_TRUE(start(800, 600));
    logic& game = *module->gLogic();
    const int64_t ready = sys->now();
    EXPECT_EQ(game.options().form().visible(), false);
    sys->runUntil(ready + 1999);
    EXPECT_TRUE(game.black().splash().visible());
    EXPECT_FALSE(game.visual().form().visible());
    sys->runUntil(ready + 2000);
    EXPECT_FALSE(game.black().splash().visible());
    EXPECT_TRUE(game.visual().form().visible());
    EXPECT_TRUE(game.black().form().visible());
    EXPECT_FALSE(game.black().form().enabled());
    EXPECT_FALSE(game.black().Timer1().enabled());
    EXPECT_FALSE(game.visual().Timer1().enabled());
    EXPECT_EQ(game.visual().hiscore().caption(), "0");
    EXPECT_EQ(sys->activeForm(), &game.visual().form());
}

TEST_F(StartupTest, TheSplashTimerFiresOnlyOnce) {
    ASSERT_TRUE(start());
    const int64_t ready = sys->now();
    sys->runUntil(ready + 2000);
    ASSERT_TRUE(exists("HI.SCO"));  // the first start leaves the marker file
    removeFile("HI.SCO");
    sys->runUntil(ready + 6500);
    EXPECT_FALSE(exists("HI.SCO"));  // no second hand-over read the table again
}

TEST_F(StartupTest, TheBackdropTakesNoClicks) {
    ASSERT_TRUE(start(800, 600));
    logic& game = *module->gLogic();
    sys->runUntil(sys->now() + 2000);
    plat::System::Hit hit = sys->hitTest(5, 5);  // beside the game window
    EXPECT_EQ(hit.form, nullptr);
    sys->post({plat::InputEvent::Type::MouseDown, plat::LeftButton, 0, 5, 5});
    sys->post({plat::InputEvent::Type::MouseUp, plat::LeftButton, 0, 5, 5});
    sys->DoEvents();
    EXPECT_EQ(sys->activeForm(), &game.visual().form());
}

}  // namespace
