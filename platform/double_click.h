// Which mouse press is a double-click: the second press of the same button
// within the double-click time and within 2 pixels each way of the first
// (the 4-pixel rectangle of the toolkit the game was made for). The pixels
// are the game's screen pixels, so the rectangle covers the same stretch of
// the game's pictures at any scale. A press after a double-click starts
// afresh.
#pragma once

namespace plat {

class DoubleClicks {
public:
    // A press of `button` at screen pixel (x, y). `clicks` is the backend's
    // count of presses of that button in a row, which goes past 1 only within
    // its double-click time (SDL's: 500 ms unless SDL_MOUSE_DOUBLE_CLICK_TIME
    // says).
    bool isDouble(int button, int x, int y, int clicks);

private:
    bool firstPending_ = false;  // the last press was a first click
    int button_ = 0, x_ = 0, y_ = 0;
};

}  // namespace plat
