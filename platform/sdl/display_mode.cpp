#include "display_mode.h"

#include <algorithm>
#include <cstdio>

namespace plat::sdl {

namespace {
// How many times as large the game's screen is shown full screen (at least 1).
int fullScreenScale(int displayW, int displayH) {
    constexpr int kLeastW = 640, kLeastH = 480;
    return std::max(1, std::min(displayW / kLeastW, displayH / kLeastH));
}
}  // namespace

DisplayMode chooseDisplayMode(const char* windowVariable, int displayW, int displayH) {
    if (windowVariable) {
        int w = 0, h = 0;
        char extra = 0;
        if (std::sscanf(windowVariable, "%dx%d%c", &w, &h, &extra) == 2 && w > 0 && h > 0 && w <= 16384 &&
            h <= 16384)
            return {w, h, false};
    }
    int scale = fullScreenScale(displayW, displayH);
    return {displayW / scale, displayH / scale, true};
}

}  // namespace plat::sdl
