// The SDL backend's input mapping: virtual key codes, shift states, typed
// characters and mouse buttons, and the choice of window.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/display_mode.h"
#include "platform/sdl/key_map.h"

namespace plat::sdl {
namespace {

TEST(KeyMap, KeysTheGameReadsGetTheirVirtualCodes) {
    EXPECT_EQ(virtualKeyOf(SDLK_LEFT), 37);
    EXPECT_EQ(virtualKeyOf(SDLK_UP), 38);
    EXPECT_EQ(virtualKeyOf(SDLK_RIGHT), 39);
    EXPECT_EQ(virtualKeyOf(SDLK_DOWN), 40);
    EXPECT_EQ(virtualKeyOf(SDLK_RETURN), 13);
    EXPECT_EQ(virtualKeyOf(SDLK_KP_ENTER), 13);
    EXPECT_EQ(virtualKeyOf(SDLK_ESCAPE), 27);
    EXPECT_EQ(virtualKeyOf(SDLK_BACKSPACE), 8);
    EXPECT_EQ(virtualKeyOf(SDLK_TAB), 9);
    EXPECT_EQ(virtualKeyOf(SDLK_SPACE), 32);
}

TEST(KeyMap, LettersAreUpperCaseAndDigitsTheirCharacters) {
    EXPECT_EQ(virtualKeyOf(SDLK_a), 'A');
    EXPECT_EQ(virtualKeyOf(SDLK_p), 'P');
    EXPECT_EQ(virtualKeyOf(SDLK_z), 'Z');
    EXPECT_EQ(virtualKeyOf(SDLK_0), '0');
    EXPECT_EQ(virtualKeyOf(SDLK_9), '9');
    EXPECT_EQ(virtualKeyOf(SDLK_KP_0), 96);
    EXPECT_EQ(virtualKeyOf(SDLK_KP_9), 105);
    EXPECT_EQ(virtualKeyOf(SDLK_F1), 112);
    EXPECT_EQ(virtualKeyOf(SDLK_APPLICATION), 0);
}

// SDL names a keypad key by its digit whether Num Lock is on or off; some
// versions name it by its arrow instead. The scancode and the lock decide.
TEST(KeyMap, KeypadIsArrowsWithNumLockOffAndDigitsWithItOn) {
    auto keypad = [](SDL_Scancode scancode, SDL_Keycode sym, Uint16 mod) {
        SDL_Keysym k{};
        k.scancode = scancode;
        k.sym = sym;
        k.mod = mod;
        return virtualKeyOf(k);
    };
    EXPECT_EQ(keypad(SDL_SCANCODE_KP_4, SDLK_KP_4, KMOD_NONE), 37);
    EXPECT_EQ(keypad(SDL_SCANCODE_KP_6, SDLK_KP_6, KMOD_NONE), 39);
    EXPECT_EQ(keypad(SDL_SCANCODE_KP_8, SDLK_KP_8, KMOD_LSHIFT), 38);
    EXPECT_EQ(keypad(SDL_SCANCODE_KP_2, SDLK_DOWN, KMOD_NONE), 40);
    EXPECT_EQ(keypad(SDL_SCANCODE_KP_7, SDLK_KP_7, KMOD_NONE), 36);
    EXPECT_EQ(keypad(SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, KMOD_NONE), 46);
    EXPECT_EQ(keypad(SDL_SCANCODE_KP_4, SDLK_KP_4, KMOD_NUM), 100);
    EXPECT_EQ(keypad(SDL_SCANCODE_KP_6, SDLK_KP_6, KMOD_NUM), 102);
    EXPECT_EQ(keypad(SDL_SCANCODE_KP_8, SDLK_KP_8, KMOD_NUM | KMOD_CAPS), 104);
    EXPECT_EQ(keypad(SDL_SCANCODE_KP_2, SDLK_KP_2, KMOD_NUM), 98);
    EXPECT_EQ(keypad(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, KMOD_NONE), 13);
    EXPECT_EQ(keypad(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, KMOD_NUM), 13);
    EXPECT_EQ(keypad(SDL_SCANCODE_LEFT, SDLK_LEFT, KMOD_NUM), 37);  // the arrow keys ignore the lock
    EXPECT_EQ(keypad(SDL_SCANCODE_4, SDLK_4, KMOD_NONE), '4');
}

TEST(KeyMap, ShiftStateAddsShiftCtrlAndAlt) {
    EXPECT_EQ(shiftStateOf(KMOD_NONE), 0);
    EXPECT_EQ(shiftStateOf(KMOD_LSHIFT), 1);
    EXPECT_EQ(shiftStateOf(KMOD_RCTRL), 2);
    EXPECT_EQ(shiftStateOf(KMOD_LALT), 4);
    EXPECT_EQ(shiftStateOf(KMOD_RSHIFT | KMOD_LCTRL | KMOD_RALT | KMOD_NUM), 7);
}

TEST(KeyMap, OnlyBackspaceReturnAndEscapeMakeTheirOwnCharacter) {
    EXPECT_EQ(characterOfKey(8), 8);
    EXPECT_EQ(characterOfKey(13), 13);
    EXPECT_EQ(characterOfKey(27), 27);
    EXPECT_EQ(characterOfKey(37), -1);
    EXPECT_EQ(characterOfKey('A'), -1);  // letters come as text input
    EXPECT_EQ(characterOfKey(9), -1);
}

TEST(KeyMap, TypedTextBecomesWindows1252) {
    EXPECT_EQ(charactersOfText("a"), "a");
    EXPECT_EQ(charactersOfText("\xC3\x84"), "\xC4");  // A diaeresis
    EXPECT_EQ(charactersOfText("\xE2\x82\xAC"), "\x80");
    EXPECT_EQ(charactersOfText("\xE4\xB8\xAD"), "");  // a CJK character
    EXPECT_EQ(charactersOfText(nullptr), "");
}

TEST(KeyMap, MouseButtonsAndHeldButtons) {
    EXPECT_EQ(mouseButtonOf(SDL_BUTTON_LEFT), 1);
    EXPECT_EQ(mouseButtonOf(SDL_BUTTON_RIGHT), 2);
    EXPECT_EQ(mouseButtonOf(SDL_BUTTON_MIDDLE), 4);
    EXPECT_EQ(mouseButtonOf(SDL_BUTTON_X1), 0);
    EXPECT_EQ(heldButtonsOf(0), 0);
    EXPECT_EQ(heldButtonsOf(SDL_BUTTON_LMASK | SDL_BUTTON_RMASK), 3);
    EXPECT_EQ(heldButtonsOf(SDL_BUTTON_MMASK), 4);
}

TEST(DisplayModeChoice, WholeDisplayUnlessAWindowIsAskedFor) {
    // Full screen: the display over the largest whole number k leaving
    // 640 x 480; shown larger, narrowed so that the game window stands an
    // even margin from either edge, k times as large it is centred on the
    // display to the pixel.
    struct Case {
        int displayW, displayH, w, h;
    };
    for (Case c : {Case{1920, 1080, 960, 540}, Case{2560, 1440, 852, 480}, Case{2560, 1600, 852, 532},
                   Case{3840, 2160, 960, 540}, Case{3440, 1440, 1146, 480}, Case{800, 600, 800, 600},
                   Case{1024, 768, 1024, 768}, Case{1280, 960, 640, 480}, Case{1279, 959, 1279, 959},
                   Case{600, 400, 600, 400}}) {
        std::string display = std::to_string(c.displayW) + "x" + std::to_string(c.displayH);
        ModeChoice full = chooseDisplayMode(nullptr, c.displayW, c.displayH);
        EXPECT_TRUE(full.mode.fullscreen);
        EXPECT_EQ(full.refusal, "");
        EXPECT_EQ(full.mode.width, c.w) << display;
        EXPECT_EQ(full.mode.height, c.h) << display;
        int scale = std::min(c.displayW / full.mode.width, c.displayH / full.mode.height);
        if (scale < 2) continue;
        // The screen's place on the display, as the window shows it, and the
        // game window's place within the screen.
        int left = (c.displayW - full.mode.width * scale) / 2 + scale * (full.mode.width - 640) / 2;
        int top = (c.displayH - full.mode.height * scale) / 2 + scale * (full.mode.height - 480) / 2;
        EXPECT_EQ((full.mode.width - 640) % 2, 0) << display;
        EXPECT_EQ((full.mode.height - 480) % 2, 0) << display;
        EXPECT_EQ(left, (c.displayW - 640 * scale) / 2) << display;
        EXPECT_EQ(top, (c.displayH - 480 * scale) / 2) << display;
    }
    EXPECT_EQ(chooseDisplayMode("", 1920, 1080).mode.width, 960);  // set but empty: as unset

    for (const char* good : {"800x600", "640x480", "1920x1080", "1920x480"}) {
        ModeChoice win = chooseDisplayMode(good, 1920, 1080);
        EXPECT_EQ(win.refusal, "") << good;
        EXPECT_FALSE(win.mode.fullscreen) << good;
        EXPECT_EQ(std::to_string(win.mode.width) + "x" + std::to_string(win.mode.height), good);
    }
}

// A value the game cannot use is refused in one line that names it and says
// what is taken: not WIDTHxHEIGHT, smaller than the game window, larger
// than the display.
TEST(DisplayModeChoice, WindowsTheGameCannotUseAreRefused) {
    for (const char* bad : {"foo", "800", "800x", "x600", "0x600", "800x600x2", "-1x5", "800X600", " 800x600",
                            "800x600 ", "+800x600", "800x+600", "800x-600", "320x240", "639x480", "640x479",
                            "1921x1080", "1920x1081", "99999999999x600", "800x600junk"}) {
        ModeChoice win = chooseDisplayMode(bad, 1920, 1080);
        EXPECT_EQ(win.refusal,
                  "CORVANE_WINDOW=\"" + std::string(bad) +
                      "\" is refused: give the window's size as WIDTHxHEIGHT, from 640x480 up to the display's "
                      "1920x1080, or leave it unset for full screen");
        EXPECT_EQ(win.mode.width, 0) << bad;
    }
    EXPECT_EQ(chooseDisplayMode("640x480", 600, 400).refusal,
              "CORVANE_WINDOW=\"640x480\" is refused: the display (600x400) is smaller than the least window, "
              "640x480; leave it unset for full screen");
    // On a display wider than the game's largest screen, no window wider.
    EXPECT_EQ(chooseDisplayMode("16384x600", 20000, 1080).refusal, "");
    EXPECT_NE(chooseDisplayMode("16385x600", 20000, 1080).refusal, "");
}

}  // namespace
}  // namespace plat::sdl
