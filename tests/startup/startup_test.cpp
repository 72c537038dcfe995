// Start-up: the order in which the game object builds the windows, the
// title screen, and the hand-over to the game window.
#include <gtest/gtest.h>

#include "rules/logic_probe.h"
#include "tests/support/game_harness.h"

namespace {

TEST(Startup, WindowsComeUpInOrderBehindAFullScreenTitle) {
    fakes::GameHarness h;
    logic& game = h.create();
    EXPECT_EQ(h.log, (fakes::CallLog{"createBlack()", "black.setLogic()", "ShowSplash()", "loadOptions()",
                                     "options.setLogic()", "loadVisual()", "visual.setLogic()", "Init()"}));
    plat::Form& black = h.black().form();
    EXPECT_TRUE(black.visible());
    EXPECT_EQ(black.width(), 1024 * 15);
    EXPECT_EQ(black.height(), 768 * 15);
    EXPECT_EQ(black.left(), 0);
    EXPECT_EQ(black.top(), 0);
    EXPECT_TRUE(h.black().Timer1().enabled());
    EXPECT_FALSE(h.visual().form().visible());
    EXPECT_FALSE(h.options().form().visible());
    EXPECT_EQ(LogicProbe::state(game), NoGame);
    EXPECT_TRUE(LogicProbe::falling(game));
    EXPECT_EQ(LogicProbe::paused(game), 0);
}

TEST(Startup, AScreenWiderThanSixteenBitsOfTwipsIsStillCovered) {
    fakes::GameHarness h(3840, 2400);
    h.create();
    EXPECT_EQ(h.black().form().width(), 3840.0 * 15);
    EXPECT_EQ(h.black().form().height(), 2400.0 * 15);
}

TEST(Startup, AfterTwoSecondsTheGameWindowTakesOver) {
    fakes::GameHarness h;
    h.create();
    h.sys.runUntil(1999);
    EXPECT_TRUE(h.black().splash().visible());
    EXPECT_FALSE(h.visual().form().visible());
    h.clearLog();
    h.sys.runUntil(2000);
    EXPECT_FALSE(h.black().splash().visible());
    EXPECT_TRUE(h.black().form().visible());
    EXPECT_TRUE(h.visual().form().visible());
    EXPECT_FALSE(h.visual().Timer1().enabled());
    EXPECT_EQ(h.log, (fakes::CallLog{"ClearBoxes()"}));
    EXPECT_EQ(h.visual().hiscore().caption(), "0");
    EXPECT_EQ(LogicProbe::state(*h.game), NoGame);
}

}  // namespace
