#include "sdl_sound.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "../basic.h"

namespace plat::sdl {

namespace {
constexpr int kChannel = 0;
// How long the device stays open after a sound was started, or after it was
// last found playing, before it closes if silent.
constexpr uint64_t kQuietMs = 1000;

// File names compare without regard to case, as on the game's home system.
std::string findFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(path, ec)) return path;
    fs::path p(path);
    auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        return s;
    };
    std::string want = lower(p.filename().string());
    fs::path dir = p.has_parent_path() ? p.parent_path() : fs::path(".");
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        if (lower(it->path().filename().string()) == want) return it->path().string();
    return path;
}
}  // namespace

SdlSound::SdlSound() : usable_(SDL_WasInit(SDL_INIT_AUDIO) != 0) {}

SdlSound::~SdlSound() {
    closeDevice();
    freeChunks();
}

bool SdlSound::openDevice() {
    if (open_ || !usable_) return open_;
    // The device takes the game's wave files as they are (22050 Hz, 16-bit,
    // mono), so a sound is held as loaded: at 44.1 kHz stereo the tune alone
    // took 2 MB. SDL turns the stream into the hardware's own format.
    if (audioCalls().open(22050, AUDIO_S16SYS, 1, 512) != 0) return false;  // this sound stays silent
    Mix_AllocateChannels(1);
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    if (frequency != frequency_ || format != format_ || channels != channels_) freeChunks();
    frequency_ = frequency, format_ = format, channels_ = channels;
    open_ = true;
    return true;
}

void SdlSound::closeDevice() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    open_ = false;
    current_.clear();
}

void SdlSound::freeChunks() {
    for (auto& [path, c] : chunks_)
        if (c) Mix_FreeChunk(c);
    chunks_.clear();
}

Mix_Chunk* SdlSound::chunk(const std::string& path) {
    auto it = chunks_.find(path);
    if (it != chunks_.end()) return it->second;
    Mix_Chunk* c = Mix_LoadWAV(findFile(path).c_str());
    chunks_[path] = c;
    return c;
}

void SdlSound::play(const std::string& path, int flags) {
    if (!openDevice()) return;
    Mix_HaltChannel(kChannel);
    current_.clear();
    Mix_Chunk* c = chunk(path);
    bool loop = (flags & SoundLoop) != 0;
    if (c && Mix_PlayChannel(kChannel, c, loop ? -1 : 0) == kChannel) current_ = path;
    closeDue_ = loop && !current_.empty() ? kNever : SDL_GetTicks64() + kQuietMs;
}

void SdlSound::closeIfQuiet(uint64_t now) {
    if (!open_ || now < closeDue_) return;
    if (Mix_Playing(kChannel))
        closeDue_ = now + kQuietMs;  // a long sound: look again later
    else
        closeDevice();
}

std::string SdlSound::playing() const { return open_ && Mix_Playing(kChannel) ? current_ : std::string(); }

AudioCalls& audioCalls() {
    static AudioCalls calls{Mix_OpenAudio};
    return calls;
}

bool startAudio() { return SDL_Init(SDL_INIT_AUDIO) == 0; }
void stopAudio() { SDL_Quit(); }

}  // namespace plat::sdl
