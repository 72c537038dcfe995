// Frames, option buttons, scroll bars and command buttons: the parts of their
// classic look that show their state, and how they answer a held button and
// the keyboard focus.
#include <gtest/gtest.h>

#include "platform/classic_controls.h"
#include "platform/focus.h"
#include "platform/held_press.h"
#include "screen_fixture.h"

namespace plat::testing {
namespace {

constexpr Color kNavy{0, 0, 128}, kYellow{255, 255, 0};
using T = InputEvent::Type;

// A mouse event at a point of the form, handled at once.
void send(Screen& s, T type, int x, int y) {
    s.sys.post({type, LeftButton, 0, 10 + x, 20 + y});
    s.sys.DoEvents();
}
void key(Screen& s, int code, int shift = 0) {
    s.sys.post({T::KeyDown, code, shift, 0, 0});
    s.sys.DoEvents();
}
// Virtual time passes, timers firing as they fall due.
void after(Screen& s, int ms) { s.sys.runUntil(s.sys.now() + ms); }

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

TEST(ClassicControls, CommandButtonIsPushedInWhileHeldOnItAndClicksOnlyOnItsRelease) {
    Screen s;
    Control& button = s.add(ControlKind::CommandButton, 10, 10, 79, 41);
    button.setCaption("Return");
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    auto pushedIn = [&] { return s.at(10, 10) == rgb(classic::shadow) && s.at(88, 50) == rgb(classic::shadow); };
    auto raisedUp = [&] { return s.at(10, 10) == rgb(classic::light) && s.at(88, 50) == rgb(classic::dark); };
    EXPECT_TRUE(raisedUp());
    send(s, T::MouseDown, 40, 30);
    EXPECT_TRUE(pushedIn());
    send(s, T::MouseMove, 95, 30);  // off it, the button still held
    EXPECT_TRUE(raisedUp());
    send(s, T::MouseMove, 50, 20);
    EXPECT_TRUE(pushedIn());
    send(s, T::MouseMove, 95, 70);
    send(s, T::MouseUp, 95, 70);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(raisedUp());
    send(s, T::MouseDown, 40, 30);
    send(s, T::MouseUp, 40, 30);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(raisedUp());
}

TEST(ClassicControls, TheFocusedControlOfTheActiveWindowShowsADottedRectangleThatTabMoves) {
    Screen s;
    Control& option = s.add(ControlKind::OptionButton, 5, 5, 60, 20);
    option.setBackColor(kNavy);
    option.setForeColor(kYellow);
    option.setCaption("On");
    Control& bar = s.add(ControlKind::ScrollBar, 5, 30, 90, 18);
    bar.setRange(1, 10);
    Control& button = s.add(ControlKind::CommandButton, 10, 52, 79, 24);
    button.setCaption("Go");
    setTabOrder(s.form, {&option, &bar, &button});
    // Dots left of the caption (12-pixel radio, 5-pixel gap), along the top
    // inside the thumb (a 2-pixel bevel, 1 more) and inside the button.
    auto optionMark = [&] { return s.count(5 + 15, 5, 1, 20, kYellow); };
    auto thumbMark = [&] { return s.count(5 + 18 + 3, 30 + 3, 12, 1, classic::dark); };
    auto buttonMark = [&] { return s.count(10 + 4, 52 + 4, 71, 1, classic::dark); };
    EXPECT_GT(optionMark(), 3);
    EXPECT_EQ(thumbMark(), 0);
    EXPECT_EQ(buttonMark(), 0);
    key(s, KeyTab);
    EXPECT_EQ(optionMark(), 0);
    EXPECT_EQ(thumbMark(), 7);
    key(s, KeyTab);
    EXPECT_EQ(thumbMark(), 0);
    EXPECT_GE(buttonMark(), 35);
    key(s, KeyTab, ShiftMask);
    EXPECT_EQ(thumbMark(), 7);
    // Another window in front takes the mark away; a click brings it back.
    Form other(s.sys, "other");
    other.setLeft(150 * 15);
    other.setWidth(40 * 15);
    other.setHeight(40 * 15);
    other.show();
    EXPECT_EQ(thumbMark(), 0);
    send(s, T::MouseDown, 80, 5);
    send(s, T::MouseUp, 80, 5);
    EXPECT_EQ(thumbMark(), 7);
}

TEST(ClassicControls, DraggedThumbFollowsThePointerAndReportsTheChangeOnRelease) {
    Screen s;
    Control& bar = s.add(ControlKind::ScrollBar, 0, 30, 90, 18);
    bar.setRange(0, 3);  // a 36-pixel track from x 18: 12 pixels a step
    int changes = 0;
    bar.onChange = [&] { ++changes; };
    auto thumbAt = [&](int x) { return s.at(x, 39) == rgb(classic::light) && s.at(x + 17, 39) == rgb(classic::dark); };
    EXPECT_TRUE(thumbAt(18));
    send(s, T::MouseDown, 25, 39);
    send(s, T::MouseMove, 54, 45);  // 29 pixels on: nearest to value 2
    EXPECT_TRUE(thumbAt(47));
    EXPECT_EQ(bar.position(), 2);
    EXPECT_EQ(changes, 0);
    send(s, T::MouseMove, 190, 80);  // the thumb stops at the track's end
    EXPECT_TRUE(thumbAt(54));
    EXPECT_EQ(bar.position(), 3);
    send(s, T::MouseMove, 44, 39);
    send(s, T::MouseUp, 44, 39);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(bar.position(), 2);
    EXPECT_TRUE(thumbAt(42));  // at its value's place
}

TEST(ClassicControls, HeldArrowOrTrackRepeatsAfterADelayUntilReleasedOrTheThumbReachesThePointer) {
    Screen s;
    Control& bar = s.add(ControlKind::ScrollBar, 0, 30, 90, 18);
    bar.setRange(1, 10);  // a 36-pixel track from x 18: 4 pixels a step
    auto arrowPushed = [&] { return s.at(72, 30) == rgb(classic::shadow); };
    send(s, T::MouseDown, 80, 39);  // the right arrow
    EXPECT_EQ(bar.position(), 2);
    EXPECT_TRUE(arrowPushed());
    after(s, HeldPress::kFirstRepeatMs - 1);
    EXPECT_EQ(bar.position(), 2);
    after(s, 1);
    EXPECT_EQ(bar.position(), 3);
    after(s, HeldPress::kRepeatMs);
    EXPECT_EQ(bar.position(), 4);
    send(s, T::MouseMove, 80, 60);  // off the arrow: no steps meanwhile
    EXPECT_FALSE(arrowPushed());
    after(s, 500);
    EXPECT_EQ(bar.position(), 4);
    send(s, T::MouseUp, 80, 60);
    after(s, 500);
    EXPECT_EQ(bar.position(), 4);

    // The track right of the thumb: a page at a time until the thumb
    // (18 + 4 steps from value 1, 18 wide) lies under the pointer at x 60.
    bar.setPosition(1);
    send(s, T::MouseDown, 60, 39);
    EXPECT_EQ(s.at(60, 39), rgb(classic::dark));  // the held page area
    after(s, 2000);
    EXPECT_EQ(bar.position(), 8);
    EXPECT_TRUE(s.at(60, 39) != rgb(classic::dark));
    send(s, T::MouseUp, 60, 39);
}

}  // namespace
}  // namespace plat::testing
