// Wave files through SDL2_mixer on one channel: a new sound replaces the one
// playing. Without an audio device, or for a file that cannot be read, the
// game simply stays silent.
#pragma once

#include <SDL_mixer.h>

#include <map>
#include <string>

namespace plat::sdl {

class SdlSound {
public:
    // Opens the audio device if SDL's audio subsystem is running.
    SdlSound();
    ~SdlSound();
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    bool available() const { return open_; }
    // Flags as the game passes them; SoundLoop repeats the sound until replaced.
    void play(const std::string& path, int flags);
    // The file of the sound playing now ("" when silent).
    std::string playing() const;

private:
    Mix_Chunk* chunk(const std::string& path);

    bool open_ = false;
    std::string current_;
    std::map<std::string, Mix_Chunk*> chunks_;  // nullptr for files that failed
};

}  // namespace plat::sdl
