// The wave generator: files the game can load, of the right shape, the same
// on every run, and a tune that loops without a click.
#include "sounds.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path generate(const std::string& name) {
    const fs::path dir = fs::temp_directory_path() / ("corvane_wavegen_" + name + std::to_string(::getpid()));
    fs::remove_all(dir);
    const std::string cmd = std::string(CORVANE_WAVEGEN) + " " + dir.string();
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    return dir;
}

std::vector<uint8_t> readBytes(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    const std::vector<char> raw{std::istreambuf_iterator<char>(f), {}};
    return {raw.begin(), raw.end()};
}

struct Loaded {
    SDL_AudioSpec format{};
    std::vector<int16_t> samples;
};

Loaded loadWav(const fs::path& p) {
    Loaded out;
    Uint8* buf = nullptr;
    Uint32 len = 0;
    if (!SDL_LoadWAV(p.string().c_str(), &out.format, &buf, &len)) {
        ADD_FAILURE() << "SDL cannot load " << p << ": " << SDL_GetError();
        return out;
    }
    out.samples.resize(len / 2);
    std::memcpy(out.samples.data(), buf, out.samples.size() * 2);
    SDL_FreeWAV(buf);
    return out;
}

int peakOf(const std::vector<int16_t>& s) {
    int peak = 0;
    for (int16_t v : s) peak = std::max(peak, std::abs(int(v)));
    return peak;
}

}  // namespace

TEST(WaveFiles, LoadAsMono16BitPcmOfTheirLengths) {
    const fs::path dir = generate("load");
    // Expected lengths in milliseconds, with some slack.
    const std::map<std::string, std::pair<int, int>> lengths = {
        {"box.wav", {90, 160}},  {"line.wav", {250, 400}},     {"down.wav", {40, 90}},
        {"off.wav", {120, 200}}, {"leavme.wav", {2000, 8000}},
    };
    for (const auto& [name, range] : lengths) {
        SCOPED_TRACE(name);
        const Loaded w = loadWav(dir / name);
        EXPECT_EQ(w.format.format, AUDIO_S16LSB);
        EXPECT_EQ(w.format.channels, 1);
        EXPECT_EQ(w.format.freq, 22050);
        const double ms = 1000.0 * w.samples.size() / 22050.0;
        EXPECT_GE(ms, range.first);
        EXPECT_LE(ms, range.second);
        EXPECT_EQ(fs::file_size(dir / name), 44 + 2 * w.samples.size()) << "plain 44-byte header";
        // Loud enough to hear, never clipped.
        EXPECT_GT(peakOf(w.samples), 32767 / 4);
        EXPECT_LT(peakOf(w.samples), 32767);
    }
    fs::remove_all(dir);
}

TEST(WaveFiles, EffectsStartAndEndInSilence) {
    for (const wave::SoundFile& f : wave::soundFiles()) {
        if (std::string(f.name) == "leavme.wav") continue;
        SCOPED_TRACE(f.name);
        const wave::Samples s = f.make();
        ASSERT_GT(s.size(), 100u);
        EXPECT_LT(std::abs(int(s.front())), 200);
        EXPECT_LT(std::abs(int(s.back())), 200);
    }
}

TEST(WaveFiles, TuneLoopsWithoutAClick) {
    const wave::Samples s = wave::leaveMeTune();
    ASSERT_GT(s.size(), 1000u);
    const size_t n = s.size();
    // Steps and bends right beside the seam, on both sides of it.
    int localStep = 0, localBend = 0;
    for (size_t i = 0; i < 200; ++i) {
        localStep = std::max({localStep, std::abs(s[i + 1] - s[i]), std::abs(s[n - 1 - i] - s[n - 2 - i])});
        localBend = std::max({localBend, std::abs(s[i + 2] - 2 * s[i + 1] + s[i]),
                              std::abs(s[n - 1 - i] - 2 * s[n - 2 - i] + s[n - 3 - i])});
    }
    // Played in a loop, the last sample leads into the first like any other
    // neighbour: the jump and the bend across the seam are no larger.
    EXPECT_LE(std::abs(s[0] - s[n - 1]), localStep);
    EXPECT_LE(std::abs(s[0] - 2 * s[n - 1] + s[n - 2]), localBend + 2);
    EXPECT_LE(std::abs(s[1] - 2 * s[0] + s[n - 1]), localBend + 2);
    // The tune does not fade out into the seam: it is still playing there.
    EXPECT_GT(localStep, 20);
}

TEST(WaveFiles, GenerationIsDeterministic) {
    const fs::path a = generate("a"), b = generate("b");
    for (const wave::SoundFile& f : wave::soundFiles()) {
        SCOPED_TRACE(f.name);
        const std::vector<uint8_t> bytes = readBytes(a / f.name);
        EXPECT_FALSE(bytes.empty());
        EXPECT_EQ(bytes, readBytes(b / f.name));
        EXPECT_EQ(wave::wavBytes(f.make()), bytes);
    }
    fs::remove_all(a);
    fs::remove_all(b);
}

TEST(WaveFiles, WriteFailsLoudlyForAnUnwritablePath) {
    EXPECT_THROW(wave::writeWav(wave::downSound(), "/nonexistent-dir/x/down.wav"), std::runtime_error);
}
