// The options dialog as the player meets it: where it opens on screens of
// every size, and how its Return button and scroll bar answer the mouse.
#include <gtest/gtest.h>

#include "platform/media/bmp_file.h"
#include "scenario.h"

namespace scenario {
namespace {

constexpr uint32_t kDialogBlue = 0xFF000080u;
constexpr uint32_t kLight = 0xFFDFDFDFu, kShadow = 0xFF808080u, kBlack = 0xFF000000u;

// On an 800 x 600 screen the dialog lies at (245, 86): its Return button at
// (425, 456), the start level's scroll bar at (293, 215), 180 x 18 with
// 18-pixel arrows, its thumb at 311 + 14 pixels a level above 1.
plat::PictureRef shot(const Folder& dir, const std::string& name) {
    return plat::loadBmp((dir.path() / name).string(), name);
}

// The dialog covers the board of the centred game window, 297 x 422 pixels
// from the board's corner (165, 26 in the window), whatever the screen, also
// one whose width leaves the window half a pixel off centre.
TEST(OptionsDialog, OpensOverTheBoardOnEveryScreen) {
    const int screens[][2] = {{800, 600}, {1024, 768}, {1920, 1080}, {960, 540}, {853, 480}};
    for (const auto& [w, h] : screens) {
        Folder dir;
        std::string shot = (dir.path() / "o.bmp").string();
        std::string size = std::to_string(w) + " " + std::to_string(h);
        play("screen " + size + "\nstart\nwait 2000\nkey o\nshot " + shot + "\n", dir);
        auto screen = plat::loadBmp(shot, "o");
        int x = (w - 640 + 1) / 2 + 165, y = (h - 480 + 1) / 2 + 26;  // a half pixel rounds up
        EXPECT_EQ(screen->at(x, y), kDialogBlue) << size;
        EXPECT_EQ(screen->at(x + 296, y + 421), kDialogBlue) << size;
        EXPECT_NE(screen->at(x - 1, y), kDialogBlue) << size;
        EXPECT_NE(screen->at(x, y - 1), kDialogBlue) << size;
        EXPECT_NE(screen->at(x + 297, y + 421), kDialogBlue) << size;
        EXPECT_NE(screen->at(x + 296, y + 422), kDialogBlue) << size;
    }
}

TEST(OptionsDialog, ReturnButtonIsPushedInWhileHeldAndLetGoOffItKeepsTheDialogOpen) {
    Folder dir;
    std::string s = "start\nwait 2000\nkey o\ndown 460 475\nshot " + (dir.path() / "a.bmp").string();
    s += "\nmove 600 475\nshot " + (dir.path() / "b.bmp").string() + "\nup 600 475\ndump\n";
    s += "click 460 475\ndump\n";
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(shot(dir, "a.bmp")->at(426, 457), kShadow);  // inside the dark outline
    EXPECT_EQ(shot(dir, "b.bmp")->at(426, 457), kLight);
    EXPECT_EQ(out[0]["visible"]["options"], true);
    EXPECT_EQ(out[1]["visible"]["options"], false);
    EXPECT_TRUE(dir.has("OPT.TXT"));
}

TEST(OptionsDialog, StartLevelFollowsADraggedThumbOnReleaseAndAHeldArrowRepeats) {
    Folder dir;
    std::string s = "start\nwait 2000\nkey o\ndown 320 224\nmove 376 224\ndump\n";
    s += "shot " + (dir.path() / "d.bmp").string() + "\nup 376 224\ndump\n";
    s += "down 465 224\ndump\nwait 499\ndump\nwait 1\ndump\nwait 150\nup 465 224\nwait 1000\ndump\n";
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 6u);
    EXPECT_EQ(out[0]["options"][1], 1);  // dragged four levels on, not yet let go
    auto dragged = shot(dir, "d.bmp");
    EXPECT_EQ(dragged->at(367, 215), kLight);          // the thumb under the pointer
    EXPECT_EQ(dragged->at(367 + 3, 215 + 3), kBlack);  // with the focus mark
    std::vector<int> levels;
    for (size_t i = 1; i < out.size(); ++i) levels.push_back(out[i]["options"][1]);
    EXPECT_EQ(levels, (std::vector<int>{5, 6, 6, 7, 10}));
}

}  // namespace
}  // namespace scenario
