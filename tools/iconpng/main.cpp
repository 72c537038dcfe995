// corvane-iconpng ICON.bmp OUT.png [SCALE]: writes the game's window icon as
// the PNG that desktop menus show, SCALE times as large (a whole number, 1
// when not given) with sharp pixels: each pixel of the icon becomes a
// SCALE x SCALE square. SDL reads and scales the picture the game itself
// uses; libpng writes it.
#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The picture as RGBA, scaled by a whole factor with nearest-neighbour
// sampling, or nullptr (SDL_GetError says why).
SDL_Surface* loadScaled(const char* path, int scale) {
    SDL_Surface* read = SDL_LoadBMP(path);
    SDL_Surface* rgba = read ? SDL_ConvertSurfaceFormat(read, SDL_PIXELFORMAT_RGBA32, 0) : nullptr;
    SDL_FreeSurface(read);
    if (!rgba || scale == 1) return rgba;
    SDL_Surface* scaled = SDL_CreateRGBSurfaceWithFormat(0, rgba->w * scale, rgba->h * scale, 32,
                                                         SDL_PIXELFORMAT_RGBA32);
    SDL_SetSurfaceBlendMode(rgba, SDL_BLENDMODE_NONE);
    if (scaled && SDL_SoftStretch(rgba, nullptr, scaled, nullptr) != 0) {
        SDL_FreeSurface(scaled);
        scaled = nullptr;
    }
    SDL_FreeSurface(rgba);
    return scaled;
}

}  // namespace

int main(int argc, char** argv) {
    const int scale = argc == 4 ? std::atoi(argv[3]) : 1;
    if ((argc != 3 && argc != 4) || scale < 1 || scale > 64) {
        std::fprintf(stderr, "usage: corvane-iconpng ICON.bmp OUT.png [SCALE]\n");
        return 2;
    }
    SDL_Surface* rgba = loadScaled(argv[1], scale);
    if (!rgba) {
        std::fprintf(stderr, "corvane-iconpng: %s: %s\n", argv[1], SDL_GetError());
        return 1;
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(rgba->w);
    image.height = png_uint_32(rgba->h);
    image.format = PNG_FORMAT_RGBA;
    // The row stride counts components: one byte each in RGBA.
    const bool written = png_image_write_to_file(&image, argv[2], 0, rgba->pixels, rgba->pitch, nullptr) != 0;
    SDL_FreeSurface(rgba);
    if (!written) {
        std::fprintf(stderr, "corvane-iconpng: %s: %s\n", argv[2], image.message);
        return 1;
    }
    return 0;
}
