// The game's sounds, synthesised: short effects and the looping tune of the
// information panel, as 16-bit mono samples at 22050 Hz.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wave {

constexpr int kSampleRate = 22050;
using Samples = std::vector<int16_t>;

Samples boxSound();     // a block comes to rest: a short wooden knock
Samples lineSound();    // a laser lights: a bright zap
Samples downSound();    // a menu word lights: a soft click
Samples offSound();     // panels close: a short falling blip
Samples leaveMeTune();  // the information panel's tune; loops seamlessly

struct SoundFile {
    const char* name;  // the wave file's name (shared/sound_catalogue.h)
    Samples (*make)();
};
// Every sound of the catalogue, in its order, with its synthesis.
const std::vector<SoundFile>& soundFiles();

// A complete RIFF/WAVE file: 44-byte header, then the samples.
std::vector<uint8_t> wavBytes(const Samples& samples);
// Throws std::runtime_error when the file cannot be written.
void writeWav(const Samples& samples, const std::string& path);

}  // namespace wave
