// Frames, option buttons, scroll bars and command buttons: the parts of their
// classic look that show their state.
#include <gtest/gtest.h>

#include "platform/classic_controls.h"
#include "screen_fixture.h"

namespace plat::testing {
namespace {

constexpr Color kNavy{0, 0, 128};

TEST(ClassicControls, OptionButtonShowsADotOnlyWhenSelected) {
    Screen s;
    Control& opt = s.add(ControlKind::OptionButton, 10, 10, 60, 20);
    opt.setBackColor(kNavy);
    opt.setCaption("On");
    // The radio is 12 x 12 at the left, centred in height: its middle is (16, 20).
    EXPECT_EQ(s.count(14, 18, 4, 4, classic::dark), 0);
    opt.setValue(true);
    EXPECT_EQ(s.count(14, 18, 4, 4, classic::dark), 12);  // a round dot
}

TEST(ClassicControls, FrameHoldsItsChildrenAndShowsItsCaptionOnItsBackColour) {
    Screen s;
    Control& frame = s.add(ControlKind::Frame, 5, 5, 60, 40);
    frame.setBackColor(kNavy);
    frame.setForeColor({255, 255, 192});
    frame.setFont({"MS Sans Serif", 12, true});
    frame.setCaption("Sound");
    Control& inner = s.add(ControlKind::Box, 50, 30, 40, 40, &frame);
    inner.setBackColor(kRed);
    EXPECT_EQ(s.count(0, 0, 100, 80, kRed), 10 * 10);
    EXPECT_GT(s.count(5, 5, 60, 16, {255, 255, 192}), 10);
    frame.setVisible(false);
    EXPECT_EQ(s.count(0, 0, 100, 80, kRed), 0);
}

TEST(ClassicControls, ScrollBarThumbFollowsThePosition) {
    Screen s;
    Control& bar = s.add(ControlKind::ScrollBar, 0, 0, 90, 18);
    bar.setRange(1, 10);
    // The thumb is a face-coloured square; the track between arrows is dithered.
    auto thumbLeft = [&] {
        for (int x = 19; x < 72; ++x)
            if (s.at(x, 9) == rgb(classic::face) && s.at(x + 1, 9) == rgb(classic::face)) return x;
        return -1;
    };
    bar.setPosition(1);
    int atMin = thumbLeft();
    bar.setPosition(10);
    int atMax = thumbLeft();
    // Arrows of 18 pixels at both ends: the thumb runs from 18 to 90 - 2 * 18,
    // its face starting inside a two-pixel bevel.
    EXPECT_EQ(atMin, 18 + 2);
    EXPECT_EQ(atMax, 54 + 2);
}

TEST(ClassicControls, DefaultCommandButtonHasADarkOutline) {
    Screen s;
    Control& button = s.add(ControlKind::CommandButton, 10, 10, 79, 41);
    button.setCaption("Return");
    EXPECT_NE(s.at(10, 10), rgb(classic::dark));
    s.form.defaultButton = &button;
    s.sys.invalidate();
    EXPECT_EQ(s.at(10, 10), rgb(classic::dark));
    EXPECT_EQ(s.at(88, 50), rgb(classic::dark));
    EXPECT_GT(s.count(20, 20, 59, 21, classic::dark), 10);  // the caption
}

}  // namespace
}  // namespace plat::testing
