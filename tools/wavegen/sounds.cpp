// Synthesis of the game's sounds. Everything is computed from fixed numbers
// and a fixed-seed noise generator, so every run writes the same files.
#include "sounds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <stdexcept>

#include "shared/sound_catalogue.h"
#include "tools/catalogue_pairs.h"

namespace wave {

namespace {

using Buffer = std::vector<double>;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

size_t samplesFor(double seconds) { return size_t(std::lround(seconds * kSampleRate)); }

// A small linear congruential generator: white noise in [-1, 1).
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) * (2.0 / 16777216.0) - 1.0;
    }

private:
    uint32_t state_;
};

// Scales to the given peak (a fraction of full scale) and rounds.
Samples toSamples(const Buffer& b, double peak) {
    double top = 0;
    for (double v : b) top = std::max(top, std::abs(v));
    const double gain = top > 0 ? peak * 32767.0 / top : 0.0;
    Samples out(b.size());
    for (size_t i = 0; i < b.size(); ++i) out[i] = int16_t(std::clamp(std::lround(b[i] * gain), -32767L, 32767L));
    return out;
}

// Short ramps at both ends so an effect starts and stops at silence.
void rampEnds(Buffer& b, double inSeconds, double outSeconds) {
    const size_t in = std::min(b.size(), samplesFor(inSeconds));
    const size_t out = std::min(b.size(), samplesFor(outSeconds));
    for (size_t i = 0; i < in; ++i) b[i] *= double(i) / in;
    for (size_t i = 0; i < out; ++i) b[b.size() - 1 - i] *= double(i) / out;
}

// A tone whose frequency follows freq(t); returns the phase-integrated
// waveform shaped by wave(phase) and envelope(t).
template <typename Freq, typename Shape, typename Env>
void addSweep(Buffer& b, Freq freq, Shape shape, Env envelope) {
    double phase = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / kSampleRate;
        b[i] += shape(phase) * envelope(t);
        phase = std::fmod(phase + kTwoPi * freq(t) / kSampleRate, kTwoPi);
    }
}

double midiToHz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

}  // namespace

Samples boxSound() {
    Buffer b(samplesFor(0.12), 0.0);
    // A few body modes of a hollow wooden box, each dying away quickly.
    struct Mode {
        double hz, decay, amp;
    };
    for (const Mode m : {Mode{170, 0.030, 1.0}, Mode{410, 0.018, 0.6}, Mode{1130, 0.008, 0.35}})
        addSweep(
            b, [&](double) { return m.hz; }, [](double p) { return std::sin(p); },
            [&](double t) { return m.amp * std::exp(-t / m.decay); });
    // The strike itself: a burst of dull noise.
    Noise noise(0xB0C5u);
    double low = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / kSampleRate;
        low += 0.25 * (noise.next() - low);
        b[i] += 0.8 * low * std::exp(-t / 0.004);
    }
    rampEnds(b, 0.0005, 0.01);
    return toSamples(b, 0.8);
}

Samples lineSound() {
    Buffer b(samplesFor(0.30), 0.0);
    // Sweeps down from a bright start and settles into a buzzing hum.
    auto freq = [](double t) { return 520 + 2200 * std::exp(-t / 0.045) + 18 * std::sin(kTwoPi * 31 * t); };
    auto env = [](double t) { return std::min(1.0, t / 0.003) * std::exp(-t / 0.12); };
    addSweep(
        b, freq, [](double p) { return std::tanh(2.5 * std::sin(p)); }, env);
    addSweep(
        b, [&](double t) { return 1.503 * freq(t); }, [](double p) { return 0.45 * std::sin(p); }, env);
    Noise noise(0x2A5Eu);
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / kSampleRate;
        b[i] += 0.12 * noise.next() * std::exp(-t / 0.02);
    }
    rampEnds(b, 0.001, 0.02);
    return toSamples(b, 0.75);
}

Samples downSound() {
    Buffer b(samplesFor(0.06), 0.0);
    auto env = [](double t) { return std::min(1.0, t / 0.001) * std::exp(-t / 0.012); };
    addSweep(
        b, [](double) { return 1250.0; }, [](double p) { return std::sin(p) + 0.3 * std::sin(2 * p); }, env);
    rampEnds(b, 0.0, 0.005);
    return toSamples(b, 0.5);
}

Samples offSound() {
    Buffer b(samplesFor(0.15), 0.0);
    const double length = double(b.size()) / kSampleRate;
    addSweep(
        b, [](double t) { return 880.0 * std::pow(330.0 / 880.0, t / 0.15); },
        [](double p) { return std::sin(p) + 0.25 * std::sin(3 * p); },
        [&](double t) { return std::min(1.0, t / 0.003) * (1.0 - t / length); });
    rampEnds(b, 0.0, 0.005);
    return toSamples(b, 0.65);
}

Samples leaveMeTune() {
    // Two bars at 120 beats a minute: sixteen eighth notes over a bass line.
    // The buffer is a circle: a note that rings past the end goes on at the
    // start, and every partial makes a whole number of cycles in the loop,
    // so the last sample runs smoothly into the first.
    constexpr double kLoopSeconds = 4.0;
    const size_t loop = samplesFor(kLoopSeconds);
    Buffer b(loop, 0.0);
    auto inLoop = [&](double hz) { return std::round(hz * kLoopSeconds) / kLoopSeconds; };

    auto addNote = [&](double startSeconds, int midi, double ring, double decay, double amp,
                       std::initializer_list<double> harmonics) {
        const size_t start = samplesFor(startSeconds), length = samplesFor(ring);
        const size_t release = samplesFor(0.03);
        for (size_t i = 0; i < length; ++i) {
            const size_t at = (start + i) % loop;
            const double t = double(i) / kSampleRate;
            double env = std::min(1.0, t / 0.008) * std::exp(-t / decay);
            if (i + release > length) env *= double(length - i) / release;
            double v = 0, k = 1;
            for (double h : harmonics) {
                // The phase runs with the loop's own clock, not the note's.
                v += h * std::sin(kTwoPi * inLoop(k * midiToHz(midi)) * double(at) / kSampleRate);
                k += 1;
            }
            b[at] += amp * env * v;
        }
    };

    const int melody[16] = {76, 79, 81, 79, 76, 74, 72, 74, 76, 79, 84, 81, 79, 76, 74, 0};
    const double eighth = kLoopSeconds / 16;
    for (int i = 0; i < 16; ++i)
        if (melody[i]) addNote(i * eighth, melody[i], 2.2 * eighth, 0.35, 1.0, {1.0, 0.35, 0.12});
    const int bass[4] = {48, 45, 41, 43};
    for (int i = 0; i < 4; ++i) addNote(i * 4 * eighth, bass[i], 4.6 * eighth, 0.8, 0.7, {1.0, 0.2});
    return toSamples(b, 0.55);
}

namespace {

// Each sound of the catalogue with its synthesis, paired by name.
constexpr auto kMakers = std::to_array<SoundFile>({
    {catalogue::BoxSound.file, boxSound},
    {catalogue::LineSound.file, lineSound},
    {catalogue::DownSound.file, downSound},
    {catalogue::OffSound.file, offSound},
    {catalogue::LeaveMeSound.file, leaveMeTune},
});
static_assert(catalogue_pairs::pairsEachOnce(kMakers, catalogue::kSounds,
                                             [](const catalogue::Sound& s) { return s.file; }));

}  // namespace

const std::vector<SoundFile>& soundFiles() {
    static const std::vector<SoundFile> files = [] {
        std::vector<SoundFile> inOrder;
        for (const catalogue::Sound& sound : catalogue::kSounds)
            inOrder.push_back(catalogue_pairs::makerOf(kMakers, sound.file));
        return inOrder;
    }();
    return files;
}

std::vector<uint8_t> wavBytes(const Samples& samples) {
    std::vector<uint8_t> out;
    out.reserve(44 + samples.size() * 2);
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
    };
    auto put16 = [&](uint16_t v) {
        out.push_back(uint8_t(v));
        out.push_back(uint8_t(v >> 8));
    };
    auto tag = [&](const char* s) {
        for (int i = 0; i < 4; ++i) out.push_back(uint8_t(s[i]));
    };
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    tag("RIFF");
    put32(36 + dataBytes);
    tag("WAVE");
    tag("fmt ");
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(kSampleRate);
    put32(kSampleRate * 2);  // bytes per second
    put16(2);                // bytes per frame
    put16(16);               // bits per sample
    tag("data");
    put32(dataBytes);
    for (int16_t s : samples) put16(uint16_t(s));
    return out;
}

void writeWav(const Samples& samples, const std::string& path) {
    const std::vector<uint8_t> bytes = wavBytes(samples);
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) throw std::runtime_error("cannot write " + path);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!f) throw std::runtime_error("cannot write " + path);
}

}  // namespace wave
