// The choice of window: the screen's size full screen on a display, and the
// windows CORVANE_WINDOW may ask for.
#include "platform/display_mode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace plat {
namespace {

TEST(DisplayModeChoice, WholeDisplayUnlessAWindowIsAskedFor) {
    // Full screen: the display over the largest whole number k leaving
    // 640 x 480; shown larger, narrowed so that the game window stands an
    // even margin from either edge, k times as large it is centred on the
    // display to the pixel.
    struct Case {
        int displayW, displayH, w, h;
    };
    for (Case c :
         {Case{1920, 1080, 960, 540}, Case{2560, 1440, 852, 480}, Case{2560, 1600, 852, 532},
          Case{3840, 2160, 960, 540}, Case{3440, 1440, 1146, 480}, Case{800, 600, 800, 600}, Case{1024, 768, 1024, 768},
          Case{1280, 960, 640, 480}, Case{1279, 959, 1279, 959}, Case{600, 400, 600, 400}}) {
        std::string display = std::to_string(c.displayW) + "x" + std::to_string(c.displayH);
        ModeChoice full = chooseDisplayMode(nullptr, c.displayW, c.displayH);
        EXPECT_TRUE(full.mode.fullscreen);
        EXPECT_EQ(full.refusal, "");
        EXPECT_EQ(full.mode.width, c.w) << display;
        EXPECT_EQ(full.mode.height, c.h) << display;
        int scale = std::min(c.displayW / full.mode.width, c.displayH / full.mode.height);
        if (scale < 2) continue;
        // The screen's place on the display, as the window shows it, and the
        // game window's place within the screen.
        int left = (c.displayW - full.mode.width * scale) / 2 + scale * (full.mode.width - 640) / 2;
        int top = (c.displayH - full.mode.height * scale) / 2 + scale * (full.mode.height - 480) / 2;
        EXPECT_EQ((full.mode.width - 640) % 2, 0) << display;
        EXPECT_EQ((full.mode.height - 480) % 2, 0) << display;
        EXPECT_EQ(left, (c.displayW - 640 * scale) / 2) << display;
        EXPECT_EQ(top, (c.displayH - 480 * scale) / 2) << display;
    }
    EXPECT_EQ(chooseDisplayMode("", 1920, 1080).mode.width, 960);  // set but empty: as unset

    for (const char* good : {"800x600", "640x480", "1920x1080", "1920x480"}) {
        ModeChoice win = chooseDisplayMode(good, 1920, 1080);
        EXPECT_EQ(win.refusal, "") << good;
        EXPECT_FALSE(win.mode.fullscreen) << good;
        EXPECT_EQ(std::to_string(win.mode.width) + "x" + std::to_string(win.mode.height), good);
    }
}

// A value the game cannot use is refused in one line that names it and says
// what is taken: not WIDTHxHEIGHT, smaller than the game window, larger
// than the display.
TEST(DisplayModeChoice, WindowsTheGameCannotUseAreRefused) {
    for (const char* bad : {"foo",     "800",      "800x",      "x600",      "0x600",           "800x600x2",  "-1x5",
                            "800X600", " 800x600", "800x600 ",  "+800x600",  "800x+600",        "800x-600",   "320x240",
                            "639x480", "640x479",  "1921x1080", "1920x1081", "99999999999x600", "800x600junk"}) {
        ModeChoice win = chooseDisplayMode(bad, 1920, 1080);
        EXPECT_EQ(win.refusal,
                  "CORVANE_WINDOW=\"" + std::string(bad) +
                      "\" is refused: give the window's size as WIDTHxHEIGHT, from 640x480 up to the display's "
                      "1920x1080, or leave it unset for full screen");
        EXPECT_EQ(win.mode.width, 0) << bad;
    }
    EXPECT_EQ(chooseDisplayMode("640x480", 600, 400).refusal,
              "CORVANE_WINDOW=\"640x480\" is refused: the display (600x400) is smaller than the least window, "
              "640x480; leave it unset for full screen");
    // On a display wider than the game's largest screen, no window wider.
    EXPECT_EQ(chooseDisplayMode("16384x600", 20000, 1080).refusal, "");
    EXPECT_NE(chooseDisplayMode("16385x600", 20000, 1080).refusal, "");
}

}  // namespace
}  // namespace plat
