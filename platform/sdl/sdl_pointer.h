// The mouse pointer: the system arrow, the hourglass, or a window's or
// control's own cursor picture (made into an SDL cursor once and kept).
#pragma once

#include <SDL.h>

#include <map>

#include "../system.h"

namespace plat::sdl {

class SdlPointer {
public:
    SdlPointer() = default;
    ~SdlPointer();
    SdlPointer(const SdlPointer&) = delete;
    SdlPointer& operator=(const SdlPointer&) = delete;

    void show(const System::PointerShape& shape);

private:
    SDL_Cursor* system(SDL_SystemCursor id, SDL_Cursor*& slot);
    SDL_Cursor* custom(const CursorRef& cursor);

    SDL_Cursor* arrow_ = nullptr;
    SDL_Cursor* wait_ = nullptr;
    SDL_Cursor* current_ = nullptr;
    // Keyed by the cursor object, which the cache keeps alive.
    std::map<const Cursor*, std::pair<CursorRef, SDL_Cursor*>> made_;
};

}  // namespace plat::sdl
