#include "key_map.h"

#include "../charset.h"
#include "../input.h"

namespace plat::sdl {

namespace {
struct KeyCode {
    SDL_Keycode key;
    int vk;
};
constexpr KeyCode kNamedKeys[] = {
    {SDLK_BACKSPACE, KeyBackspace},
    {SDLK_TAB, KeyTab},
    {SDLK_RETURN, KeyReturn},
    {SDLK_KP_ENTER, KeyReturn},
    {SDLK_LSHIFT, KeyShift},
    {SDLK_RSHIFT, KeyShift},
    {SDLK_LCTRL, KeyControl},
    {SDLK_RCTRL, KeyControl},
    {SDLK_LALT, KeyAlt},
    {SDLK_RALT, KeyAlt},
    {SDLK_PAUSE, KeyPause},
    {SDLK_CAPSLOCK, KeyCapsLock},
    {SDLK_ESCAPE, KeyEscape},
    {SDLK_SPACE, KeySpace},
    {SDLK_PAGEUP, KeyPageUp},
    {SDLK_PAGEDOWN, KeyPageDown},
    {SDLK_END, KeyEnd},
    {SDLK_HOME, KeyHome},
    {SDLK_LEFT, KeyLeft},
    {SDLK_UP, KeyUp},
    {SDLK_RIGHT, KeyRight},
    {SDLK_DOWN, KeyDown},
    {SDLK_INSERT, KeyInsert},
    {SDLK_DELETE, KeyDelete},
    {SDLK_KP_MULTIPLY, KeyMultiply},
    {SDLK_KP_PLUS, KeyAdd},
    {SDLK_KP_MINUS, KeySubtract},
    {SDLK_KP_PERIOD, KeyDecimal},
    {SDLK_KP_DIVIDE, KeyDivide},
    {SDLK_SEMICOLON, KeySemicolon},
    {SDLK_EQUALS, KeyEquals},
    {SDLK_COMMA, KeyComma},
    {SDLK_MINUS, KeyMinus},
    {SDLK_PERIOD, KeyPeriod},
    {SDLK_SLASH, KeySlash},
    {SDLK_BACKQUOTE, KeyBackquote},
    {SDLK_LEFTBRACKET, KeyLeftBracket},
    {SDLK_BACKSLASH, KeyBackslash},
    {SDLK_RIGHTBRACKET, KeyRightBracket},
    {SDLK_QUOTE, KeyQuote},
};
// The keypad by scancode: SDL reports the keypad's digit whatever Num Lock
// says, so the lock state decides which of the two keys it is.
struct KeypadKey {
    SDL_Scancode scancode;
    int digitVk, navigationVk;
};
constexpr KeypadKey kKeypad[] = {
    {SDL_SCANCODE_KP_0, KeyNumpad0, KeyInsert},      {SDL_SCANCODE_KP_1, KeyNumpad0 + 1, KeyEnd},
    {SDL_SCANCODE_KP_2, KeyNumpad0 + 2, KeyDown},    {SDL_SCANCODE_KP_3, KeyNumpad0 + 3, KeyPageDown},
    {SDL_SCANCODE_KP_4, KeyNumpad0 + 4, KeyLeft},    {SDL_SCANCODE_KP_5, KeyNumpad0 + 5, KeyClear},
    {SDL_SCANCODE_KP_6, KeyNumpad0 + 6, KeyRight},   {SDL_SCANCODE_KP_7, KeyNumpad0 + 7, KeyHome},
    {SDL_SCANCODE_KP_8, KeyNumpad0 + 8, KeyUp},      {SDL_SCANCODE_KP_9, KeyNumpad0 + 9, KeyPageUp},
    {SDL_SCANCODE_KP_PERIOD, KeyDecimal, KeyDelete},
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
    if (key >= SDLK_F1 && key <= SDLK_F12) return KeyF1 + (key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return KeyNumpad0 + 1 + (key - SDLK_KP_1);
    if (key == SDLK_KP_0) return KeyNumpad0;
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
        case KeyBackspace: return CharBackspace;
        case KeyReturn: return CharReturn;
        case KeyEscape: return CharEscape;
        default: return -1;
    }
}

std::string charactersOfText(const char* utf8) { return utf8 ? utf8To1252(utf8) : std::string(); }

int mouseButtonOf(Uint8 sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT: return 1;
        case SDL_BUTTON_RIGHT: return 2;
        case SDL_BUTTON_MIDDLE: return 4;
        default: return 0;
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
