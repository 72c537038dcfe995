#include "key_map.h"

#include "../charset.h"

namespace plat::sdl {

namespace {
struct KeyCode {
    SDL_Keycode key;
    int vk;
};
constexpr KeyCode kNamedKeys[] = {
    {SDLK_BACKSPACE, 8},  {SDLK_TAB, 9},        {SDLK_RETURN, 13},    {SDLK_KP_ENTER, 13},  {SDLK_LSHIFT, 16},
    {SDLK_RSHIFT, 16},    {SDLK_LCTRL, 17},     {SDLK_RCTRL, 17},     {SDLK_LALT, 18},      {SDLK_RALT, 18},
    {SDLK_PAUSE, 19},     {SDLK_CAPSLOCK, 20},  {SDLK_ESCAPE, 27},    {SDLK_SPACE, 32},     {SDLK_PAGEUP, 33},
    {SDLK_PAGEDOWN, 34},  {SDLK_END, 35},       {SDLK_HOME, 36},      {SDLK_LEFT, 37},      {SDLK_UP, 38},
    {SDLK_RIGHT, 39},     {SDLK_DOWN, 40},      {SDLK_INSERT, 45},    {SDLK_DELETE, 46},    {SDLK_KP_MULTIPLY, 106},
    {SDLK_KP_PLUS, 107},  {SDLK_KP_MINUS, 109}, {SDLK_KP_PERIOD, 110}, {SDLK_KP_DIVIDE, 111}, {SDLK_SEMICOLON, 186},
    {SDLK_EQUALS, 187},   {SDLK_COMMA, 188},    {SDLK_MINUS, 189},    {SDLK_PERIOD, 190},   {SDLK_SLASH, 191},
    {SDLK_BACKQUOTE, 192}, {SDLK_LEFTBRACKET, 219}, {SDLK_BACKSLASH, 220}, {SDLK_RIGHTBRACKET, 221}, {SDLK_QUOTE, 222},
};
// The keypad by scancode: SDL reports the keypad's digit whatever Num Lock
// says, so the lock state decides which of the two keys it is.
struct KeypadKey {
    SDL_Scancode scancode;
    int digitVk, navigationVk;
};
constexpr KeypadKey kKeypad[] = {
    {SDL_SCANCODE_KP_0, 96, 45},  {SDL_SCANCODE_KP_1, 97, 35},  {SDL_SCANCODE_KP_2, 98, 40},
    {SDL_SCANCODE_KP_3, 99, 34},  {SDL_SCANCODE_KP_4, 100, 37}, {SDL_SCANCODE_KP_5, 101, 12},
    {SDL_SCANCODE_KP_6, 102, 39}, {SDL_SCANCODE_KP_7, 103, 36}, {SDL_SCANCODE_KP_8, 104, 38},
    {SDL_SCANCODE_KP_9, 105, 33}, {SDL_SCANCODE_KP_PERIOD, 110, 46},
};
}  // namespace

int virtualKeyOf(const SDL_Keysym& key) {
    for (const KeypadKey& k : kKeypad)
        if (k.scancode == key.scancode) return (key.mod & KMOD_NUM) ? k.digitVk : k.navigationVk;
    return virtualKeyOf(key.sym);
}

int virtualKeyOf(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return 112 + (key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return 97 + (key - SDLK_KP_1);
    if (key == SDLK_KP_0) return 96;
    for (const KeyCode& k : kNamedKeys)
        if (k.key == key) return k.vk;
    return 0;
}

int shiftStateOf(Uint16 modifiers) {
    int shift = 0;
    if (modifiers & KMOD_SHIFT) shift |= 1;
    if (modifiers & KMOD_CTRL) shift |= 2;
    if (modifiers & KMOD_ALT) shift |= 4;
    return shift;
}

int characterOfKey(int virtualKey) {
    switch (virtualKey) {
        case 8:
        case 13:
        case 27:
            return virtualKey;
        default:
            return -1;
    }
}

std::string charactersOfText(const char* utf8) { return utf8 ? utf8To1252(utf8) : std::string(); }

int mouseButtonOf(Uint8 sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT:
            return 1;
        case SDL_BUTTON_RIGHT:
            return 2;
        case SDL_BUTTON_MIDDLE:
            return 4;
        default:
            return 0;
    }
}

int heldButtonsOf(Uint32 state) {
    int held = 0;
    if (state & SDL_BUTTON_LMASK) held |= 1;
    if (state & SDL_BUTTON_RMASK) held |= 2;
    if (state & SDL_BUTTON_MMASK) held |= 4;
    return held;
}

}  // namespace plat::sdl
