// The one SDL window: the screen on black in the window's own surface, the
// game window centred in it at the largest whole multiple of its size that
// the window holds, full screen or in a window of any size the player makes
// it (at its own size where the window is smaller, seen from its upper left
// corner). What of the screen lies beyond the window is not shown. Shown at
// its own size and whole it is composed straight into the surface; else it
// is composed into a framebuffer that is copied, scaled with sharp pixels.
// Only the part of the screen that changed is composed, copied and sent to
// the display.
#pragma once

#include <SDL.h>

#include <string>

#include "../display_mode.h"
#include "../painter.h"
#include "../system.h"

namespace plat::sdl {

class SdlVideo {
public:
    // Opens the window; throws std::runtime_error when SDL cannot.
    SdlVideo(const DisplayMode& mode, const std::string& iconPath);
    ~SdlVideo();
    SdlVideo(const SdlVideo&) = delete;
    SdlVideo& operator=(const SdlVideo&) = delete;

    // Composes and shows the part `changed` of the system's screen, or all of
    // it when `whole` (the window was uncovered or resized) or when it was
    // never shown.
    void present(const System& sys, const Rect& changed, bool whole);
    // A window pixel in screen pixels (outside the screen it is clamped).
    void toScreen(int wx, int wy, int& sx, int& sy) const;
    // How many times as large the screen is shown.
    int scale() const;
    SDL_Window* window() const { return window_; }

private:
    SDL_Rect destination() const;
    bool showsAsItIs(const SDL_Surface* window, const SDL_Rect& dst) const;
    void composeInto(SDL_Surface* window, const SDL_Rect& dst, const System& sys, const Rect& changed, bool whole);
    void copy(SDL_Surface* window, const SDL_Rect& dst, const Rect& changed, bool whole);

    DisplayMode mode_;
    SDL_Window* window_ = nullptr;
    bool shown_ = false;
    int shownW_ = 0, shownH_ = 0;  // the window's size when last shown
    // The surface that holds the screen composed into it, null when the
    // screen was last shown through the framebuffer.
    const SDL_Surface* composedInto_ = nullptr;
    Framebuffer fb_;  // only while the screen is shown scaled
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
