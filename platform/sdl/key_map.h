// How SDL's keyboard and mouse reach the game: virtual key codes, shift
// states, typed characters in Windows-1252, and mouse button numbers. Pure
// functions, so they are checked without a display.
#pragma once

#include <SDL_keyboard.h>
#include <SDL_mouse.h>

#include <string>

namespace plat::sdl {

// The virtual key code of a key, or 0 for keys the game cannot see.
int virtualKeyOf(SDL_Keycode key);
// The same for a key as SDL reports it, keypad included: with Num Lock on
// the keypad's keys are its digits and point, with Num Lock off the keys
// printed below them (4, 6, 8, 2 the arrows; 7 Home, 1 End, 9 Page Up,
// 3 Page Down, 0 Insert, the point Delete, 5 Clear).
int virtualKeyOf(const SDL_Keysym& key);

// Shift state as the handlers receive it: 1 Shift, 2 Ctrl, 4 Alt.
int shiftStateOf(Uint16 modifiers);

// The character a key makes by itself right after its key-down (Backspace,
// Return and Escape, which SDL reports as no text), or -1.
int characterOfKey(int virtualKey);

// The typed characters of SDL text input, in Windows-1252; characters outside
// the set are left out.
std::string charactersOfText(const char* utf8);

// Mouse button numbers of the handlers: 1 left, 2 right, 4 middle (0 other).
int mouseButtonOf(Uint8 sdlButton);
// The buttons held during a move, added together.
int heldButtonsOf(Uint32 sdlButtonState);

}  // namespace plat::sdl
