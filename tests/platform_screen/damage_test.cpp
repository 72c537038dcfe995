// Redrawing only the damaged part of the screen gives the same screen as
// drawing all of it, whatever changed.
#include <gtest/gtest.h>

#include <functional>

#include "platform/focus.h"
#include "screen_fixture.h"

namespace plat::testing {
namespace {

struct Damage : ::testing::Test {
    Screen s;
    Framebuffer kept;  // updated only where damaged

    void SetUp() override {
        Control& box = s.add(ControlKind::PictureBox, 5, 5, 60, 50);
        box.setBackColor(kGreen);
        Control& img = s.add(ControlKind::Image, 10, 10, 0, 0, &box);
        img.setPicture(solidPicture(8, 8, kRed));
        Control& label = s.add(ControlKind::Label, 2, 60, 90, 14);
        label.setCaption("12345");
        label.setForeColor(kWhite);
        label.setOpaque(false);
        s.add(ControlKind::OptionButton, 70, 5, 25, 12).setCaption("On");
        s.add(ControlKind::OptionButton, 70, 20, 25, 12).setCaption("Off");
        Control& bar = s.add(ControlKind::ScrollBar, 2, 40, 60, 10);
        bar.setRange(1, 10);
        compose(s.sys, kept);
        s.sys.takeDamage();
    }

    // Applies the change, redraws the damaged part only, and compares.
    ::testing::AssertionResult sameAfter(const std::function<void()>& change) {
        change();
        Rect area = s.sys.takeDamage();
        compose(s.sys, kept, area);
        Framebuffer whole;
        compose(s.sys, whole);
        for (int y = 0; y < whole.h; ++y)
            for (int x = 0; x < whole.w; ++x)
                if (kept.at(x, y) != whole.at(x, y))
                    return ::testing::AssertionFailure() << "stale pixel at " << x << "," << y;
        return ::testing::AssertionSuccess();
    }

    Control& nth(int i) { return *s.form.find("c" + std::to_string(i)); }
};

TEST_F(Damage, MovesShowsHidesAndNewPicturesRedrawBothPlaces) {
    EXPECT_TRUE(sameAfter([&] { nth(2).move(40 * 15, 30 * 15); }));
    EXPECT_TRUE(sameAfter([&] { nth(2).setPicture(solidPicture(20, 12, kBlue)); }));
    EXPECT_TRUE(sameAfter([&] { nth(2).setVisible(false); }));
    EXPECT_TRUE(sameAfter([&] { nth(2).setVisible(true); }));
    EXPECT_TRUE(sameAfter([&] { nth(1).setVisible(false); }));  // a container and all in it
    EXPECT_TRUE(sameAfter([&] { nth(1).setVisible(true); }));
    EXPECT_TRUE(sameAfter([&] { nth(1).setBounds(0, 0, 30 * 15, 30 * 15); }));
}

TEST_F(Damage, TextsValuesAndLooksRedraw) {
    EXPECT_TRUE(sameAfter([&] { nth(3).setCaption("9"); }));
    EXPECT_TRUE(sameAfter([&] { nth(3).setOpaque(true); }));
    EXPECT_TRUE(sameAfter([&] { nth(3).setBorder(true); }));
    EXPECT_TRUE(sameAfter([&] { nth(5).setValue(true); }));
    EXPECT_TRUE(sameAfter([&] { nth(4).setValue(true); }));  // clears the other of the group
    EXPECT_TRUE(sameAfter([&] { nth(6).setPosition(7); }));
    EXPECT_TRUE(sameAfter([&] { nth(1).setBackColor(kRed); }));
}

TEST_F(Damage, FocusMarksAndHeldControlsRedraw) {
    setTabOrder(s.form, {&nth(4), &nth(5), &nth(6)});
    Form other(s.sys, "other");
    other.setLeft(150 * 15);
    other.setWidth(40 * 15);
    other.setHeight(40 * 15);
    other.show();
    auto send = [&](InputEvent::Type type, int x, int y) {
        s.sys.post({type, LeftButton, 0, x, y});
        s.sys.DoEvents();
    };
    EXPECT_TRUE(sameAfter([&] { send(InputEvent::Type::MouseDown, 85, 45); }));  // focus and value
    EXPECT_TRUE(sameAfter([&] { send(InputEvent::Type::MouseUp, 85, 45); }));
    EXPECT_TRUE(sameAfter([&] { send(InputEvent::Type::MouseDown, 160, 10); }));  // the other window
    EXPECT_TRUE(sameAfter([&] { send(InputEvent::Type::MouseDown, 70, 65); }));   // a scroll arrow held
    EXPECT_TRUE(sameAfter([&] { send(InputEvent::Type::MouseUp, 70, 65); }));
    EXPECT_TRUE(sameAfter([&] {
        s.sys.post({InputEvent::Type::KeyDown, KeyTab, ShiftMask, 0, 0});
        s.sys.DoEvents();
    }));
}

TEST_F(Damage, WindowChangesRedrawTheWholeScreen) {
    EXPECT_TRUE(sameAfter([&] { s.form.setLeft(30 * 15); }));
    EXPECT_TRUE(sameAfter([&] { s.form.hide(); }));
    Rect area = s.sys.takeDamage();
    EXPECT_EQ(area.w, 0);  // nothing changed since
    EXPECT_TRUE(sameAfter([&] { s.form.show(); }));
}

TEST_F(Damage, ChangesToHiddenControlsDamageNothing) {
    nth(1).setVisible(false);
    s.sys.takeDamage();
    nth(2).move(0, 0);
    nth(2).setPicture(solidPicture(30, 30, kBlue));
    EXPECT_EQ(s.sys.takeDamage().w, 0);
}

}  // namespace
}  // namespace plat::testing
