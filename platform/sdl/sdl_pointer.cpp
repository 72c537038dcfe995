#include "sdl_pointer.h"

#include <algorithm>
#include <vector>

namespace plat::sdl {

SdlPointer::~SdlPointer() {
    for (auto& [key, entry] : made_)
        if (entry.second) SDL_FreeCursor(entry.second);
    if (arrow_) SDL_FreeCursor(arrow_);
    if (wait_) SDL_FreeCursor(wait_);
}

SDL_Cursor* SdlPointer::system(SDL_SystemCursor id, SDL_Cursor*& slot) {
    if (!slot) slot = SDL_CreateSystemCursor(id);
    return slot;
}

namespace {
// The picture as an SDL surface `scale` times as large (nearest pixels).
SDL_Surface* surfaceOf(const Picture& pic, int scale) {
    std::vector<uint32_t> pixels = pic.pixels();  // SDL wants writable 32-bit pixels
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), pic.width, pic.height, 32, pic.width * 4,
                                                        SDL_PIXELFORMAT_ARGB8888);
    SDL_Surface* large = s ? SDL_CreateRGBSurfaceWithFormat(0, pic.width * scale, pic.height * scale, 32,
                                                            SDL_PIXELFORMAT_ARGB8888)
                           : nullptr;
    if (large) {
        SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_NONE);  // copy the transparency as it is
        SDL_BlitScaled(s, nullptr, large, nullptr);
    }
    if (s) SDL_FreeSurface(s);
    return large;
}
}  // namespace

SDL_Cursor* SdlPointer::custom(const CursorRef& cursor, int scale) {
    auto it = made_.find({cursor.get(), scale});
    if (it != made_.end()) return it->second.second;
    SDL_Cursor* made = nullptr;
    if (const PictureRef& pic = cursor->picture) {
        if (SDL_Surface* s = surfaceOf(*pic, scale)) {
            made = SDL_CreateColorCursor(s, cursor->hotX * scale, cursor->hotY * scale);
            SDL_FreeSurface(s);
        }
    }
    made_[{cursor.get(), scale}] = {cursor, made};
    return made;
}

void SdlPointer::show(const System::PointerShape& shape, int scale) {
    SDL_Cursor* want = nullptr;
    if (shape.code == PointerHourglass)
        want = system(SDL_SYSTEM_CURSOR_WAIT, wait_);
    else if (shape.code == PointerCustom && shape.cursor)
        want = custom(shape.cursor, std::max(1, scale));
    if (!want) want = system(SDL_SYSTEM_CURSOR_ARROW, arrow_);
    if (want && want != current_) {
        SDL_SetCursor(want);
        current_ = want;
    }
}

}  // namespace plat::sdl
