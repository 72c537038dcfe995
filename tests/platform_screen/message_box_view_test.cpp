// The open message box: drawn over everything, centred, with its title bar,
// icon, prompt and buttons, and the rectangles that clicks are mapped with.
#include <gtest/gtest.h>

#include "platform/classic_controls.h"
#include "platform/media/fonts.h"
#include "platform/message_box_view.h"
#include "platform/text_wrap.h"
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

// The message that stops the start names a picture by its whole path: on an
// 800 x 600 screen the box keeps within the screen, its title shows and the
// prompt, broken into lines, shows from its first word to its last.
TEST(MessageBoxOnASmallScreen, LongPromptIsBrokenIntoLinesThatFitTheScreen) {
    SnapshotBackend backend;
    System sys(backend, 800, 600);
    Form form(sys, "f");
    form.setWidth(800 * 15);
    form.setHeight(600 * 15);
    form.setBackColor(kGreen);
    form.show();
    std::string folder = "/home/somebody/a-rather-long-folder-name-for-games/and/another/deeper/one/" +
                         std::string(60, 'p') + "/corvane-1.0/pictures";
    std::string prompt = "Corvane cannot start: the picture file \"" + folder +
                         "/visual.bmp\" is missing or unreadable.";
    sys.msgBox(prompt, MbCritical, "Corvane");
    const MessageBoxLayout& l = backend.layout;
    const Framebuffer& fb = backend.fb;

    EXPECT_GE(l.box.x, 8);
    EXPECT_LE(l.box.x + l.box.w, 800 - 8);
    ASSERT_GE(l.lines.size(), 3u);
    std::string joined, unbroken;
    for (const std::string& line : l.lines) joined += line;
    for (char c : prompt) unbroken += c == ' ' ? "" : std::string(1, c);
    std::erase(joined, ' ');
    EXPECT_EQ(joined, unbroken);  // every character shows, in order
    EXPECT_EQ(l.lines.front(), "Corvane cannot start: the picture file");
    EXPECT_EQ(l.lines.back().substr(l.lines.back().size() - 11), "unreadable.");
    EXPECT_EQ(intersect(l.box, l.prompt).w, l.prompt.w);
    EXPECT_GT(l.prompt.w, 600);  // lines as wide as the screen allows

    int lineH = l.prompt.h / int(l.lines.size());
    auto dark = [&](const Rect& r) {
        int n = 0;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x) n += (fb.at(x, y) & 0xFFFFFF) < 0x606060;
        return n;
    };
    for (size_t i = 0; i < l.lines.size(); ++i)
        EXPECT_GT(dark({l.prompt.x, l.prompt.y + int(i) * lineH, l.prompt.w, lineH}), 30) << "line " << i;
    int title = 0, outside = 0;
    for (int y = l.titleBar.y; y < l.titleBar.y + l.titleBar.h; ++y)
        for (int x = l.titleBar.x; x < l.titleBar.x + 60; ++x) title += fb.at(x, y) == rgb(kWhite);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) outside += !l.box.contains(x, y) && fb.at(x, y) != rgb(kGreen);
    EXPECT_GT(title, 20);
    EXPECT_EQ(outside, 0);
}

// Lines break at blanks, inside a word too long for a line, and at line feeds.
TEST(WrapText, BreaksAtBlanksInsideLongWordsAndAtLineFeeds) {
    const Font f{"MS Sans Serif", 8.25, false};
    using Lines = std::vector<std::string>;
    EXPECT_EQ(wrapText(f, "aaa bbb ccc", textWidth(f, "aaa bbb")), (Lines{"aaa bbb", "ccc"}));
    EXPECT_EQ(wrapText(f, "aaa bbb ccc", textWidth(f, "aaa bbb") - 1), (Lines{"aaa", "bbb", "ccc"}));
    EXPECT_EQ(wrapText(f, "one\ntwo three", 1000), (Lines{"one", "two three"}));
    EXPECT_EQ(wrapText(f, "", 100), (Lines{""}));
    EXPECT_EQ(wrapText(f, "wide", 1), (Lines{"w", "i", "d", "e"}));  // one character at least

    // A word too long for a line fills lines to the last character that
    // fits; its rest begins the next line, which goes on as usual.
    std::string path = "ab /" + std::string(40, 'x') + "/" + std::string(40, 'y') + " end";
    std::string unbroken = "ab/" + std::string(40, 'x') + "/" + std::string(40, 'y') + "end";
    int width = textWidth(f, "xxxxxxxxxx");
    Lines lines = wrapText(f, path, width);
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines.front(), "ab");
    EXPECT_TRUE(lines.back().ends_with(" end")) << lines.back();
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LE(textWidth(f, lines[i]), width) << lines[i];
        std::string line = lines[i];
        std::erase(line, ' ');
        joined += line;
        if (i > 0 && i + 1 < lines.size()) {  // a full line: the word's next character would not fit
            EXPECT_GT(textWidth(f, lines[i] + unbroken[joined.size()]), width) << lines[i];
        }
    }
    EXPECT_EQ(joined, unbroken);
}

}  // namespace
}  // namespace plat::testing
