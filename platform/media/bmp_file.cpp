// Pictures are read with SDL's BMP loader (which also decodes RLE8); an
// 8-bit one keeps its indices and palette, any other is turned into 32-bit
// pixels. Screenshots are written by SDL's BMP writer as 24-bit files.
#include "bmp_file.h"

#include <SDL.h>

#include <algorithm>
#include <stdexcept>

namespace plat {

namespace {

constexpr uint32_t kMagenta = 0xFF00FFu;

uint32_t opaque(uint32_t p, bool keyMagenta) {
    p |= 0xFF000000u;
    return keyMagenta && (p & 0xFFFFFFu) == kMagenta ? 0 : p;
}

// Indices as they stand; the palette filled up to 256 colours with black, so
// that any index names a colour.
void keepIndexed(Picture& pic, SDL_Surface* s, bool keyMagenta) {
    const SDL_Palette* pal = s->format->palette;
    pic.palette.assign(256, 0xFF000000u);
    for (int i = 0; i < pal->ncolors && i < 256; ++i) {
        const SDL_Color& c = pal->colors[i];
        pic.palette[size_t(i)] = opaque(uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b, keyMagenta);
    }
    pic.indices.resize(size_t(s->w) * s->h);
    for (int y = 0; y < s->h; ++y) {
        const auto* row = static_cast<const uint8_t*>(s->pixels) + y * s->pitch;
        std::copy(row, row + s->w, pic.indices.begin() + ptrdiff_t(y) * s->w);
    }
}

bool keepDirect(Picture& pic, SDL_Surface* raw, bool keyMagenta) {
    SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ARGB8888, 0);
    if (!s) return false;
    pic.argb.resize(size_t(s->w) * s->h);
    for (int y = 0; y < s->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < s->w; ++x) pic.argb[size_t(y) * s->w + x] = opaque(row[x], keyMagenta);
    }
    SDL_FreeSurface(s);
    return true;
}

}  // namespace

PictureRef loadBmp(const std::string& path, const std::string& name, bool keyMagenta) {
    SDL_Surface* raw = SDL_LoadBMP(path.c_str());
    if (!raw) throw PictureMissing(path, SDL_GetError());
    auto pic = std::make_shared<Picture>();
    pic->name = name;
    pic->width = raw->w;
    pic->height = raw->h;
    bool kept = true;
    if (raw->format->BitsPerPixel == 8 && raw->format->palette)
        keepIndexed(*pic, raw, keyMagenta);
    else
        kept = keepDirect(*pic, raw, keyMagenta);
    std::string why = kept ? "" : SDL_GetError();
    SDL_FreeSurface(raw);
    if (!kept) throw PictureMissing(path, why);
    return pic;
}

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
