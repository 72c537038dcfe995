// How long one frame takes: composing the whole screen of a real game
// (played for a while on the headless backend, so the board holds landed
// blocks, a falling block and the labels), and, when an X display is at
// hand, composing it and showing it in an SDL window as corvane does.
//
//   corvane-bench-frame [Google Benchmark options]
//
// CORVANE_PICTURES names the pictures folder (default: the build's);
// CORVANE_BENCH_SHOTS names a folder for a screenshot of each composed screen.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/compositor.h"
#include "platform/headless/headless_backend.h"
#include "platform/media/bmp_file.h"
#include "platform/media/media_library.h"
#include "platform/sdl/sdl_video.h"
#include "platform/system.h"
#include "startup/startup_module.h"

namespace {

std::string pictureFolder() {
    const char* env = std::getenv("CORVANE_PICTURES");
    return env ? env : CORVANE_BUILD_PICTURES;
}

// The whole game on the headless backend, its data files in a folder of its own.
class Game {
public:
    Game(int w, int h) : sys_(backend_, w, h) {
        char dir[] = "/tmp/corvane-bench.XXXXXX";
        if (!mkdtemp(dir)) throw std::runtime_error("cannot make a temporary folder");
        folder_ = dir;
        startup_ = std::make_unique<StartupModule>(sys_, folder_ + "/", pictureFolder());
        startup_->Main();
        wait(2500);  // the title screen goes, the game window shows
    }
    ~Game() {
        startup_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    void key(int code, int character = -1) {
        sys_.post({plat::InputEvent::Type::KeyDown, code, 0, 0, 0});
        if (character >= 0) sys_.post({plat::InputEvent::Type::Char, character, 0, 0, 0});
        sys_.DoEvents();
    }
    void wait(int64_t ms) { sys_.runUntil(backend_.now() + ms); }

    // Starts a game and plays it for a while: blocks pushed to both sides
    // and dropped, so that a dozen land before the picture is taken.
    void play() {
        key('S', 's');
        const int moves[] = {37, 37, 37, 39, 39, 39, 37, 39, 38, 37, 37, 39, 39, 38, 37, 39};
        for (int m : moves) {
            key(m);
            for (int i = 0; i < 4; ++i) key(40);  // Down
            wait(1500);
        }
        wait(300);
    }

    plat::System& system() { return sys_; }

private:
    plat::HeadlessBackend backend_;
    plat::System sys_;
    std::string folder_;
    std::unique_ptr<StartupModule> startup_;
};

void composeFrame(benchmark::State& state, int w, int h, bool playing) {
    Game game(w, h);
    if (playing) game.play();
    plat::Framebuffer fb;
    for (auto _ : state) {
        plat::compose(game.system(), fb);
        benchmark::DoNotOptimize(fb.px.data());
    }
    std::string label = std::to_string(w) + "x" + std::to_string(h) + (playing ? " game" : " menu");
    if (const char* shots = std::getenv("CORVANE_BENCH_SHOTS"))
        plat::writeScreenshot(fb, std::string(shots) + "/" + std::to_string(w) + "x" + std::to_string(h) +
                                      (playing ? "-game" : "-menu") + ".bmp");
    state.SetLabel(label);
}

// One present of corvane in a real SDL window: the falling block moves a
// column, the screen is composed and what changed is shown. With `whole`
// the entire screen is sent, as after the window was uncovered.
void presentFrame(benchmark::State& state, plat::DisplayMode mode, bool whole) {
    const int w = mode.width, h = mode.height;
    Game game(w, h);
    game.play();
    plat::sdl::SdlVideo video(mode, pictureFolder() + "/icon.bmp");
    int step = 0;
    for (auto _ : state) {
        game.key(step++ % 2 ? 39 : 37);  // Right, Left
        video.present(game.system(), game.system().takeDamage(), whole);
        plat::sdl::pumpEvents();
    }
    state.SetLabel(std::to_string(w) + "x" + std::to_string(h) + (mode.fullscreen ? " full screen" : "") +
                   (whole ? " whole screen, " : " block moved, ") + plat::sdl::videoDriver());
}

}  // namespace

int main(int argc, char** argv) {
    plat::useMediaLibrary();
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("compose/menu/800x600", composeFrame, 800, 600, false)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("compose/game/800x600", composeFrame, 800, 600, true)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("compose/game/1024x768", composeFrame, 1024, 768, true)->Unit(benchmark::kMicrosecond);
    bool video = plat::sdl::startVideo();
    if (video) {
        // Windows of those sizes, and full screen on the display at hand
        // (on 1920 x 1080 a screen of 960 x 540 shown twice as large).
        plat::DisplayMode full = plat::sdl::displayModeFor(nullptr).mode;
        for (bool whole : {false, true}) {
            std::string what = whole ? "present/whole/" : "present/move/";
            for (plat::DisplayMode mode :
                 {plat::DisplayMode{800, 600, false}, plat::DisplayMode{1024, 768, false}, full}) {
                std::string size = std::to_string(mode.width) + "x" + std::to_string(mode.height);
                benchmark::RegisterBenchmark((what + (mode.fullscreen ? "fullscreen/" : "") + size).c_str(),
                                             presentFrame, mode, whole)
                    ->Unit(benchmark::kMicrosecond);
            }
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (video) plat::sdl::stopVideo();
    return 0;
}
