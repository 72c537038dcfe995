// Which window the game gets: by default the whole display, borderless; with
// CORVANE_WINDOW=WxH an ordinary window of that size, which is then the
// game's screen.
//
// Full screen, the game's screen is the display divided by the largest whole
// number that leaves at least 640 x 480 pixels, and is shown that many times
// as large: 1920 x 1080 gives 960 x 540 shown twice as large, 2560 x 1440
// gives 853 x 480 three times, 800 x 600 stays as it is.
#pragma once

namespace plat::sdl {

struct DisplayMode {
    int width = 0, height = 0;  // the game's screen in pixels
    bool fullscreen = true;
};

// The mode for the variable's value (nullptr when unset) on a display of the
// given size. A value that is not two positive numbers joined by 'x' is ignored.
DisplayMode chooseDisplayMode(const char* windowVariable, int displayW, int displayH);

}  // namespace plat::sdl
