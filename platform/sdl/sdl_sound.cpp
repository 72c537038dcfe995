#include "sdl_sound.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "../basic.h"

namespace plat::sdl {

namespace {
constexpr int kChannel = 0;

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

SdlSound::SdlSound() {
    if (!SDL_WasInit(SDL_INIT_AUDIO)) return;
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) return;
    Mix_AllocateChannels(1);
    open_ = true;
}

SdlSound::~SdlSound() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    for (auto& [path, c] : chunks_)
        if (c) Mix_FreeChunk(c);
    Mix_CloseAudio();
}

Mix_Chunk* SdlSound::chunk(const std::string& path) {
    auto it = chunks_.find(path);
    if (it != chunks_.end()) return it->second;
    Mix_Chunk* c = Mix_LoadWAV(findFile(path).c_str());
    chunks_[path] = c;
    return c;
}

void SdlSound::play(const std::string& path, int flags) {
    if (!open_) return;
    Mix_HaltChannel(kChannel);
    current_.clear();
    Mix_Chunk* c = chunk(path);
    if (c && Mix_PlayChannel(kChannel, c, (flags & SoundLoop) ? -1 : 0) == kChannel) current_ = path;
}

std::string SdlSound::playing() const { return open_ && Mix_Playing(kChannel) ? current_ : std::string(); }

}  // namespace plat::sdl
