#include "display_mode.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "system.h"

namespace plat {

namespace {
// How many times as large the game's screen is shown full screen (at least 1).
int fullScreenScale(int displayW, int displayH) {
    return std::max(1, std::min(displayW / kLeastWidth, displayH / kLeastHeight));
}

// One side of the full screen's screen, shown `scale` times as large on
// `display` pixels: a whole number of game pixels on each side of the game
// window, the same on both, as near as they go to half the display's spare.
int screenSide(int display, int window, int scale) {
    if (scale == 1) return display;  // the window centres to the pixel itself
    int margin = (display - window * scale) / 2 / scale;
    return window + 2 * margin;
}

ModeChoice fullScreen(int displayW, int displayH) {
    int scale = fullScreenScale(displayW, displayH);
    return {{screenSide(displayW, kLeastWidth, scale), screenSide(displayH, kLeastHeight, scale), true}, ""};
}

// A whole number written in digits alone, all of `text`.
bool number(std::string_view text, int& n) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    return error == std::errc() && end == text.data() + text.size() && !text.empty() && text[0] != '-';
}

// WIDTHxHEIGHT, nothing before or after.
bool windowSize(std::string_view text, int& w, int& h) {
    size_t x = text.find('x');
    return x != std::string_view::npos && number(text.substr(0, x), w) && number(text.substr(x + 1), h);
}

std::string size(int w, int h) { return std::to_string(w) + "x" + std::to_string(h); }
}  // namespace

ModeChoice chooseDisplayMode(const char* windowVariable, int displayW, int displayH) {
    if (!windowVariable || !*windowVariable) return fullScreen(displayW, displayH);
    // A window is never larger than the screen the game can hold.
    displayW = std::min(displayW, kLargestScreenPx);
    displayH = std::min(displayH, kLargestScreenPx);
    int w = 0, h = 0;
    if (windowSize(windowVariable, w, h) && w >= kLeastWidth && h >= kLeastHeight && w <= displayW && h <= displayH)
        return {{w, h, false}, ""};
    std::string refusal = "CORVANE_WINDOW=\"" + std::string(windowVariable) + "\" is refused: ";
    if (displayW < kLeastWidth || displayH < kLeastHeight)
        refusal += "the display (" + size(displayW, displayH) + ") is smaller than the least window, " +
                   size(kLeastWidth, kLeastHeight) + "; leave it unset for full screen";
    else
        refusal += "give the window's size as WIDTHxHEIGHT, from " + size(kLeastWidth, kLeastHeight) +
                   " up to the display's " + size(displayW, displayH) + ", or leave it unset for full screen";
    return {{}, refusal};
}

}  // namespace plat
