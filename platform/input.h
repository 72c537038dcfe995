// Input as the backends deliver it to the event loop: keys with their
// virtual key codes, typed characters in the 8-bit character set, and mouse
// actions at screen pixels.
#pragma once

namespace plat {

// Virtual key codes: the keys the backends report, by name. Letters and
// digits are their upper-case character ('A', '0'); the function keys run
// from KeyF1 (F1..F12), the keypad's digits from KeyNumpad0.
constexpr int KeyBackspace = 8;
constexpr int KeyTab = 9;
constexpr int KeyClear = 12;
constexpr int KeyReturn = 13;
constexpr int KeyShift = 16;
constexpr int KeyControl = 17;
constexpr int KeyAlt = 18;
constexpr int KeyPause = 19;
constexpr int KeyCapsLock = 20;
constexpr int KeyEscape = 27;
constexpr int KeySpace = 32;
constexpr int KeyPageUp = 33;
constexpr int KeyPageDown = 34;
constexpr int KeyEnd = 35;
constexpr int KeyHome = 36;
constexpr int KeyLeft = 37;
constexpr int KeyUp = 38;
constexpr int KeyRight = 39;
constexpr int KeyDown = 40;
constexpr int KeyInsert = 45;
constexpr int KeyDelete = 46;
constexpr int KeyNumpad0 = 96;
constexpr int KeyMultiply = 106;
constexpr int KeyAdd = 107;
constexpr int KeySubtract = 109;
constexpr int KeyDecimal = 110;
constexpr int KeyDivide = 111;
constexpr int KeyF1 = 112;
constexpr int KeySemicolon = 186;
constexpr int KeyEquals = 187;
constexpr int KeyComma = 188;
constexpr int KeyMinus = 189;
constexpr int KeyPeriod = 190;
constexpr int KeySlash = 191;
constexpr int KeyBackquote = 192;
constexpr int KeyLeftBracket = 219;
constexpr int KeyBackslash = 220;
constexpr int KeyRightBracket = 221;
constexpr int KeyQuote = 222;

// Character codes (Char events, Windows-1252) that the game tells apart:
// the control characters that keys make, the printable range, and two
// characters a stored name cannot hold.
constexpr int CharBackspace = 8;
constexpr int CharReturn = 13;
constexpr int CharEscape = 27;
constexpr int CharSpace = 32;  // the first printable character
constexpr int CharQuote = 34;
constexpr int CharDelete = 127;
constexpr int CharLast = 255;

struct InputEvent {
    enum class Type { KeyDown, Char, MouseDown, MouseUp, DblClick, MouseMove };
    Type type = Type::KeyDown;
    int code = 0;      // key code, character code (0..255) or mouse button
    int shift = 0;     // shift state of keys and mouse events
    int x = 0, y = 0;  // screen pixels of mouse events
};

}  // namespace plat
