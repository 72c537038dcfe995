// Sound through SDL2_mixer on the dummy audio driver: one sound at a time,
// silence for files that cannot be played, names matched without case, a
// device opened only while sounds play and tried again after it failed.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/basic.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/sdl_sound.h"

namespace plat::sdl {
namespace {

namespace fs = std::filesystem;

// An 8-bit mono wave file of a square tone, one second long by default.
void writeWave(const fs::path& path, uint32_t ms = 1000) {
    const uint32_t rate = 8000, n = rate * ms / 1000;
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
        writeWave(dir / "tick.wav", 50);
        writeWave(dir / "long.wav", 10000);
    }
    void TearDown() override {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        fs::remove_all(dir);
    }
    std::string file(const char* name) { return (dir / name).string(); }
    fs::path dir;
};

TEST_F(SoundTest, TheBackendPlaysTheGamesSoundFromItsFolderOfWaveFiles) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    {
        SdlBackend backend(DisplayMode{640, 480, false}, "/nonexistent", dir.string());
        backend.playSound("line.wav", SoundAsync | SoundNoDefault);
        EXPECT_EQ(backend.soundPlaying(), file("line.wav"));
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

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

// The device opens for a sound and closes once the sound has ended and its
// time has come; a looping sound keeps it open.
TEST_F(SoundTest, DeviceIsOpenOnlyWhileSoundsPlay) {
    SdlSound sound;
    EXPECT_FALSE(sound.deviceOpen());
    EXPECT_EQ(sound.closeDue(), SdlSound::kNever);
    sound.play(file("long.wav"), 3);
    ASSERT_TRUE(sound.deviceOpen());
    sound.closeIfQuiet(sound.closeDue());  // due, but the sound still plays
    EXPECT_EQ(sound.playing(), file("long.wav"));

    sound.play(file("tick.wav"), 3);
    for (int i = 0; i < 500 && !sound.playing().empty(); ++i) SDL_Delay(10);
    ASSERT_EQ(sound.playing(), "");
    sound.closeIfQuiet(sound.closeDue() - 1);
    EXPECT_TRUE(sound.deviceOpen());
    sound.closeIfQuiet(sound.closeDue());
    EXPECT_FALSE(sound.deviceOpen());
    EXPECT_EQ(sound.closeDue(), SdlSound::kNever);

    sound.play(file("box.wav"), SoundLoop | 3);  // the device opens again, the kept file plays
    EXPECT_EQ(sound.playing(), file("box.wav"));
    EXPECT_EQ(sound.closeDue(), SdlSound::kNever);
    sound.closeIfQuiet(SdlSound::kNever - 1);
    EXPECT_TRUE(sound.deviceOpen());
}

// The device's open as another program holding it for a moment makes it:
// failing `failures` times, then opening.
int failures = 0, attempts = 0;
int busyDevice(int frequency, Uint16 format, int channels, int chunkSize) {
    ++attempts;
    if (failures > 0) {
        --failures;
        return SDL_SetError("Device or resource busy");
    }
    return Mix_OpenAudio(frequency, format, channels, chunkSize);
}

// A device that could not be opened is tried again at the next sound, which
// plays; one that keeps failing costs one attempt for each sound started and
// none while the game waits.
TEST_F(SoundTest, DeviceThatFailedToOpenIsTriedAgainAtTheNextSound) {
    AudioCalls saved = audioCalls();
    audioCalls().open = busyDevice;
    failures = 1, attempts = 0;
    SdlSound sound;
    sound.play(file("box.wav"), 3);
    EXPECT_EQ(sound.playing(), "");
    EXPECT_FALSE(sound.deviceOpen());
    EXPECT_EQ(sound.closeDue(), SdlSound::kNever);  // nothing to wake the loop for
    EXPECT_TRUE(sound.available());
    sound.play(file("line.wav"), 3);
    EXPECT_EQ(sound.playing(), file("line.wav"));
    EXPECT_EQ(attempts, 2);

    sound.play(file("nothing.wav"), 3);  // silence, so that the device closes; then it stays busy
    sound.closeIfQuiet(SdlSound::kNever - 1);
    ASSERT_FALSE(sound.deviceOpen());
    failures = 1000, attempts = 0;
    for (int i = 0; i < 3; ++i) {
        sound.play(file("box.wav"), SoundLoop | 3);
        sound.closeIfQuiet(SdlSound::kNever - 1);
    }
    EXPECT_EQ(attempts, 3);
    EXPECT_EQ(sound.playing(), "");
    failures = 0;
    sound.play(file("tick.wav"), 3);
    EXPECT_EQ(sound.playing(), file("tick.wav"));
    audioCalls() = saved;
}

TEST(SoundWithoutDevice, StaysSilent) {
    SdlSound sound;  // the audio subsystem is not running
    EXPECT_FALSE(sound.available());
    sound.play("/nowhere/box.wav", 3);
    EXPECT_EQ(sound.playing(), "");
}

}  // namespace
}  // namespace plat::sdl
