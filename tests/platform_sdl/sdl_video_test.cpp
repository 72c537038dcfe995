// What the SDL window shows (dummy video driver): the screen composed
// straight into the window's surface at its own size, or through a
// framebuffer where it is shown twice as large, always the same pixels as a
// fresh composition, also after only a part was redrawn.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <string>

#include "platform/compositor.h"
#include "platform/form.h"
#include "platform/headless/headless_backend.h"
#include "platform/sdl/sdl_video.h"
#include "platform/system.h"

namespace plat::sdl {
namespace {

// A screen of W x H pixels, a window covering it with a label and a box.
template <int W, int H>
class ScreenOf : public ::testing::Test {
protected:
    static constexpr int kW = W, kH = H;

    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        form.setLeft(0);
        form.setTop(0);
        form.setWidth(kW * 15);
        form.setHeight(kH * 15);
        form.setBackColor({0, 0, 128});
        label.setBounds(10 * 15, 10 * 15, 80 * 15, 20 * 15);
        label.setCaption("Score 0");
        label.setBackColor({255, 255, 0});
        box.setBounds(100 * 15, 60 * 15, 30 * 15, 30 * 15);
        box.setBackColor({255, 0, 0});
        form.show();
    }
    void TearDown() override { SDL_Quit(); }

    // Every pixel of the window against the freshly composed screen, shown
    // `scale` times as large from (x0, y0) of the window (which may lie
    // outside it): a screen pixel wholly in the window shows as a square of
    // its colour, the rest of the window is black.
    ::testing::AssertionResult showsScreen(SdlVideo& video, int scale, int x0 = 0, int y0 = 0) {
        Framebuffer fresh;
        compose(sys, fresh);
        SDL_Surface* s = SDL_GetWindowSurface(video.window());
        if (!s) return ::testing::AssertionFailure() << SDL_GetError();
        auto pixel = [&](int from, int at) { return at >= from ? (at - from) / scale : -1; };  // -1: left of it
        for (int y = 0; y < s->h; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(s->pixels) + y * s->pitch);
            int sy = pixel(y0, y), top = y0 + sy * scale;
            for (int x = 0; x < s->w; ++x) {
                int sx = pixel(x0, x), left = x0 + sx * scale;
                bool whole = sx >= 0 && sy >= 0 && sx < kW && sy < kH && left >= 0 && top >= 0 &&
                             left + scale <= s->w && top + scale <= s->h;
                uint32_t want = whole ? fresh.at(sx, sy) & 0xFFFFFFu : 0;
                if ((row[x] & 0xFFFFFFu) != want)
                    return ::testing::AssertionFailure() << "differs at " << x << "," << y;
            }
        }
        return ::testing::AssertionSuccess();
    }
    // One small part of the screen: an odd step moves the box, an even one
    // changes the label.
    void change(int step) {
        if (step % 2)
            box.setLeft((100 + 7 * step) * 15);
        else
            label.setCaption("Score " + std::to_string(step * 10));
    }

    HeadlessBackend backend;
    System sys{backend, W, H};
    Form form{sys, "form"};
    Control& label = form.add(ControlKind::Label, "label");
    Control& box = form.add(ControlKind::Box, "box");
};

using WindowPixels = ScreenOf<320, 240>;

TEST_F(WindowPixels, AtItsOwnSizeEveryPartialRedrawLeavesTheWholeScreenRight) {
    SdlVideo video(DisplayMode{kW, kH, false}, "/nonexistent");
    ASSERT_EQ(video.scale(), 1);
    video.present(sys, sys.takeDamage(), false);
    EXPECT_TRUE(showsScreen(video, 1));
    for (int step = 1; step <= 4; ++step) {
        change(step);
        video.present(sys, sys.takeDamage(), false);
        EXPECT_TRUE(showsScreen(video, 1)) << "after change " << step;
    }
    video.present(sys, {}, true);  // uncovered: nothing changed, all of it sent again
    EXPECT_TRUE(showsScreen(video, 1));
}

TEST_F(WindowPixels, TwiceAsLargeAndBackTheWindowShowsTheScreenOfTheMoment) {
    SdlVideo video(DisplayMode{kW, kH, false}, "/nonexistent");
    video.present(sys, sys.takeDamage(), false);
    SDL_SetWindowSize(video.window(), 2 * kW + 10, 2 * kH + 6);  // centred, 5 and 3 pixels of black around
    change(1);
    video.present(sys, sys.takeDamage(), true);
    ASSERT_EQ(video.scale(), 2);
    EXPECT_TRUE(showsScreen(video, 2, 5, 3));
    change(2);
    video.present(sys, sys.takeDamage(), false);
    EXPECT_TRUE(showsScreen(video, 2, 5, 3));

    // Back at its own size the window's new surface is composed whole, also
    // when only a part changed; what changed meanwhile shows when larger again.
    SDL_SetWindowSize(video.window(), kW, kH);
    change(3);
    video.present(sys, sys.takeDamage(), false);
    EXPECT_TRUE(showsScreen(video, 1));
    SDL_SetWindowSize(video.window(), 2 * kW, 2 * kH);
    change(4);
    video.present(sys, sys.takeDamage(), true);
    EXPECT_TRUE(showsScreen(video, 2));
}

// A window the player makes larger or smaller: the 640 x 480 game window in
// the middle of an 800 x 600 screen is shown as many times as large as the
// window holds, centred; what of the screen lies beyond the window is cut
// off, and clicks land on the screen pixel drawn under them.
using ResizedWindow = ScreenOf<800, 600>;

TEST_F(ResizedWindow, ShowsTheGameWindowAtTheLargestWholeMultipleCentredAndMapsClicksBack) {
    SdlVideo video(DisplayMode{kW, kH, false}, "/nonexistent");
    video.present(sys, sys.takeDamage(), false);
    EXPECT_TRUE(showsScreen(video, 1));

    // Maximised on 1920 x 1080 under a title bar: the game window's 1280 x
    // 960 at (320, 45), the screen from (160, -75), its row 37 cut in half.
    SDL_SetWindowSize(video.window(), 1920, 1050);
    change(1);
    video.present(sys, sys.takeDamage(), true);
    ASSERT_EQ(video.scale(), 2);
    EXPECT_TRUE(showsScreen(video, 2, 160, -75));
    change(2);
    video.present(sys, sys.takeDamage(), false);
    EXPECT_TRUE(showsScreen(video, 2, 160, -75));
    int sx = 0, sy = 0;
    video.toScreen(320, 45, sx, sy);  // the game window's corner
    EXPECT_EQ(sx, 80);
    EXPECT_EQ(sy, 60);
    video.toScreen(320 + 1279, 45 + 959, sx, sy);
    EXPECT_EQ(sx, 80 + 639);
    EXPECT_EQ(sy, 60 + 479);

    // Three times as large where the window holds it, the screen cut on
    // every side.
    SDL_SetWindowSize(video.window(), 1925, 1441);
    change(3);
    video.present(sys, sys.takeDamage(), true);
    ASSERT_EQ(video.scale(), 3);
    EXPECT_TRUE(showsScreen(video, 3, 2 - 240, 0 - 180));

    // Back between the game window's size and the screen's: as it is, the
    // game window centred, the screen's edges cut off.
    SDL_SetWindowSize(video.window(), 700, 500);
    change(4);
    video.present(sys, sys.takeDamage(), true);
    ASSERT_EQ(video.scale(), 1);
    EXPECT_TRUE(showsScreen(video, 1, 30 - 80, 10 - 60));
    video.toScreen(30, 10, sx, sy);
    EXPECT_EQ(sx, 80);
    EXPECT_EQ(sy, 60);

    // Never smaller than the game window: exactly the game window, as it is.
    SDL_SetWindowSize(video.window(), 500, 400);
    int ow = 0, oh = 0;
    SDL_GetWindowSize(video.window(), &ow, &oh);
    EXPECT_EQ(ow, 640);
    EXPECT_EQ(oh, 480);
    change(5);
    video.present(sys, sys.takeDamage(), true);
    EXPECT_TRUE(showsScreen(video, 1, -80, -60));
    video.toScreen(0, 0, sx, sy);
    EXPECT_EQ(sx, 80);
    EXPECT_EQ(sy, 60);
}

}  // namespace
}  // namespace plat::sdl
