// Wave files through SDL2_mixer on one channel: a new sound replaces the one
// playing. Without an audio device, or for a file that cannot be read, the
// game simply stays silent.
//
// The audio device is open only while sounds play: it opens for a sound and
// closes within a second after the last one ended, so that a quiet game
// wakes no audio thread (SDL's keeps waking while a device is open, paused
// or not). A device that cannot be opened (another program holding it for a
// moment) is tried again at the next sound, once for each sound.
#pragma once

#include <SDL_mixer.h>

#include <cstdint>
#include <map>
#include <string>

namespace plat::sdl {

class SdlSound {
public:
    static constexpr uint64_t kNever = UINT64_MAX;

    // Sound is possible when SDL's audio subsystem is running.
    SdlSound();
    ~SdlSound();
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    // False without SDL's audio.
    bool available() const { return usable_; }
    // Flags as the game passes them; SoundLoop repeats the sound until replaced.
    void play(const std::string& path, int flags);
    // The file of the sound playing now ("" when silent).
    std::string playing() const;

    bool deviceOpen() const { return open_; }
    // When the device may close (SDL_GetTicks64 time), kNever while it is
    // closed or a sound loops.
    uint64_t closeDue() const { return open_ ? closeDue_ : kNever; }
    // Closes the device when that time has come and nothing plays.
    void closeIfQuiet(uint64_t now);

private:
    bool openDevice();
    void closeDevice();
    void freeChunks();
    Mix_Chunk* chunk(const std::string& path);

    bool usable_ = false;
    bool open_ = false;
    uint64_t closeDue_ = kNever;
    int frequency_ = 0, channels_ = 0;  // the device's format, which the chunks are in
    Uint16 format_ = 0;
    std::string current_;
    std::map<std::string, Mix_Chunk*> chunks_;  // nullptr for files that failed
};

// The call that opens the audio device, Mix_OpenAudio; tests swap it to make
// it fail.
struct AudioCalls {
    int (*open)(int frequency, Uint16 format, int channels, int chunkSize);
};
AudioCalls& audioCalls();

// SDL's audio for programs that play sounds outside the game's own start-up,
// such as the sound benchmark.
bool startAudio();  // false when SDL's audio cannot start
void stopAudio();

}  // namespace plat::sdl
