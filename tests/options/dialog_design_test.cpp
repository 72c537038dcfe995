// The dialog's controls as loaded: container, place, caption, font, colours.
#include "dialog_fixture.h"

namespace {

struct Expected {
    const char* name;
    plat::ControlKind kind;
    const char* parent;  // nullptr: the window itself
    const char* caption;
    double left, top, width, height;
};

}  // namespace

TEST_F(DialogTest, ControlsHaveTheirPlacesCaptionsFontsAndColours) {
    game = std::make_unique<logic>(*program, *windows);
    using K = plat::ControlKind;
    const Expected controls[] = {
        {"Frame1", K::Frame, nullptr, "Sound", 585, 240, 3240, 915},
        {"soundOn", K::OptionButton, "Frame1", "On", 405, 255, 885, 615},
        {"soundOff", K::OptionButton, "Frame1", "Off", 1830, 330, 870, 495},
        {"Frame2", K::Frame, nullptr, "Start level", 585, 1395, 3255, 1005},
        {"StartLevel", K::ScrollBar, "Frame2", "", 135, 540, 2700, 270},
        {"StartLevelEdit", K::Label, "Frame2", "", 2895, 555, 285, 390},
        {"Frame3", K::Frame, nullptr, "Control", 585, 2610, 3270, 915},
        {"KeyBoard", K::OptionButton, "Frame3", "Keyboard", 405, 270, 1170, 615},
        {"Mouse", K::OptionButton, "Frame3", "Mouse", 1830, 300, 1170, 570},
        {"Frame4", K::Frame, nullptr, "Blocks with embedded ...", 585, 3720, 3255, 1560},
        {"Iron", K::OptionButton, "Frame4", "Pipes", 405, 315, 855, 480},
        {"Wood", K::OptionButton, "Frame4", "Branches", 1830, 360, 1200, 390},
        {"IronPict", K::Image, "Frame4", "", 690, 765, 600, 600},
        {"WoodPict", K::Image, "Frame4", "", 2145, 780, 600, 600},
        {"Command1", K::CommandButton, nullptr, "Return", 2700, 5550, 1185, 615},
    };
    const plat::Color darkBlue{0, 0, 128};
    for (const Expected& e : controls) {
        plat::Control& c = control(e.name);
        EXPECT_EQ(c.kind(), e.kind) << e.name;
        EXPECT_EQ(c.parent(), e.parent ? &control(e.parent) : nullptr) << e.name;
        EXPECT_EQ(c.caption(), e.caption) << e.name;
        EXPECT_EQ(c.left(), e.left) << e.name;
        EXPECT_EQ(c.top(), e.top) << e.name;
        EXPECT_EQ(c.width(), e.width) << e.name;
        EXPECT_EQ(c.height(), e.height) << e.name;
        EXPECT_TRUE(c.visible()) << e.name;
        bool frame = e.kind == K::Frame;
        bool text = e.kind == K::OptionButton || e.kind == K::Label;
        if (frame || text) {
            EXPECT_EQ(c.backColor(), darkBlue) << e.name;
            EXPECT_EQ(c.foreColor(), frame ? (plat::Color{255, 255, 192}) : (plat::Color{255, 255, 0})) << e.name;
            EXPECT_EQ(c.font().name, "MS Sans Serif") << e.name;
            EXPECT_EQ(c.font().size, frame ? 12 : 8.25) << e.name;
            EXPECT_TRUE(c.font().bold) << e.name;
        }
    }
    EXPECT_EQ(control("Command1").font().size, 12);
    EXPECT_TRUE(control("Command1").font().bold);
    EXPECT_EQ(control("StartLevelEdit").alignment(), plat::Align::Center);
    EXPECT_EQ(control("StartLevel").min(), 1);
    EXPECT_EQ(control("StartLevel").max(), 10);
    EXPECT_EQ(control("StartLevel").smallChange(), 1);
    EXPECT_EQ(control("StartLevel").largeChange(), 1);
}
