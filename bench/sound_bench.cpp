// How soon a sound starts: SdlSound::play while the audio device is open (a
// sound replaces another) and after a quiet spell, when the device was
// closed and opens again first. On SDL's audio driver of the environment
// (SDL_AUDIODRIVER; the dummy driver when unset).
//
//   corvane-bench-sound [Google Benchmark options]
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/sdl/sdl_sound.h"

namespace {

const std::string kWave = std::string(CORVANE_BUILD_PROGRAM) + "/box.wav";

void playWhileOpen(benchmark::State& state) {
    plat::sdl::SdlSound sound;
    sound.play(kWave, 3);
    for (auto _ : state) sound.play(kWave, 3);
    if (!sound.deviceOpen()) state.SkipWithError("no audio device");
}

void playAfterQuiet(benchmark::State& state) {
    plat::sdl::SdlSound sound;
    sound.play(kWave, 3);  // the file is read once; the device closes below
    for (auto _ : state) {
        state.PauseTiming();
        sound.closeIfQuiet(plat::sdl::SdlSound::kNever - 1);  // as if its time had come
        while (sound.deviceOpen()) {
            sound.play(kWave + ".none", 3);  // silence, then close
            sound.closeIfQuiet(plat::sdl::SdlSound::kNever - 1);
        }
        state.ResumeTiming();
        sound.play(kWave, 3);
    }
    if (!sound.deviceOpen()) state.SkipWithError("no audio device");
}

}  // namespace

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (!plat::sdl::startAudio()) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("sound/play/device-open", playWhileOpen)->Unit(benchmark::kMicrosecond);
    // Each closing waits for the audio thread to end: a fixed number of rounds.
    benchmark::RegisterBenchmark("sound/play/after-quiet", playAfterQuiet)
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(50);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    plat::sdl::stopAudio();
    return 0;
}
