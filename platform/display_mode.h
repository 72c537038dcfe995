// Which window the game gets: by default the whole display, borderless; with
// CORVANE_WINDOW=WxH an ordinary window of that size, which is then the
// game's screen.
//
// Full screen, the game is shown k times as large, k the largest whole number
// that leaves at least 640 x 480 pixels of the display to each pixel of the
// game's screen: 1920 x 1080 gives a screen of 960 x 540 shown twice as
// large, 800 x 600 stays as it is. Shown larger, the screen is the display
// divided by k, narrowed by a pixel where that leaves the 640 x 480 game
// window a margin an odd number of pixels wide, which would put it half a
// pixel off centre: 2560 x 1440 gives 852 x 480 three times (the game window
// at 320, 0 on the display, the screen 2 pixels in from either edge).
#pragma once

#include <string>

namespace plat {

struct DisplayMode {
    int width = 0, height = 0;  // the game's screen in pixels
    bool fullscreen = true;
};

// The smallest window CORVANE_WINDOW may ask for: the game window's size.
constexpr int kLeastWidth = 640, kLeastHeight = 480;

struct ModeChoice {
    DisplayMode mode;
    std::string refusal;  // why the variable's value is refused, "" when it is taken
};

// The mode for the variable's value (nullptr, or empty, when unset) on a
// display of the given size. A window must be WIDTHxHEIGHT, from 640x480 up
// to the display's size; any other value is refused, naming the value.
ModeChoice chooseDisplayMode(const char* windowVariable, int displayW, int displayH);

}  // namespace plat
