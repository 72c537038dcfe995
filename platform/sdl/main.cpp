// The corvane program: opens the SDL window over the whole display (or the
// window CORVANE_WINDOW asks for), starts the game and runs its event loop.
// Where it finds its files: platform/game_folders.h.
// It exits with status 1 when it cannot start: no SDL, no display to show
// the window on, or a game that refused to start (a missing picture); with
// status 2 when CORVANE_WINDOW asks for a window it cannot have. Its
// command line (--help, --version) is answered first: platform/sdl/command_line.h.
// The window manager's close, SIGTERM, SIGHUP and SIGINT leave the game as
// its EXIT command does (close_signals.h), with status 0.
#define SDL_MAIN_HANDLED
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "platform/game_folders.h"
#include "platform/media/media_library.h"
#include "platform/message_box.h"
#include "platform/sdl/close_signals.h"
#include "platform/sdl/command_line.h"
#include "platform/sdl/player_folder.h"
#include "platform/sdl/sdl_backend.h"
#include "startup/startup_module.h"

namespace {

// The folder of the running program, without a trailing slash.
std::string programFolder() {
    char* base = SDL_GetBasePath();
    std::string dir = base ? base : "./";
    SDL_free(base);
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// SDL's drivers that show nothing to anybody.
bool unseenDriver() {
    const char* driver = SDL_GetCurrentVideoDriver();
    std::string name = driver ? driver : "";
    return name == "offscreen" || name == "dummy";
}

// Without a display SDL falls back to a driver that shows nothing; only a
// user who chose it through SDL_VIDEODRIVER gets it. Why there is no window
// to see, or "" when there is one.
std::string missingDisplay() {
    if (!environment("SDL_VIDEODRIVER").empty() || !unseenDriver()) return "";
    std::string display = environment("DISPLAY"), wayland = environment("WAYLAND_DISPLAY");
    if (display.empty() && wayland.empty()) return "DISPLAY is not set";
    return "cannot open the display \"" + (display.empty() ? wayland : display) + "\"";
}

// Where nobody sees the window nobody can answer a message box: its text
// goes to standard error and it takes its default button, so the program
// never waits for a click that cannot come.
class UnseenBackend : public plat::sdl::SdlBackend {
public:
    using SdlBackend::SdlBackend;
    int runMessageBox(plat::System&, plat::MessageBox& box) override {
        std::fprintf(stderr, "corvane: %s\n", box.prompt.c_str());
        return box.defaultAnswer();
    }
};

// The exit status: 1 when the game refused to start.
int runGame(const plat::DisplayMode& mode, const plat::GameFolders& folders) {
    using plat::sdl::SdlBackend;
    std::unique_ptr<SdlBackend> backend = unseenDriver()
                                              ? std::make_unique<UnseenBackend>(mode, folders.pictures, folders.waves)
                                              : std::make_unique<SdlBackend>(mode, folders.pictures, folders.waves);
    plat::System sys(*backend, mode.width, mode.height);
    StartupModule startup(sys, folders.program, folders.pictures);
    // Why the game cannot start goes to the terminal too (an unseen box prints itself).
    if (!unseenDriver())
        startup.onRefusal = [](const std::string& why) { std::fprintf(stderr, "corvane: %s\n", why.c_str()); };
    try {
        startup.Main();
        sys.run();
    } catch (const plat::ProgramEnded&) {
    }
    return startup.startFailed() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (std::optional<int> answered = plat::sdl::answerCommandLine(argc, argv)) return *answered;
    plat::useMediaLibrary();
    SDL_SetMainReady();
    plat::sdl::CloseSignals closeSignals;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        std::fprintf(stderr, "corvane: cannot start SDL: %s\n", SDL_GetError());
        return 1;
    }
    if (std::string why = missingDisplay(); !why.empty()) {
        std::fprintf(stderr, "corvane: no display to open a window on (%s)\n", why.c_str());
        SDL_Quit();
        return 1;
    }
    plat::ModeChoice mode = plat::sdl::displayModeFor(std::getenv("CORVANE_WINDOW"));
    if (!mode.refusal.empty()) {
        std::fprintf(stderr, "corvane: %s\n", mode.refusal.c_str());
        SDL_Quit();
        return 2;
    }
    SDL_InitSubSystem(SDL_INIT_AUDIO);  // without sound the game goes on silently
    closeSignals.start();
    int status = 0;
    try {
        const plat::GameFolders folders = plat::gameFolders(programFolder(), plat::sdl::makePlayerFolder);
        if (!folders.problem.empty())
            std::fprintf(stderr, "corvane: %s: the options and the top ten of this run are not kept\n",
                         folders.problem.c_str());
        status = runGame(mode.mode, folders);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "corvane: %s\n", e.what());
        status = 1;
    }
    closeSignals.stop();
    SDL_Quit();
    return status;
}
