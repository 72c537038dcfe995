// The mouse pointer: the system arrow, the hourglass, or a window's or
// control's own cursor picture (made into an SDL cursor once and kept),
// shown as many times as large as the screen.
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

    // `scale`: how many times as large the screen is shown.
    void show(const System::PointerShape& shape, int scale);

private:
    SDL_Cursor* system(SDL_SystemCursor id, SDL_Cursor*& slot);
    SDL_Cursor* custom(const CursorRef& cursor, int scale);

    SDL_Cursor* arrow_ = nullptr;
    SDL_Cursor* wait_ = nullptr;
    SDL_Cursor* current_ = nullptr;
    // Keyed by the cursor object, which the cache keeps alive, and the scale.
    std::map<std::pair<const Cursor*, int>, std::pair<CursorRef, SDL_Cursor*>> made_;
};

}  // namespace plat::sdl
