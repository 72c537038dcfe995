// The game window's controls as loaded: kind, container, place and size in
// twips, text, font, colours, background style, alignment and visibility.
#include <algorithm>
#include <optional>
#include <string>

#include "tests/window/visual_fixture.h"

namespace {

using plat::Align;
using plat::Color;
using plat::ControlKind;
using visual_test::VisualTest;

constexpr Color kNavy{0, 0, 128};
constexpr Color kWhite{255, 255, 255};
constexpr Color kYellow{255, 255, 0};
constexpr Color kLightYellow{255, 255, 192};
constexpr Color kGreen{0, 192, 0};

struct Expected {
    const char* name;
    int index;
    ControlKind kind;
    const char* parent;  // nullptr: the window itself
    double left, top, width, height;
};

class ControlDesign : public VisualTest {
protected:
    void expectPlace(const Expected& e) {
        plat::Control& c = ctl(e.name, e.index);
        std::string what = std::string(e.name) + (e.index >= 0 ? "(" + std::to_string(e.index) + ")" : "");
        EXPECT_EQ(c.kind(), e.kind) << what;
        EXPECT_EQ(c.parent(), e.parent ? &ctl(e.parent) : nullptr) << what;
        EXPECT_EQ(c.left(), e.left) << what;
        EXPECT_EQ(c.top(), e.top) << what;
        EXPECT_EQ(c.width(), e.width) << what;
        EXPECT_EQ(c.height(), e.height) << what;
    }
    void expectText(const char* name, int index, const std::string& caption, const plat::Font& font, Color fore,
                    std::optional<Color> back, Align align) {
        plat::Control& c = ctl(name, index);
        EXPECT_EQ(c.caption(), caption) << name << index;
        EXPECT_EQ(c.font().name, font.name) << name << index;
        EXPECT_EQ(c.font().size, font.size) << name << index;
        EXPECT_EQ(c.font().bold, font.bold) << name << index;
        EXPECT_EQ(c.foreColor(), fore) << name << index;
        EXPECT_EQ(c.opaque(), back.has_value()) << name << index;
        if (back) {
            EXPECT_EQ(c.backColor(), *back) << name << index;
        }
        EXPECT_EQ(c.alignment(), align) << name << index;
    }
};

TEST_F(ControlDesign, BoardAreaPanelsAndScoreLabels) {
    start();
    const Expected places[] = {
        {"center", -1, ControlKind::PictureBox, nullptr, 2475, 390, 4455, 6360},
        {"pause", -1, ControlKind::PictureBox, "center", 720, 1680, 3000, 3000},
        {"gameOver", -1, ControlKind::PictureBox, "center", 735, 1680, 3000, 3000},
        {"boxtemp1", -1, ControlKind::Image, "center", 255, 1305, 615, 615},
        {"message", -1, ControlKind::PictureBox, nullptr, 2476, 390, 4449, 6360},
        {"message3", -1, ControlKind::PictureBox, nullptr, 2475, 375, 4449, 6360},
        {"topTen", -1, ControlKind::PictureBox, nullptr, 2476, 375, 4455, 6360},
        {"score", -1, ControlKind::Label, nullptr, 7488, 1560, 1605, 615},
        {"level", -1, ControlKind::Label, nullptr, 7488, 3000, 1605, 615},
        {"hiscore", -1, ControlKind::Label, nullptr, 7488, 4309, 1605, 615},
    };
    for (const Expected& e : places) expectPlace(e);
    for (const char* name : {"score", "level", "hiscore"}) {
        expectText(name, -1, name == std::string("hiscore") ? "0" : "", {"MS Sans Serif", 18, true}, kLightYellow,
                   std::nullopt, Align::Center);
        EXPECT_TRUE(ctl(name).visible()) << name;
    }
    EXPECT_EQ(ctl("message").backColor(), kNavy);
    EXPECT_EQ(ctl("message3").backColor(), kNavy);
    EXPECT_EQ(ctl("topTen").backColor(), (Color{64, 0, 64}));
    EXPECT_EQ(ctl("topTen").mousePointer(), plat::PointerCustom);
    EXPECT_FALSE(ctl("center").border());
    EXPECT_FALSE(visual().Timer1().enabled());
    EXPECT_EQ(visual().Timer1().interval(), 300);
    EXPECT_FALSE(visual().CursorTimer().enabled());
    EXPECT_EQ(visual().CursorTimer().interval(), 1000);
    EXPECT_FALSE(visual().gameOverTimer().enabled());
    EXPECT_EQ(visual().gameOverTimer().interval(), 2000);
}

TEST_F(ControlDesign, InstructionsAndInformationLines) {
    start();
    const plat::Font heading{"MS Sans Serif", 8.25, true};
    const plat::Font plain = ctl("Label5").font();
    EXPECT_FALSE(plain.bold);
    struct Line {
        const char* name;
        const char* panel;
        double left, top, width, height;
        const char* text;
        bool title;
    };
    const Line lines[] = {
        {"Label4", "message", 125, 240, 2970, 270, "GAME INSTRUCTIONS", true},
        {"Label5", "message", 125, 570, 6900, 270, "Blocks with pipes embedded in them falls from the sky.", false},
        {"Label2", "message", 125, 870, 6900, 270, "Line up three or more pipe sections and a laser removes", false},
        {"Label6", "message", 125, 1200, 6900, 270, "them; remove all the sections of pipe from a given block,", false},
        {"Label3", "message", 125, 1515, 6900, 270, "and it disappears.", false},
        {"Label7", "message", 125, 1860, 6900, 270, "Control the blocks by using the cursor keys or the mouse.", false},
        {"Label24", "message", 125, 2145, 6900, 270, "Press \"P\" to pause.", false},
        {"Label15", "message", 125, 6075, 6315, 210, "[ Click Enter or Mouse Button to Return ]", false},
        {"Label11", "message3", 120, 75, 6690, 270, "CORVANE ver 2.0", true},
        {"Label9", "message3", 135, 6045, 6315, 210, "[ Click Enter or Mouse Button to Return ]", false},
    };
    for (const Line& l : lines) {
        expectPlace({l.name, -1, ControlKind::Label, l.panel, l.left, l.top, l.width, l.height});
        expectText(l.name, -1, l.text, l.title ? heading : plain, l.title ? kYellow : kWhite, kNavy, Align::Left);
        EXPECT_TRUE(ctl(l.name).visible()) << l.name;
    }
}

TEST_F(ControlDesign, TopTenHeadingsRowsPromptAndCursors) {
    start();
    const plat::Font courier{"Courier New", 14.25, true};
    struct Heading {
        const char* name;
        const char* text;
        double left, top, width;
        Align align;
    };
    const Heading headings[] = {
        {"Label8", "NAME", 165, 315, 750, Align::Left},       {"Label16", "START", 1170, 330, 1095, Align::Center},
        {"Label18", "LEVEL", 1185, 570, 1095, Align::Center}, {"Label17", "END", 2325, 330, 795, Align::Center},
        {"Label22", "LVL", 2175, 570, 1095, Align::Center},   {"Label23", "SCORE", 3015, 345, 1455, Align::Center},
    };
    for (const Heading& h : headings) {
        plat::Control& c = ctl(h.name);
        EXPECT_EQ(c.parent(), &visual().topTen()) << h.name;
        EXPECT_EQ(c.left(), h.left) << h.name;
        EXPECT_EQ(c.top(), h.top) << h.name;
        EXPECT_EQ(c.width(), h.width) << h.name;
        expectText(h.name, -1, h.text, courier, kGreen, std::nullopt, h.align);
    }
    const double nameTops[] = {1170, 1560, 1980, 2385, 2790, 3180, 3600, 3990, 4395, 4800};
    const double startTops[] = {1170, 1590, 2010, 2415, 2820, 3210, 3630, 4020, 4425, 4830};
    const double scoreTops[] = {1155, 1575, 1995, 2400, 2805, 3195, 3615, 4005, 4410, 4815};
    for (int row = 0; row <= 9; ++row) {
        double in = (row >= 2 && row <= 7) ? 15 : 0;
        expectPlace({"topName", row, ControlKind::Label, "topTen", 255 - in, nameTops[row], 540, 330});
        expectPlace({"startLevel", row, ControlKind::Label, "topTen", 1440 - in, startTops[row], 570, 330});
        expectPlace({"topLevel", row, ControlKind::Label, "topTen", 2430 - in, scoreTops[row], 570, 330});
        expectPlace({"topScore", row, ControlKind::Label, "topTen", 2730 - in, scoreTops[row], 1455, 330});
        for (const char* name : {"topName", "startLevel", "topLevel", "topScore"}) {
            EXPECT_FALSE(ctl(name, row).opaque()) << name << row;
            EXPECT_EQ(ctl(name, row).font().name, "Courier New") << name << row;
        }
        EXPECT_EQ(ctl("topName", row).alignment(), Align::Left);
        EXPECT_EQ(ctl("startLevel", row).alignment(), Align::Center);
        EXPECT_EQ(ctl("topLevel", row).alignment(), Align::Center);
        EXPECT_EQ(ctl("topScore", row).alignment(), Align::Right);
    }
    expectPlace({"EnterYourName", -1, ControlKind::Label, "topTen", 705, 5595, 2955, 345});
    expectText("EnterYourName", -1, " Enter your Name!", courier, Color{0, 0, 0}, kWhite, Align::Left);
    expectPlace({"cursorBig", -1, ControlKind::PictureBox, "topTen", 3840, 5300, 255, 465});
    expectPlace({"cursorSmall", -1, ControlKind::PictureBox, "topTen", 3990, 5895, 225, 150});
    EXPECT_EQ(ctl("cursorBig").backColor(), kGreen);
    EXPECT_EQ(ctl("cursorSmall").backColor(), kGreen);
}

TEST_F(ControlDesign, MenuHotSpotsUnderTheirHighlights) {
    start();
    const Expected places[] = {
        {"start", -1, ControlKind::Image, nullptr, 270, 2550, 1635, 615},
        {"start0", -1, ControlKind::Image, nullptr, 300, 2565, 1545, 600},
        {"optionsTouch", -1, ControlKind::Image, nullptr, 255, 3435, 1965, 600},
        {"options0", -1, ControlKind::Image, nullptr, 315, 3465, 1830, 540},
        {"info", -1, ControlKind::Image, nullptr, 270, 4275, 1395, 645},
        {"info0", -1, ControlKind::Image, nullptr, 270, 4245, 1515, 645},
        {"scores", -1, ControlKind::Image, nullptr, 255, 5100, 1755, 600},
        {"scores0", -1, ControlKind::Image, nullptr, 285, 5085, 1725, 600},
        {"exit", -1, ControlKind::Image, nullptr, 255, 5940, 1425, 630},
        {"exit0", -1, ControlKind::Image, nullptr, 315, 5985, 1320, 540},
        {"help", -1, ControlKind::Image, nullptr, 7290, 5955, 1395, 645},
        {"help0", -1, ControlKind::Image, nullptr, 7350, 6015, 1260, 570},
    };
    for (const Expected& e : places) expectPlace(e);
    const auto& kids = visual().form().children();
    auto order = [&](const char* name) { return std::find(kids.begin(), kids.end(), &ctl(name)) - kids.begin(); };
    for (auto [spot, lit] : {std::pair{"start", "start0"},
                             {"optionsTouch", "options0"},
                             {"info", "info0"},
                             {"scores", "scores0"},
                             {"exit", "exit0"},
                             {"help", "help0"}}) {
        EXPECT_TRUE(ctl(spot).visible()) << spot;
        EXPECT_FALSE(ctl(spot).picture()) << spot;
        EXPECT_EQ(ctl(spot).mousePointer(), plat::PointerDefault) << spot;
        EXPECT_FALSE(ctl(lit).visible()) << lit;
        EXPECT_EQ(ctl(lit).mousePointer(), plat::PointerCustom) << lit;
        EXPECT_LT(order(spot), order(lit)) << lit;
    }
}

}  // namespace
