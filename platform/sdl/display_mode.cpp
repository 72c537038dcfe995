#include "display_mode.h"

#include <cstdio>

namespace plat::sdl {

DisplayMode chooseDisplayMode(const char* windowVariable, int displayW, int displayH) {
    if (windowVariable) {
        int w = 0, h = 0;
        char extra = 0;
        if (std::sscanf(windowVariable, "%dx%d%c", &w, &h, &extra) == 2 && w > 0 && h > 0 && w <= 16384 &&
            h <= 16384)
            return {w, h, false};
    }
    return {displayW, displayH, true};
}

}  // namespace plat::sdl
