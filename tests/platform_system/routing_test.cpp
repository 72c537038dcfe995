// Where keys and mouse actions go: the active window, the front-most enabled
// visible control, the pressed control while a button is held.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/form.h"
#include "platform/headless/headless_backend.h"
#include "platform/input.h"
#include "platform/system.h"

namespace {

using plat::ControlKind;
using plat::InputEvent;
using T = InputEvent::Type;

struct Routing : ::testing::Test {
    plat::HeadlessBackend backend;
    plat::System sys{backend, 800, 600};
    plat::Form win{sys, "win"};
    std::vector<std::string> log;

    void SetUp() override {
        win.setWidth(400 * 15);
        win.setHeight(300 * 15);
        win.setLeft(100 * 15);
        win.setTop(100 * 15);
        record(win, "win");
        win.show();
    }
    // Logs every mouse event of a window or a control under its name.
    template <typename Target>
    void logMouse(Target& t, const std::string& name) {
        t.onMouseDown = [this, name](int b, int, double x, double y) {
            log.push_back(name + ".down" + std::to_string(b) + "@" + std::to_string(int(x)) + "," +
                          std::to_string(int(y)));
        };
        t.onMouseUp = [this, name](int, int, double, double) { log.push_back(name + ".up"); };
        t.onClick = [this, name] { log.push_back(name + ".click"); };
        t.onDblClick = [this, name] { log.push_back(name + ".dbl"); };
        t.onMouseMove = [this, name](int, int, double, double) { log.push_back(name + ".move"); };
    }
    void record(plat::Form& f, const std::string& name) {
        logMouse(f, name);
        f.onKeyDown = [this, name](int k, int) { log.push_back(name + ".key" + std::to_string(k)); };
        f.onKeyPress = [this, name](int c) { log.push_back(name + ".char" + std::to_string(c)); };
    }
    plat::Control& box(const std::string& name, int x, int y, int w, int h, plat::Control* parent = nullptr) {
        plat::Control& c = win.add(ControlKind::PictureBox, name, parent);
        c.setBounds(x * 15, y * 15, w * 15, h * 15);
        logMouse(c, name);
        return c;
    }
    void send(T type, int x, int y, int button = 1) {
        sys.post(InputEvent{type, button, 0, x, y});
        sys.DoEvents();
    }
    void key(int code, int ch) {
        sys.post(InputEvent{T::KeyDown, code, 0, 0, 0});
        if (ch >= 0) sys.post(InputEvent{T::Char, ch, 0, 0, 0});
        sys.DoEvents();
    }
};

// The screen they land on is what the whole screen's picture can hold.
TEST(Screen, OneTo16384PixelsEachWayAndNoMore) {
    plat::HeadlessBackend backend;
    EXPECT_NO_THROW(plat::System(backend, plat::kLargestScreenPx, 1));
    EXPECT_NO_THROW(plat::System(backend, 1, plat::kLargestScreenPx));
    for (auto [w, h] : {std::pair{16385, 600}, {800, 16385}, {100000, 100000}, {0, 600}, {800, -1}})
        EXPECT_THROW(plat::System(backend, w, h), std::length_error) << w << " x " << h;
}

TEST_F(Routing, FrontMostEnabledVisibleControlTakesThePressInItsOwnTwips) {
    box("back", 10, 10, 100, 100);
    plat::Control& front = box("front", 50, 50, 100, 100);
    send(T::MouseDown, 100 + 60, 100 + 70);
    send(T::MouseUp, 160, 170);
    EXPECT_EQ(log, (std::vector<std::string>{"front.down1@150,300", "front.up", "front.click"}));
    log.clear();
    front.setEnabled(false);
    send(T::MouseDown, 160, 170, 2);
    EXPECT_EQ(log, (std::vector<std::string>{"back.down2@750,900"}));
    log.clear();
    send(T::MouseUp, 160, 170, 2);
    front.setVisible(false);
    box("child", 0, 0, 20, 20, &front).setVisible(true);
    send(T::MouseDown, 151, 151);  // the child of a hidden container takes nothing
    EXPECT_EQ(log, (std::vector<std::string>{"back.up", "back.click", "back.down1@615,615"}));
}

TEST_F(Routing, BareWindowTakesWhatNoControlTakes) {
    box("c", 10, 10, 10, 10);
    send(T::MouseDown, 300, 300);
    EXPECT_EQ(log, (std::vector<std::string>{"win.down1@3000,3000"}));
}

TEST_F(Routing, MovesFollowThePressedControlWhileAButtonIsHeld) {
    box("a", 0, 0, 50, 50);
    box("b", 100, 0, 50, 50);
    send(T::MouseDown, 110, 110);
    send(T::MouseMove, 210, 110);  // over b, but a holds the mouse
    send(T::MouseUp, 210, 110);    // released elsewhere: no click
    send(T::MouseMove, 210, 110);
    EXPECT_EQ(log, (std::vector<std::string>{"a.down1@150,150", "a.move", "a.up", "b.move"}));
}

TEST_F(Routing, DoubleClickIsAPressThenADoubleClickEventWithoutASecondClick) {
    box("a", 0, 0, 50, 50);
    send(T::MouseDown, 110, 110);
    send(T::MouseUp, 110, 110);
    send(T::DblClick, 110, 110);
    send(T::MouseUp, 110, 110);
    EXPECT_EQ(log, (std::vector<std::string>{"a.down1@150,150", "a.up", "a.click", "a.dbl", "a.up"}));
}

TEST_F(Routing, KeysGoToTheActiveWindowOnlyKeyDownFirst) {
    plat::Form other(sys, "other");
    record(other, "other");
    key(plat::KeyReturn, 13);
    other.setWidth(150);
    other.setHeight(150);
    other.show();  // now active
    key('P', 'p');
    other.hide();  // the game window is active again
    key(plat::KeyLeft, -1);
    EXPECT_EQ(log, (std::vector<std::string>{"win.key13", "win.char13", "other.key80", "other.char112", "win.key37"}));
}

TEST_F(Routing, DisabledWindowTakesNoInputAndStaysVisible) {
    win.setEnabled(false);
    send(T::MouseDown, 150, 150);
    key('S', 's');
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(win.visible());
}

TEST_F(Routing, ScrollBarMovesByItsStepsAndStopsAtItsEnds) {
    plat::Control& bar = win.add(ControlKind::ScrollBar, "bar");
    bar.setBounds(0, 0, 180 * 15, 18 * 15);
    bar.setRange(1, 10);
    bar.setSteps(1, 1);
    int changes = 0;
    bar.onChange = [&] { ++changes; };
    send(T::MouseDown, 100 + 175, 105);  // right arrow
    send(T::MouseUp, 100 + 175, 105);
    EXPECT_EQ(bar.position(), 2);
    send(T::MouseDown, 100 + 3, 105);  // left arrow
    send(T::MouseUp, 100 + 3, 105);
    send(T::MouseDown, 100 + 3, 105);  // already at its lower end
    send(T::MouseUp, 100 + 3, 105);
    EXPECT_EQ(bar.position(), 1);
    EXPECT_EQ(changes, 2);
    send(T::MouseDown, 100 + 150, 105);  // the track right of the thumb
    send(T::MouseUp, 100 + 150, 105);
    EXPECT_EQ(bar.position(), 2);
    send(T::MouseDown, 100 + 175, 105);  // a quick double-click on an arrow moves it twice
    send(T::MouseUp, 100 + 175, 105);
    send(T::DblClick, 100 + 175, 105);
    send(T::MouseUp, 100 + 175, 105);
    EXPECT_EQ(bar.position(), 4);
}

TEST_F(Routing, DoubleClickOnACommandButtonClicksItTwice) {
    plat::Control& button = win.add(ControlKind::CommandButton, "ok");
    button.setBounds(0, 0, 80 * 15, 30 * 15);
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    send(T::MouseDown, 110, 110);
    send(T::MouseUp, 110, 110);
    send(T::DblClick, 110, 110);
    send(T::MouseUp, 110, 110);
    EXPECT_EQ(clicks, 2);
}

TEST_F(Routing, OptionButtonsOfOneContainerFormAGroup) {
    plat::Control& frame = win.add(ControlKind::Frame, "frame");
    frame.setBounds(0, 0, 200 * 15, 100 * 15);
    plat::Control& a = win.add(ControlKind::OptionButton, "a", &frame);
    plat::Control& b = win.add(ControlKind::OptionButton, "b", &frame);
    a.setBounds(0, 0, 50 * 15, 20 * 15);
    b.setBounds(60 * 15, 0, 50 * 15, 20 * 15);
    int clicksB = 0;
    b.onClick = [&] { ++clicksB; };
    a.setValue(true);
    send(T::MouseDown, 170, 110);
    send(T::MouseUp, 170, 110);
    EXPECT_TRUE(b.value());
    EXPECT_FALSE(a.value());
    EXPECT_EQ(clicksB, 1);
    send(T::MouseDown, 170, 110, 2);  // the right button does not select
    send(T::MouseUp, 170, 110, 2);
    EXPECT_EQ(clicksB, 1);
}

TEST_F(Routing, ArrayElementIsAHiddenCopyAtItsTemplatesLayer) {
    plat::Control& templ = box("cell", 0, 0, 10, 10);
    box("onTop", 0, 0, 10, 10);
    plat::Control& e = win.loadElement(templ, 33);
    EXPECT_FALSE(e.visible());
    EXPECT_EQ(win.find("cell", 33), &e);
    EXPECT_EQ(win.children()[1], &e);  // behind "onTop"
    EXPECT_THROW(win.loadElement(templ, 33), std::logic_error);
}

}  // namespace
