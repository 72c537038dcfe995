#include "sdl_pointer.h"

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

SDL_Cursor* SdlPointer::custom(const CursorRef& cursor) {
    auto it = made_.find(cursor.get());
    if (it != made_.end()) return it->second.second;
    SDL_Cursor* made = nullptr;
    if (const PictureRef& pic = cursor->picture) {
        std::vector<uint32_t> pixels = pic->argb;  // SDL wants writable pixels
        SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), pic->width, pic->height, 32,
                                                            pic->width * 4, SDL_PIXELFORMAT_ARGB8888);
        if (s) {
            made = SDL_CreateColorCursor(s, cursor->hotX, cursor->hotY);
            SDL_FreeSurface(s);
        }
    }
    made_[cursor.get()] = {cursor, made};
    return made;
}

void SdlPointer::show(const System::PointerShape& shape) {
    SDL_Cursor* want = nullptr;
    if (shape.code == PointerHourglass)
        want = system(SDL_SYSTEM_CURSOR_WAIT, wait_);
    else if (shape.code == PointerCustom && shape.cursor)
        want = custom(shape.cursor);
    if (!want) want = system(SDL_SYSTEM_CURSOR_ARROW, arrow_);
    if (want && want != current_) {
        SDL_SetCursor(want);
        current_ = want;
    }
}

}  // namespace plat::sdl
