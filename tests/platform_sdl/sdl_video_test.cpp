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

constexpr int kW = 320, kH = 240;

class WindowPixels : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        form.setLeft(20 * 15);
        form.setTop(10 * 15);
        form.setWidth(200 * 15);
        form.setHeight(150 * 15);
        form.setBackColor({0, 0, 128});
        label.setBounds(10 * 15, 10 * 15, 80 * 15, 20 * 15);
        label.setCaption("Score 0");
        label.setBackColor({255, 255, 0});
        box.setBounds(100 * 15, 60 * 15, 30 * 15, 30 * 15);
        box.setBackColor({255, 0, 0});
        form.show();
    }
    void TearDown() override { SDL_Quit(); }

    // The window's pixel against the freshly composed screen, the screen
    // `scale` times as large from (x0, y0) of the window.
    ::testing::AssertionResult showsScreen(SdlVideo& video, int scale, int x0 = 0, int y0 = 0) {
        Framebuffer fresh;
        compose(sys, fresh);
        SDL_Surface* s = SDL_GetWindowSurface(video.window());
        if (!s) return ::testing::AssertionFailure() << SDL_GetError();
        for (int y = 0; y < kH * scale; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(s->pixels) +
                                                                (y0 + y) * s->pitch) + x0;
            for (int x = 0; x < kW * scale; ++x)
                if ((row[x] & 0xFFFFFFu) != (fresh.at(x / scale, y / scale) & 0xFFFFFFu))
                    return ::testing::AssertionFailure() << "differs at " << x << "," << y;
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
    System sys{backend, kW, kH};
    Form form{sys, "form"};
    Control& label = form.add(ControlKind::Label, "label");
    Control& box = form.add(ControlKind::Box, "box");
};

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

}  // namespace
}  // namespace plat::sdl
