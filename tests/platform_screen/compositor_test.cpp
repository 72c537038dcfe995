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

// An 8-bit picture, drawn through its palette: index (x + 3y) % 4 names
// red, green, blue or (in an image) transparent.
PictureRef indexedPicture(int w, int h) {
    auto pic = std::make_shared<Picture>();
    pic->width = w;
    pic->height = h;
    pic->palette.assign(256, 0xFF000000u);
    pic->palette[0] = rgb(kRed), pic->palette[1] = rgb(kGreen), pic->palette[2] = rgb(kBlue), pic->palette[3] = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) pic->indices.push_back(uint8_t((x + 3 * y) % 4));
    return pic;
}

TEST(ComposeImages, IndexedPicturesShowTheirPaletteColoursCutAndSeeThrough) {
    Screen s;
    Control& box = s.add(ControlKind::PictureBox, 5, 4, 9, 7);  // cuts the 13 x 11 picture
    box.setPicture(indexedPicture(13, 11));
    Control& img = s.add(ControlKind::Image, 40, 30, 0, 0);
    img.setPicture(indexedPicture(13, 11));
    Color behind{0, 0, 128};
    const Color colours[] = {kRed, kGreen, kBlue};
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 13; ++x) {
            int i = (x + 3 * y) % 4;
            Color inBox = i == 3 ? Color{0, 0, 0} : colours[i];
            if (x < 9 && y < 7) {
                EXPECT_EQ(s.at(5 + x, 4 + y), rgb(inBox)) << x << "," << y;
            }
            EXPECT_EQ(s.at(40 + x, 30 + y), rgb(i == 3 ? behind : colours[i])) << x << "," << y;
        }
    EXPECT_EQ(s.at(14, 4), rgb(behind));  // right of the box
    EXPECT_EQ(s.at(5, 11), rgb(behind));  // below it
}

TEST(ComposeImages, ImageWithoutPictureDrawsNothing) {
    Screen s;
    s.add(ControlKind::Image, 0, 0, 50, 50);
    EXPECT_EQ(s.count(0, 0, 100, 80, {0, 0, 128}), 8000);
}

}  // namespace
}  // namespace plat::testing
