// The SDL backend's input mapping: virtual key codes, shift states, typed
// characters and mouse buttons.
#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace plat::sdl
