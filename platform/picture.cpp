// Pictures are read with SDL's BMP loader (which also decodes RLE8) and kept
// as 32-bit pixels; no video subsystem is needed for this.
#include "picture.h"

#include <SDL.h>

namespace plat {

PictureRef loadBmp(const std::string& path, const std::string& name, bool keyMagenta) {
    SDL_Surface* raw = SDL_LoadBMP(path.c_str());
    if (!raw) throw PictureMissing(path, SDL_GetError());
    SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(raw);
    if (!s) throw PictureMissing(path, SDL_GetError());
    auto pic = std::make_shared<Picture>();
    pic->name = name;
    pic->width = s->w;
    pic->height = s->h;
    pic->argb.resize(size_t(s->w) * s->h);
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < s->w; ++x) {
            uint32_t p = row[x] | 0xFF000000u;
            if (keyMagenta && (p & 0xFFFFFFu) == 0xFF00FFu) p = 0;
            pic->argb[size_t(y) * s->w + x] = p;
        }
    }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return pic;
}

PictureRef PictureStore::get(const std::string& name) {
    auto it = loaded_.find(name);
    if (it != loaded_.end()) return it->second;
    PictureRef p = loadBmp(folder_ + "/" + name + ".bmp", name);
    loaded_[name] = p;
    return p;
}

CursorRef PictureStore::cursor(const std::string& name, int hotX, int hotY) {
    auto c = std::make_shared<Cursor>();
    c->picture = loadBmp(folder_ + "/" + name + ".bmp", name, true);
    c->hotX = hotX;
    c->hotY = hotY;
    return c;
}

}  // namespace plat
