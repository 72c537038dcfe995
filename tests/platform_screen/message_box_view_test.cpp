// The open message box: drawn over everything, centred, with its title bar,
// icon, prompt and buttons, and the rectangles that clicks are mapped with.
#include <gtest/gtest.h>

#include "platform/classic_controls.h"
#include "platform/message_box_view.h"
#include "screen_fixture.h"

namespace plat::testing {
namespace {

// Takes a screenshot while the box is open, then answers with its default.
class SnapshotBackend : public HeadlessBackend {
public:
    int runMessageBox(System& sys, MessageBox& box) override {
        compose(sys, fb);
        layout = layOutMessageBox(box, sys.screenWidthPx(), sys.screenHeightPx());
        focus = box.focus;
        return box.defaultAnswer();
    }
    Framebuffer fb;
    MessageBoxLayout layout;
    int focus = -1;
};

class MessageBoxView : public ::testing::Test {
protected:
    MessageBoxView() : sys(backend, 640, 480), form(sys, "f") {
        form.setWidth(640 * 15);
        form.setHeight(480 * 15);
        form.setBackColor(kGreen);
        form.show();
    }
    int count(const Rect& r, Color c) {
        int n = 0;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x) n += backend.fb.at(x, y) == rgb(c);
        return n;
    }
    int countDark(const Rect& r) {
        int n = 0;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x) n += (backend.fb.at(x, y) & 0xFFFFFF) < 0x606060;
        return n;
    }
    SnapshotBackend backend;
    System sys;
    Form form;
};

TEST_F(MessageBoxView, QuestionIsCentredOverTheWindowsWithIconAndTwoButtons) {
    EXPECT_EQ(sys.msgBox("Do you really want to quit Corvane", 276, "System message"), AnswerNo);
    const MessageBoxLayout& l = backend.layout;
    EXPECT_NEAR(l.box.x + l.box.w / 2.0, 320, 1);
    EXPECT_NEAR(l.box.y + l.box.h / 2.0, 240, 1);
    EXPECT_EQ(count(l.box, kGreen), 0);
    EXPECT_EQ(backend.fb.at(l.box.x - 1, l.box.y), rgb(kGreen));
    EXPECT_GT(count(l.titleBar, {0, 0, 128}), l.titleBar.w * l.titleBar.h / 2);
    EXPECT_GT(count(l.titleBar, kWhite), 20);  // the title
    EXPECT_GT(count(l.icon, kRed), 300);
    EXPECT_GT(count(l.icon, kWhite), 40);
    EXPECT_GT(countDark(l.prompt), 80);

    ASSERT_EQ(l.buttons.size(), 2u);
    EXPECT_EQ(l.buttons[0].y, l.buttons[1].y);
    EXPECT_LT(l.buttons[0].x + l.buttons[0].w, l.buttons[1].x);
    EXPECT_EQ(intersect(l.box, l.buttons[1]).w, l.buttons[1].w);
    EXPECT_EQ(backend.focus, 1);  // No, the second button
}

TEST_F(MessageBoxView, FocusedButtonIsOutlinedAndClicksFindTheirButton) {
    sys.msgBox("Do you really want to quit Corvane", 276, "System message");
    const MessageBoxLayout& l = backend.layout;
    const Rect& yes = l.buttons[0];
    const Rect& no = l.buttons[1];
    EXPECT_EQ(backend.fb.at(no.x, no.y), rgb(classic::dark));
    EXPECT_NE(backend.fb.at(yes.x, yes.y), rgb(classic::dark));
    EXPECT_EQ(l.buttonAt(yes.x + yes.w / 2, yes.y + yes.h / 2), 0);
    EXPECT_EQ(l.buttonAt(no.x + no.w - 1, no.y + no.h - 1), 1);
    EXPECT_EQ(l.buttonAt(no.x + no.w, no.y), -1);
    EXPECT_EQ(l.buttonAt(l.prompt.x, l.prompt.y), -1);
}

TEST_F(MessageBoxView, PlainMessageHasOneButtonAndNoIcon) {
    EXPECT_EQ(sys.msgBox("Please change font size to small in CONTROL PANEL - DISPLAY !", 0, "Corvane 95"), AnswerOk);
    const MessageBoxLayout& l = backend.layout;
    ASSERT_EQ(l.buttons.size(), 1u);
    EXPECT_EQ(l.icon.w, 0);
    EXPECT_EQ(count(l.box, kRed), 0);
    EXPECT_GE(l.prompt.x, l.box.x);
    EXPECT_LE(l.prompt.x + l.prompt.w, l.box.x + l.box.w);
    EXPECT_NEAR(l.buttons[0].x + l.buttons[0].w / 2.0, 320, 1);
}

TEST_F(MessageBoxView, ScreenIsClearAgainOnceAnswered) {
    sys.msgBox("Question", 276, "Title");
    Framebuffer after;
    compose(sys, after);
    const Rect& b = backend.layout.box;
    EXPECT_EQ(after.at(b.x + b.w / 2, b.y + b.h / 2), rgb(kGreen));
}

}  // namespace
}  // namespace plat::testing
