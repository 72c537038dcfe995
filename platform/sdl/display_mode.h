// Which window the game gets: by default the whole display, borderless; with
// CORVANE_WINDOW=WxH an ordinary window of that size, which is then the
// game's screen.
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
