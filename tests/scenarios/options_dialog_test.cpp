// The options dialog as the player meets it: where it opens on screens of
// every size.
#include <gtest/gtest.h>

#include "platform/picture.h"
#include "scenario.h"

namespace scenario {
namespace {

constexpr uint32_t kDialogBlue = 0xFF000080u;

// The dialog covers the board of the centred game window, 297 x 422 pixels
// from the board's corner (165, 26 in the window), whatever the screen.
TEST(OptionsDialog, OpensOverTheBoardOnEveryScreen) {
    const int screens[][2] = {{800, 600}, {1024, 768}, {1920, 1080}, {960, 540}};
    for (const auto& [w, h] : screens) {
        Folder dir;
        std::string shot = (dir.path() / "o.bmp").string();
        std::string size = std::to_string(w) + " " + std::to_string(h);
        play("screen " + size + "\nstart\nwait 2000\nkey o\nshot " + shot + "\n", dir);
        auto screen = plat::loadBmp(shot, "o");
        int x = (w - 640) / 2 + 165, y = (h - 480) / 2 + 26;
        EXPECT_EQ(screen->at(x, y), kDialogBlue) << size;
        EXPECT_EQ(screen->at(x + 296, y + 421), kDialogBlue) << size;
        EXPECT_NE(screen->at(x - 1, y), kDialogBlue) << size;
        EXPECT_NE(screen->at(x, y - 1), kDialogBlue) << size;
        EXPECT_NE(screen->at(x + 297, y + 421), kDialogBlue) << size;
        EXPECT_NE(screen->at(x + 296, y + 422), kDialogBlue) << size;
    }
}

}  // namespace
}  // namespace scenario
