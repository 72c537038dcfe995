// Screenshots: the composed screen saved as a 24-bit BMP file.
#include <SDL.h>

#include <stdexcept>

#include "compositor.h"

namespace plat {

void writeScreenshot(const Framebuffer& fb, const std::string& path) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, fb.w, fb.h, 24, SDL_PIXELFORMAT_BGR24);
    if (!s) throw std::runtime_error(std::string("Cannot make the screenshot: ") + SDL_GetError());
    SDL_LockSurface(s);
    for (int y = 0; y < fb.h; ++y) {
        auto* row = static_cast<uint8_t*>(s->pixels) + y * s->pitch;
        for (int x = 0; x < fb.w; ++x) {
            uint32_t p = fb.at(x, y);
            row[3 * x] = uint8_t(p);
            row[3 * x + 1] = uint8_t(p >> 8);
            row[3 * x + 2] = uint8_t(p >> 16);
        }
    }
    SDL_UnlockSurface(s);
    int rc = SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
    if (rc != 0) throw std::runtime_error("Cannot write the screenshot \"" + path + "\": " + SDL_GetError());
}

}  // namespace plat
