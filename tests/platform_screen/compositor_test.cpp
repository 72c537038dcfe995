// The composed screen: windows, stacking, clipping, visibility and each kind
// of control, read back pixel by pixel.
#include <gtest/gtest.h>

#include "screen_fixture.h"

namespace plat::testing {
namespace {

TEST(ComposeWindows, BlackOutsideWindowsAndBackColourInside) {
    Screen s;
    const Framebuffer& fb = s.shot();
    ASSERT_EQ(fb.w, 200);
    ASSERT_EQ(fb.h, 150);
    EXPECT_EQ(fb.at(9, 20), 0xFF000000u);
    EXPECT_EQ(fb.at(110, 50), 0xFF000000u);
    EXPECT_EQ(fb.at(10, 20), rgb({0, 0, 128}));
    EXPECT_EQ(fb.at(109, 99), rgb({0, 0, 128}));
    EXPECT_EQ(fb.at(109, 100), 0xFF000000u);
}

TEST(ComposeWindows, PictureUnscaledFromUpperLeftOverBackColour) {
    Screen s;
    s.form.setPicture(solidPicture(30, 20, kRed));
    EXPECT_EQ(s.count(0, 0, 30, 20, kRed), 600);
    EXPECT_EQ(s.at(30, 5), rgb({0, 0, 128}));
    EXPECT_EQ(s.at(5, 20), rgb({0, 0, 128}));
}

TEST(ComposeWindows, LaterShownWindowLiesInFrontAndHiddenOneVanishes) {
    Screen s;
    Form other(s.sys, "other");
    other.setLeft(0);
    other.setTop(0);
    other.setWidth(50 * 15);
    other.setHeight(50 * 15);
    other.setBackColor(kGreen);
    other.show();
    EXPECT_EQ(s.shot().at(20, 30), rgb(kGreen));
    s.form.show();
    EXPECT_EQ(s.shot().at(20, 30), rgb({0, 0, 128}));
    s.form.hide();
    EXPECT_EQ(s.shot().at(20, 30), rgb(kGreen));
    EXPECT_EQ(s.shot().at(60, 30), 0xFF000000u);
}

TEST(ComposeStacking, LaterControlCoversEarlierAndChildCoversContainer) {
    Screen s;
    Control& back = s.add(ControlKind::Box, 0, 0, 20, 20);
    back.setBackColor(kRed);
    Control& front = s.add(ControlKind::Box, 10, 10, 20, 20);
    front.setBackColor(kGreen);
    EXPECT_EQ(s.at(5, 5), rgb(kRed));
    EXPECT_EQ(s.at(15, 15), rgb(kGreen));

    Control& box = s.add(ControlKind::PictureBox, 40, 40, 30, 30);
    box.setBackColor(kWhite);
    Control& inner = s.add(ControlKind::Box, 5, 5, 5, 5, &box);
    inner.setBackColor(kBlue);
    EXPECT_EQ(s.at(46, 46), rgb(kBlue));
    EXPECT_EQ(s.at(41, 41), rgb(kWhite));
}

TEST(ComposeClipping, ChildrenStayInsideContainerAndWindow) {
    Screen s;
    Control& box = s.add(ControlKind::PictureBox, 10, 10, 20, 20);
    box.setBackColor(kWhite);
    Control& wide = s.add(ControlKind::Box, 10, 10, 50, 50, &box);
    wide.setBackColor(kRed);
    EXPECT_EQ(s.count(0, 0, 100, 80, kRed), 100);  // only the box's lower-right 10 x 10
    EXPECT_EQ(s.at(30, 30), rgb({0, 0, 128}));

    Control& outside = s.add(ControlKind::Box, 90, 70, 40, 40);
    outside.setBackColor(kGreen);
    EXPECT_EQ(s.count(0, 0, 100, 80, kGreen), 100);
    EXPECT_EQ(s.shot().at(110, 95), 0xFF000000u);
}

TEST(ComposeClipping, PictureBoxCutsItsPictureAtItsOwnSize) {
    Screen s;
    Control& box = s.add(ControlKind::PictureBox, 0, 0, 10, 10);
    box.setPicture(solidPicture(40, 40, kGreen));
    EXPECT_EQ(s.count(0, 0, 50, 50, kGreen), 100);
}

TEST(ComposeVisibility, HiddenContainerHidesChildrenThatStayVisible) {
    Screen s;
    Control& box = s.add(ControlKind::PictureBox, 10, 10, 20, 20);
    box.setBackColor(kWhite);
    Control& inner = s.add(ControlKind::Box, 0, 0, 5, 5, &box);
    inner.setBackColor(kRed);
    box.setVisible(false);
    EXPECT_TRUE(inner.visible());
    EXPECT_EQ(s.count(0, 0, 100, 80, kRed), 0);
    EXPECT_EQ(s.count(0, 0, 100, 80, kWhite), 0);
    box.setVisible(true);
    inner.setVisible(false);
    EXPECT_EQ(s.count(0, 0, 100, 80, kRed), 0);
    EXPECT_EQ(s.count(0, 0, 100, 80, kWhite), 400);
}

TEST(ComposeImages, TransparentPixelsShowWhatLiesBehind) {
    Screen s;
    Control& img = s.add(ControlKind::Image, 0, 0, 0, 0);
    img.setPicture(solidPicture(20, 10, kRed, true));
    EXPECT_EQ(s.count(0, 0, 20, 10, kRed), 100);
    EXPECT_EQ(s.at(2, 2), rgb({0, 0, 128}));
    EXPECT_EQ(s.at(12, 2), rgb(kRed));
}

TEST(ComposeImages, ImageWithoutPictureDrawsNothing) {
    Screen s;
    s.add(ControlKind::Image, 0, 0, 50, 50);
    EXPECT_EQ(s.count(0, 0, 100, 80, {0, 0, 128}), 8000);
}

}  // namespace
}  // namespace plat::testing
