// The one SDL window: the composed screen copied into the window's own
// surface, scaled by whole multiples where it fits and centred on black.
// Only the part of the screen that changed is copied and sent to the display.
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

    // Shows the part `changed` of the screen, or all of it when `whole` (the
    // window was uncovered or resized) or when it was never shown.
    void show(const Framebuffer& fb, const Rect& changed, bool whole);
    // A window pixel in screen pixels (outside the screen it is clamped).
    void toScreen(int wx, int wy, int& sx, int& sy) const;
    // How many times as large the screen is shown (1 also when shrunk).
    int scale() const;

private:
    SDL_Rect destination() const;

    DisplayMode mode_;
    SDL_Window* window_ = nullptr;
    bool shown_ = false;
};

// The game's screen on this display: the window CORVANE_WINDOW names
// (windowVariable, may be null), else full screen; or why the value is refused.
ModeChoice displayModeFor(const char* windowVariable);

// SDL's video for programs that show frames outside the game's own loop,
// such as the frame benchmark.
bool startVideo();  // false when no display can be opened
void stopVideo();
void pumpEvents();
std::string videoDriver();

}  // namespace plat::sdl
