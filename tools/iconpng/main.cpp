// corvane-iconpng ICON.bmp OUT.png: writes the game's window icon as the PNG
// that desktop menus show. SDL reads the picture the game itself uses;
// libpng writes it.
#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <png.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: corvane-iconpng ICON.bmp OUT.png\n");
        return 2;
    }
    SDL_Surface* read = SDL_LoadBMP(argv[1]);
    SDL_Surface* rgba = read ? SDL_ConvertSurfaceFormat(read, SDL_PIXELFORMAT_RGBA32, 0) : nullptr;
    SDL_FreeSurface(read);
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
