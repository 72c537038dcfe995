#include "sdl_video.h"

#include <algorithm>
#include <stdexcept>

#include "../compositor.h"

namespace plat::sdl {

namespace {
bool nothing(const Rect& r) { return r.w <= 0 || r.h <= 0; }

[[noreturn]] void fail(const char* what) { throw std::runtime_error(std::string(what) + ": " + SDL_GetError()); }

void setIcon(SDL_Window* window, const std::string& path) {
    SDL_Surface* icon = SDL_LoadBMP(path.c_str());
    if (!icon) return;  // the window simply keeps the desktop's default icon
    SDL_SetColorKey(icon, SDL_TRUE, SDL_MapRGB(icon->format, 255, 0, 255));
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
}

// One side of the window: where the screen begins in it, shown `scale` times
// as large with the game window (`game` pixels from `at` on the screen)
// centred, or, where the window is too small for the game window, from the
// window's edge. A screen that fits stays whole in the window, half a pixel
// off the middle rather than a row cut off.
int screenStart(int window, int screen, int game, int at, int scale) {
    if (window < game * scale) return -at * scale;
    int start = (window - game * scale) / 2 - at * scale;
    return screen * scale <= window ? std::clamp(start, 0, window - screen * scale) : start;
}

// The screen pixels whose squares lie wholly in the window: one cut by the
// window's edge is left black rather than shown in part.
Rect wholeInWindow(const SDL_Rect& dst, int scale, int windowW, int windowH, int screenW, int screenH) {
    auto first = [&](int start) { return std::max(0, (scale - 1 - start) / scale); };
    auto end = [&](int start, int window, int screen) { return std::min(screen, (window - start) / scale); };
    int x0 = first(dst.x), y0 = first(dst.y);
    return {x0, y0, end(dst.x, windowW, screenW) - x0, end(dst.y, windowH, screenH) - y0};
}

}  // namespace

SdlVideo::SdlVideo(const DisplayMode& mode, const std::string& iconPath) : mode_(mode) {
    Uint32 flags = mode.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS : SDL_WINDOW_RESIZABLE;
    int w = mode.width, h = mode.height;
    SDL_DisplayMode desktop{};
    // Full screen the window is the display's size even where no window
    // manager makes it so; the game's screen is shown in it scaled.
    if (mode.fullscreen && SDL_GetDesktopDisplayMode(0, &desktop) == 0) w = desktop.w, h = desktop.h;
    // The window's own surface goes to the display as it is, not through an
    // OpenGL texture: that costs tens of megabytes of driver for a picture
    // that changes a few rectangles at a time. The environment variable
    // SDL_FRAMEBUFFER_ACCELERATION=1 still asks for the texture.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    window_ = SDL_CreateWindow("Corvane", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h, flags);
    if (!window_) fail("Cannot open the window");
    // A window the player resizes keeps the whole game window in view.
    if (!mode.fullscreen) SDL_SetWindowMinimumSize(window_, std::min(w, kLeastWidth), std::min(h, kLeastHeight));
    setIcon(window_, iconPath);
    if (!SDL_GetWindowSurface(window_)) fail("Cannot draw into the window");
}

SdlVideo::~SdlVideo() {
    if (window_) SDL_DestroyWindow(window_);
}

SDL_Rect SdlVideo::destination() const {
    int ow = 0, oh = 0;
    SDL_GetWindowSize(window_, &ow, &oh);
    // The game window, 640 x 480 (the screen where that is smaller), stands
    // centred on the screen, on the pixel half a pixel to spare rounds up to.
    int gw = std::min(mode_.width, kLeastWidth), gh = std::min(mode_.height, kLeastHeight);
    int scale = std::max(1, std::min(ow / gw, oh / gh));
    int gx = (mode_.width - gw + 1) / 2, gy = (mode_.height - gh + 1) / 2;
    return {screenStart(ow, mode_.width, gw, gx, scale), screenStart(oh, mode_.height, gh, gy, scale),
            mode_.width * scale, mode_.height * scale};
}

void SdlVideo::present(const System& sys, const Rect& changed, bool whole) {
    SDL_Surface* window = SDL_GetWindowSurface(window_);  // a new one after a resize
    if (!window) return;
    // A window of a new size is drawn whole, also before SDL tells of it.
    whole = whole || !shown_ || window->w != shownW_ || window->h != shownH_;
    shownW_ = window->w, shownH_ = window->h;
    SDL_Rect dst = destination();
    if (showsAsItIs(window, dst)) {
        composeInto(window, dst, sys, changed, whole || window != composedInto_);
        return;
    }
    composedInto_ = nullptr;
    if (!nothing(changed) || fb_.px.empty()) compose(sys, fb_, changed);
    copy(window, dst, changed, whole);
}

// At its own size and whole in the window, in the surface's own pixels: the
// framebuffer would only be a second copy of the screen.
bool SdlVideo::showsAsItIs(const SDL_Surface* window, const SDL_Rect& dst) const {
    Uint32 f = window->format->format;
    return dst.w == mode_.width && dst.h == mode_.height && dst.x >= 0 && dst.y >= 0 && dst.x + dst.w <= window->w &&
           dst.y + dst.h <= window->h && (f == SDL_PIXELFORMAT_RGB888 || f == SDL_PIXELFORMAT_ARGB8888) &&
           !SDL_MUSTLOCK(window);
}

void SdlVideo::composeInto(SDL_Surface* window, const SDL_Rect& dst, const System& sys, const Rect& changed,
                           bool whole) {
    fb_ = {};
    Rect screen{0, 0, mode_.width, mode_.height};
    Rect part = whole ? screen : intersect(changed, screen);
    if (nothing(part)) return;
    if (whole) SDL_FillRect(window, nullptr, SDL_MapRGB(window->format, 0, 0, 0));
    auto* origin = static_cast<uint8_t*>(window->pixels) + dst.y * window->pitch + dst.x * 4;
    compose(sys, Canvas{reinterpret_cast<uint32_t*>(origin), mode_.width, mode_.height, window->pitch / 4}, part);
    composedInto_ = window;
    SDL_Rect sent = whole ? SDL_Rect{0, 0, window->w, window->h}
                          : SDL_Rect{dst.x + part.x, dst.y + part.y, part.w, part.h};
    SDL_UpdateWindowSurfaceRects(window_, &sent, 1);
    shown_ = true;
}

// Scaled by whole multiples with sharp pixels; only screen pixels wholly in
// the window, so SDL never cuts one (which would scale the rest by a fraction).
void SdlVideo::copy(SDL_Surface* window, const SDL_Rect& dst, const Rect& changed, bool whole) {
    const Framebuffer& fb = fb_;
    if (fb.w != mode_.width || fb.h != mode_.height) return;
    int scale = dst.w / fb.w;
    Rect seen = wholeInWindow(dst, scale, window->w, window->h, fb.w, fb.h);
    Rect part = whole ? seen : intersect(changed, seen);
    if (whole) SDL_FillRect(window, nullptr, SDL_MapRGB(window->format, 0, 0, 0));
    SDL_Rect to{dst.x + part.x * scale, dst.y + part.y * scale, part.w * scale, part.h * scale};
    if (!nothing(part)) {
        SDL_Surface* screen = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(fb.px.data()), fb.w, fb.h, 32,
                                                                 fb.w * 4, SDL_PIXELFORMAT_RGB888);
        if (!screen) return;
        SDL_Rect from{part.x, part.y, part.w, part.h};
        if (scale == 1)
            SDL_BlitSurface(screen, &from, window, &to);
        else
            SDL_BlitScaled(screen, &from, window, &to);
        SDL_FreeSurface(screen);
    } else if (!whole) {
        return;
    }
    SDL_Rect sent = whole ? SDL_Rect{0, 0, window->w, window->h} : to;
    SDL_UpdateWindowSurfaceRects(window_, &sent, 1);
    shown_ = true;
}

void SdlVideo::toScreen(int wx, int wy, int& sx, int& sy) const {
    SDL_Rect dst = destination();
    int scale = dst.w / mode_.width;
    sx = std::clamp((wx - dst.x) / scale, 0, mode_.width - 1);
    sy = std::clamp((wy - dst.y) / scale, 0, mode_.height - 1);
}

ModeChoice displayModeFor(const char* windowVariable) {
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) desktop.w = 640, desktop.h = 480;
    return chooseDisplayMode(windowVariable, desktop.w, desktop.h);
}

int SdlVideo::scale() const { return destination().w / mode_.width; }

bool startVideo() { return SDL_Init(SDL_INIT_VIDEO) == 0; }
void stopVideo() { SDL_Quit(); }
void pumpEvents() { SDL_PumpEvents(); }
std::string videoDriver() {
    const char* name = SDL_GetCurrentVideoDriver();
    return name ? name : "";
}

}  // namespace plat::sdl
