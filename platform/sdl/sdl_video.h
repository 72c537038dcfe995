// The one SDL window: the composed screen uploaded to a streaming texture and
// shown scaled by whole multiples where it fits, centred on black.
#pragma once

#include <SDL.h>

#include <string>

#include "../painter.h"
#include "display_mode.h"

namespace plat::sdl {

class SdlVideo {
public:
    // Opens the window; throws std::runtime_error when SDL cannot.
    SdlVideo(const DisplayMode& mode, const std::string& iconPath);
    ~SdlVideo();
    SdlVideo(const SdlVideo&) = delete;
    SdlVideo& operator=(const SdlVideo&) = delete;

    void upload(const Framebuffer& fb);
    void show();
    // A window pixel in screen pixels (outside the screen it is clamped).
    void toScreen(int wx, int wy, int& sx, int& sy) const;

private:
    SDL_Rect destination() const;

    DisplayMode mode_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
};

}  // namespace plat::sdl
