// Sound through SDL2_mixer on the dummy audio driver: one sound at a time,
// silence for files that cannot be played, names matched without case.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <filesystem>
#include <vector>

#include "platform/basic.h"
#include "platform/sdl/sdl_sound.h"

namespace plat::sdl {
namespace {

namespace fs = std::filesystem;

// A one-second 8-bit mono wave file of a square tone.
void writeWave(const fs::path& path) {
    const uint32_t rate = 8000, n = rate;
    std::vector<uint8_t> f;
    auto put = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) f.push_back(uint8_t(v >> (8 * i)));
    };
    auto tag = [&](const char* t) { f.insert(f.end(), t, t + 4); };
    tag("RIFF"), put(36 + n, 4), tag("WAVE"), tag("fmt "), put(16, 4), put(1, 2), put(1, 2), put(rate, 4);
    put(rate, 4), put(1, 2), put(8, 2), tag("data"), put(n, 4);
    for (uint32_t i = 0; i < n; ++i) f.push_back((i / 20) % 2 ? 200 : 56);
    FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(f.data(), 1, f.size(), out);
    std::fclose(out);
}

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
        // Tests run side by side: each process has a folder of its own.
        dir = fs::temp_directory_path() / ("corvane_sound_test_" + std::to_string(getpid()));
        fs::create_directories(dir);
        writeWave(dir / "box.wav");
        writeWave(dir / "line.wav");
    }
    void TearDown() override {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        fs::remove_all(dir);
    }
    std::string file(const char* name) { return (dir / name).string(); }
    fs::path dir;
};

TEST_F(SoundTest, NewSoundReplacesThePlayingOne) {
    SdlSound sound;
    ASSERT_TRUE(sound.available());
    sound.play(file("box.wav"), SoundAsync | SoundNoDefault);
    EXPECT_EQ(sound.playing(), file("box.wav"));
    sound.play(file("line.wav"), SoundAsync | SoundNoDefault | SoundLoop);
    EXPECT_EQ(sound.playing(), file("line.wav"));
}

TEST_F(SoundTest, MissingFileStopsTheSoundAndPlaysNothing) {
    SdlSound sound;
    sound.play(file("line.wav"), SoundLoop);
    sound.play(file("nothing.wav"), 3);
    EXPECT_EQ(sound.playing(), "");
}

TEST_F(SoundTest, FileNamesMatchWithoutRegardToCase) {
    SdlSound sound;
    sound.play(file("BOX.WAV"), 3);
    EXPECT_EQ(sound.playing(), file("BOX.WAV"));
}

TEST(SoundWithoutDevice, StaysSilent) {
    SdlSound sound;  // the audio subsystem is not running
    EXPECT_FALSE(sound.available());
    sound.play("/nowhere/box.wav", 3);
    EXPECT_EQ(sound.playing(), "");
}

}  // namespace
}  // namespace plat::sdl
