// The SDL backend's input path with events pushed through SDL's own queue
// (dummy video driver): what a message box takes, and double-clicks.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/system.h"

namespace plat::sdl {
namespace {

void push(SDL_Event e) { ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError(); }

void key(Uint32 type, SDL_Keycode sym, SDL_Scancode scancode, bool repeat = false) {
    SDL_Event e{};
    e.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.repeat = repeat;
    e.key.keysym.sym = sym;
    e.key.keysym.scancode = scancode;
    push(e);
}
void text(const char* typed) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    SDL_strlcpy(e.text.text, typed, sizeof e.text.text);
    push(e);
}
// A key as X delivers it: down, its text (if any), up.
void typeKey(SDL_Keycode sym, SDL_Scancode scancode, const char* typed) {
    key(SDL_KEYDOWN, sym, scancode);
    if (typed) text(typed);
    key(SDL_KEYUP, sym, scancode);
}
void click(int x, int y, int clicks) {
    SDL_Event e{};
    e.button.button = SDL_BUTTON_LEFT;
    e.button.clicks = Uint8(clicks);
    e.button.x = x;
    e.button.y = y;
    e.type = SDL_MOUSEBUTTONDOWN;
    push(e);
    e.type = SDL_MOUSEBUTTONUP;
    push(e);
}

// A 640 x 480 window on the dummy driver with one form covering it that
// records what reaches it.
class BackendInput : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        backend_ = std::make_unique<SdlBackend>(DisplayMode{640, 480, false}, "/nonexistent", "/nonexistent");
        sys_ = std::make_unique<System>(*backend_, 640, 480);
        form_ = std::make_unique<Form>(*sys_, "window");
        form_->setWidth(640 * 15);
        form_->setHeight(480 * 15);
        form_->show();
        form_->onKeyDown = [this](int code, int) { keys.push_back(code); };
        form_->onKeyPress = [this](int c) { chars.push_back(c); };
        form_->onMouseDown = [this](int, int, double, double) { events.push_back("press"); };
        form_->onDblClick = [this] { events.push_back("double"); };
        sys_->DoEvents();  // the window's own events
    }
    void TearDown() override {
        form_.reset();
        sys_.reset();
        backend_.reset();
        SDL_Quit();
    }

    std::unique_ptr<SdlBackend> backend_;
    std::unique_ptr<System> sys_;
    std::unique_ptr<Form> form_;
    std::vector<int> keys, chars;
    std::vector<std::string> events;
};

// Escape opens the quit question; the answering key, pressed while it is
// open, comes with its text, a repeat and its release; then A is typed.
TEST_F(BackendInput, TheKeyThatAnswersTheBoxIsTheBoxsWhole) {
    struct Answer {
        SDL_Keycode sym;
        SDL_Scancode scancode;
        const char* text;
    };
    for (Answer a : {Answer{SDLK_n, SDL_SCANCODE_N, "n"}, Answer{SDLK_SPACE, SDL_SCANCODE_SPACE, " "}}) {
        keys.clear();
        chars.clear();
        int answer = 0;
        form_->onKeyDown = [&](int code, int) {
            keys.push_back(code);
            if (code != 27) return;
            key(SDL_KEYDOWN, a.sym, a.scancode);
            text(a.text);
            key(SDL_KEYDOWN, a.sym, a.scancode, true);
            text(a.text);
            key(SDL_KEYUP, a.sym, a.scancode);
            typeKey(SDLK_a, SDL_SCANCODE_A, "a");
            answer = sys_->msgBox("Quit?", 276, "System message");
        };
        typeKey(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, nullptr);
        sys_->DoEvents();
        sys_->DoEvents();
        EXPECT_EQ(answer, AnswerNo) << a.text;
        EXPECT_EQ(keys, (std::vector<int>{27, 'A'})) << a.text;
        EXPECT_EQ(chars, (std::vector<int>{27, 'a'})) << a.text;  // Escape's own character stays the window's
    }
}

TEST_F(BackendInput, ASecondClickIsADoubleClickOnlyWithinTwoPixels) {
    click(100, 100, 1);
    click(120, 100, 2);  // SDL counts it as its second click
    click(300, 300, 1);
    click(302, 298, 2);
    click(302, 298, 3);  // after a double-click a press starts afresh
    click(305, 298, 4);  // three pixels away
    click(305, 298, 1);  // in place, but SDL's double-click time had passed
    sys_->DoEvents();
    EXPECT_EQ(events, (std::vector<std::string>{"press", "press", "press", "double", "press", "press", "press"}));
}

}  // namespace
}  // namespace plat::sdl
