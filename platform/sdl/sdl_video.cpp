#include "sdl_video.h"

#include <algorithm>
#include <stdexcept>

namespace plat::sdl {

namespace {
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
    window_ = SDL_CreateWindow("Corvane", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, mode.width, mode.height,
                               flags);
    if (!window_) fail("Cannot open the window");
    setIcon(window_, iconPath);
    renderer_ = SDL_CreateRenderer(window_, -1, 0);  // no vsync: presents never wait
    if (!renderer_) fail("Cannot draw into the window");
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, mode.width,
                                 mode.height);
    if (!texture_) fail("Cannot make the screen texture");
}

SdlVideo::~SdlVideo() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
}

void SdlVideo::upload(const Framebuffer& fb) {
    if (fb.w != mode_.width || fb.h != mode_.height) return;
    SDL_UpdateTexture(texture_, nullptr, fb.px.data(), fb.w * 4);
}

SDL_Rect SdlVideo::destination() const {
    int ow = 0, oh = 0;
    SDL_GetRendererOutputSize(renderer_, &ow, &oh);
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

void SdlVideo::show() {
    SDL_Rect dst = destination();
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
    SDL_RenderPresent(renderer_);
}

void SdlVideo::toScreen(int wx, int wy, int& sx, int& sy) const {
    SDL_Rect dst = destination();
    sx = std::clamp(int((long long)(wx - dst.x) * mode_.width / dst.w), 0, mode_.width - 1);
    sy = std::clamp(int((long long)(wy - dst.y) * mode_.height / dst.h), 0, mode_.height - 1);
}

}  // namespace plat::sdl
