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
    setIcon(window_, iconPath);
    if (!SDL_GetWindowSurface(window_)) fail("Cannot draw into the window");
}

SdlVideo::~SdlVideo() {
    if (window_) SDL_DestroyWindow(window_);
}

SDL_Rect SdlVideo::destination() const {
    int ow = 0, oh = 0;
    SDL_GetWindowSize(window_, &ow, &oh);
    int scale = std::min(ow / mode_.width, oh / mode_.height);
    int w, h;
    if (scale >= 1) {
        w = mode_.width * scale;
        h = mode_.height * scale;
    } else {  // a window smaller than the screen: shrink to fit
        double f = std::min(double(ow) / mode_.width, double(oh) / mode_.height);
        w = std::max(1, int(mode_.width * f));
        h = std::max(1, int(mode_.height * f));
    }
    return {(ow - w) / 2, (oh - h) / 2, w, h};
}

void SdlVideo::present(const System& sys, const Rect& changed, bool whole) {
    SDL_Surface* window = SDL_GetWindowSurface(window_);  // a new one after a resize
    if (!window) return;
    whole = whole || !shown_;
    SDL_Rect dst = destination();
    if (showsAsItIs(window, dst)) {
        composeInto(window, dst, sys, changed, whole || window != composedInto_);
        return;
    }
    composedInto_ = nullptr;
    if (!nothing(changed) || fb_.px.empty()) compose(sys, fb_, changed);
    copy(window, dst, changed, whole);
}

// At its own size, in the surface's own pixels: the framebuffer would only
// be a second copy of the screen.
bool SdlVideo::showsAsItIs(const SDL_Surface* window, const SDL_Rect& dst) const {
    Uint32 f = window->format->format;
    return dst.w == mode_.width && dst.h == mode_.height && dst.x >= 0 && dst.y >= 0 &&
           (f == SDL_PIXELFORMAT_RGB888 || f == SDL_PIXELFORMAT_ARGB8888) && !SDL_MUSTLOCK(window);
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
    SDL_Rect sent = whole ? SDL_Rect{0, 0, window->w, window->h} : SDL_Rect{dst.x + part.x, dst.y + part.y, part.w, part.h};
    SDL_UpdateWindowSurfaceRects(window_, &sent, 1);
    shown_ = true;
}

void SdlVideo::copy(SDL_Surface* window, const SDL_Rect& dst, const Rect& changed, bool whole) {
    const Framebuffer& fb = fb_;
    if (fb.w != mode_.width || fb.h != mode_.height) return;
    bool wholeMultiple = dst.w % fb.w == 0 && dst.h % fb.h == 0;
    SDL_Rect part = whole || !wholeMultiple ? SDL_Rect{0, 0, fb.w, fb.h}
                                            : SDL_Rect{changed.x, changed.y, changed.w, changed.h};
    if (part.w <= 0 || part.h <= 0) return;
    SDL_Surface* screen = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(fb.px.data()), fb.w, fb.h, 32,
                                                             fb.w * 4, SDL_PIXELFORMAT_RGB888);
    if (!screen) return;
    int sx = dst.w / fb.w, sy = dst.h / fb.h;
    SDL_Rect to = wholeMultiple ? SDL_Rect{dst.x + part.x * sx, dst.y + part.y * sy, part.w * sx, part.h * sy} : dst;
    if (whole) SDL_FillRect(window, nullptr, SDL_MapRGB(window->format, 0, 0, 0));
    if (sx == 1 && sy == 1)
        SDL_BlitSurface(screen, &part, window, &to);
    else
        SDL_BlitScaled(screen, &part, window, &to);
    SDL_FreeSurface(screen);
    SDL_Rect sent = whole ? SDL_Rect{0, 0, window->w, window->h} : to;
    SDL_UpdateWindowSurfaceRects(window_, &sent, 1);
    shown_ = true;
}

void SdlVideo::toScreen(int wx, int wy, int& sx, int& sy) const {
    SDL_Rect dst = destination();
    sx = std::clamp(int((long long)(wx - dst.x) * mode_.width / dst.w), 0, mode_.width - 1);
    sy = std::clamp(int((long long)(wy - dst.y) * mode_.height / dst.h), 0, mode_.height - 1);
}

ModeChoice displayModeFor(const char* windowVariable) {
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) desktop.w = 640, desktop.h = 480;
    return chooseDisplayMode(windowVariable, desktop.w, desktop.h);
}

int SdlVideo::scale() const { return std::max(1, destination().w / mode_.width); }

bool startVideo() { return SDL_Init(SDL_INIT_VIDEO) == 0; }
void stopVideo() { SDL_Quit(); }
void pumpEvents() { SDL_PumpEvents(); }
std::string videoDriver() {
    const char* name = SDL_GetCurrentVideoDriver();
    return name ? name : "";
}

}  // namespace plat::sdl
