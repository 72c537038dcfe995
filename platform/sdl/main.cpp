// The corvane program: opens the SDL window over the whole display (or the
// window CORVANE_WINDOW asks for), starts the game and runs its event loop.
#define SDL_MAIN_HANDLED
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "platform/sdl/sdl_backend.h"
#include "startup/main_sequence.h"

namespace {

// The folder of the running program, without a trailing slash.
std::string programFolder() {
    char* base = SDL_GetBasePath();
    std::string dir = base ? base : "./";
    SDL_free(base);
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

void runGame(const plat::sdl::DisplayMode& mode, const std::string& dir) {
    plat::sdl::SdlBackend backend(mode, dir + "/pictures");
    plat::System sys(backend, mode.width, mode.height);
    try {
        StartupModule startup(sys, dir + "/", dir + "/pictures");
        startup.Main();
        sys.run();
    } catch (const plat::ProgramEnded&) {
    }
}

}  // namespace

int main(int, char**) {
    SDL_SetMainReady();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        std::fprintf(stderr, "corvane: cannot start SDL: %s\n", SDL_GetError());
        return 1;
    }
    SDL_InitSubSystem(SDL_INIT_AUDIO);  // without sound the game goes on silently
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) {
        desktop.w = 640;
        desktop.h = 480;
    }
    int status = 0;
    try {
        runGame(plat::sdl::chooseDisplayMode(std::getenv("CORVANE_WINDOW"), desktop.w, desktop.h), programFolder());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "corvane: %s\n", e.what());
        status = 1;
    }
    SDL_Quit();
    return status;
}
