// Labels: background style, text inside the label in its colour, alignment
// and border.
#include <gtest/gtest.h>

#include "screen_fixture.h"

namespace plat::testing {
namespace {

class LabelTest : public ::testing::Test {
protected:
    LabelTest() : under(s.add(ControlKind::Box, 0, 0, 100, 80)), label(s.add(ControlKind::Label, 10, 10, 80, 30)) {
        under.setBackColor(kRed);
        label.setForeColor(kWhite);
        label.setBackColor(kGreen);
        label.setFont({"MS Sans Serif", 12, true});
    }
    // Mean column of the label's white text pixels, in form pixels.
    double textCentre() {
        const Framebuffer& fb = s.shot();
        long sum = 0, n = 0;
        for (int y = 30; y < 60; ++y)
            for (int x = 20; x < 100; ++x)
                if (fb.at(x, y) == rgb(kWhite)) sum += x - 10, ++n;
        return n ? double(sum) / n : -1;
    }
    Screen s;
    Control& under;  // lies behind the label
    Control& label;
};

TEST_F(LabelTest, OpaqueFillsItsBackColourTransparentShowsWhatIsBehind) {
    label.setOpaque(true);
    EXPECT_EQ(s.count(10, 10, 80, 30, kGreen), 2400);
    label.setOpaque(false);
    EXPECT_EQ(s.count(10, 10, 80, 30, kGreen), 0);
    EXPECT_EQ(s.count(10, 10, 80, 30, kRed), 2400);
    label.setCaption("Wg");
    int red = s.count(10, 10, 80, 30, kRed);
    EXPECT_LT(red, 2400);
    EXPECT_GT(red, 2000);
}

TEST_F(LabelTest, TextInItsColourOnlyInsideTheLabel) {
    label.setCaption("A label far too long to fit in eighty pixels");
    EXPECT_GT(s.count(10, 10, 80, 30, kWhite), 20);
    EXPECT_EQ(s.count(0, 0, 100, 80, kWhite), s.count(10, 10, 80, 30, kWhite));
    EXPECT_EQ(s.count(10, 10, 80, 30, {255, 255, 0}), 0);
    label.setForeColor({255, 255, 0});
    EXPECT_EQ(s.count(10, 10, 80, 30, kWhite), 0);
    EXPECT_GT(s.count(10, 10, 80, 30, {255, 255, 0}), 20);
}

TEST_F(LabelTest, AlignmentPlacesTheText) {
    label.setCaption("IIII");
    label.setAlignment(Align::Left);
    double left = textCentre();
    label.setAlignment(Align::Center);
    double centre = textCentre();
    label.setAlignment(Align::Right);
    double right = textCentre();
    EXPECT_LT(left, 30);
    EXPECT_NEAR(centre, 50, 3);
    EXPECT_GT(right, 70);
}

TEST_F(LabelTest, BorderIsASingleDarkLine) {
    label.setBorder(true);
    EXPECT_EQ(s.at(10, 10), 0xFF000000u);
    EXPECT_EQ(s.at(89, 39), 0xFF000000u);
    EXPECT_EQ(s.at(11, 11), rgb(kGreen));
    label.setBorder(false);
    EXPECT_EQ(s.at(10, 10), rgb(kGreen));
}

}  // namespace
}  // namespace plat::testing
