// The catalogue of the game's sounds: each wave file's name is stated here
// once. The game plays them by these names, the wave generator writes them
// under these names, and the build lists its generated wave files from
// everySound() (printed at configure time by tools/wavegen/list/main.cpp). A
// new sound is named here; a misspelt one does not compile.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace catalogue {

// A sound of the game: its wave file's name. Made only here, so a sound call
// takes one of the names below and never a bare file name.
struct Sound {
    const char* file;
};

inline constexpr Sound BoxSound{"box.wav"};         // a block comes to rest or falls into a gap
inline constexpr Sound LineSound{"line.wav"};       // a laser run lights
inline constexpr Sound DownSound{"down.wav"};       // the pointer enters a menu hot spot
inline constexpr Sound OffSound{"off.wav"};         // the text panels close
inline constexpr Sound LeaveMeSound{"leavme.wav"};  // the information panel's tune

inline constexpr auto kSounds = std::to_array<Sound>({BoxSound, LineSound, DownSound, OffSound, LeaveMeSound});

// Every wave file the game plays and the wave generator writes.
inline std::vector<std::string> everySound() {
    std::vector<std::string> files;
    for (const Sound& sound : kSounds) files.push_back(sound.file);
    return files;
}

}  // namespace catalogue
