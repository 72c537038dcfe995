// Input as the backends deliver it to the event loop: keys with their
// virtual key codes, typed characters in the 8-bit character set, and mouse
// actions at screen pixels.
#pragma once

namespace plat {

// Virtual key codes the game uses.
constexpr int KeyBackspace = 8;
constexpr int KeyTab = 9;
constexpr int KeyReturn = 13;
constexpr int KeyEscape = 27;
constexpr int KeySpace = 32;
constexpr int KeyLeft = 37;
constexpr int KeyUp = 38;
constexpr int KeyRight = 39;
constexpr int KeyDown = 40;

struct InputEvent {
    enum class Type { KeyDown, Char, MouseDown, MouseUp, DblClick, MouseMove };
    Type type = Type::KeyDown;
    int code = 0;    // key code, character code (0..255) or mouse button
    int shift = 0;   // shift state of keys and mouse events
    int x = 0, y = 0;  // screen pixels of mouse events
};

}  // namespace plat
