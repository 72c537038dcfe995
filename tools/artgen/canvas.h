// Drawing surface of the art generator: a plain RGB canvas with a few
// painting helpers, deterministic noise, text through SDL2_ttf, and the
// writer of 8-bit palette BMP files that the game loads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace art {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr Rgb hex(uint32_t v) { return Rgb{uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)}; }

// Linear mix: t = 0 gives a, t = 1 gives b.
Rgb mix(Rgb a, Rgb b, double t);
// Multiplies each channel by f (clamped to 0..255).
Rgb shade(Rgb c, double f);

class Canvas {
public:
    Canvas(int width, int height, Rgb fill = {});

    int width() const { return w_; }
    int height() const { return h_; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }

    Rgb get(int x, int y) const;                    // out of range gives black
    void set(int x, int y, Rgb c);                  // out of range is ignored
    void blend(int x, int y, Rgb c, double alpha);  // alpha 0..1
    void fillRect(int x, int y, int w, int h, Rgb c);
    // Filled ellipse with a one-pixel soft edge.
    void fillEllipse(double cx, double cy, double rx, double ry, Rgb c);
    // Copies src with its upper-left corner at (x, y).
    void blit(const Canvas& src, int x, int y);
    // The w x h part of this canvas starting at (x, y).
    Canvas crop(int x, int y, int w, int h) const;

    const std::vector<Rgb>& pixels() const { return px_; }

private:
    int w_, h_;
    std::vector<Rgb> px_;
};

// Grey-level coverage mask (0..255), e.g. rendered text.
struct Mask {
    int width = 0, height = 0;
    std::vector<uint8_t> a;
    uint8_t at(int x, int y) const {
        return (x < 0 || y < 0 || x >= width || y >= height) ? 0 : a[size_t(y) * width + x];
    }
};

// Deterministic noise: same inputs, same values, on every machine.
double hashNoise(int x, int y, uint32_t seed);               // [0, 1)
double valueNoise(double x, double y, uint32_t seed);        // smooth, [0, 1)
double fbm(double x, double y, int octaves, uint32_t seed);  // [0, 1)

// Text rendered through SDL2_ttf with a Liberation font found by fontconfig.
struct TextStyle {
    std::string family = "Liberation Sans";  // or "Liberation Mono", "Liberation Serif"
    int pixelSize = 12;
    bool bold = false;
    bool italic = false;
};
Mask renderText(const std::string& text, const TextStyle& style);
// Paints text with its upper-left corner at (x, y) in one colour.
void drawText(Canvas& c, int x, int y, const std::string& text, const TextStyle& style, Rgb colour);

enum class Compression { None, Rle8 };
// Writes an 8-bit, 256-entry palette BMP. A canvas with at most 256 distinct
// colours keeps them exactly; otherwise the colours are quantised to 256.
// Throws std::runtime_error when the file cannot be written.
void writeBmp8(const Canvas& c, const std::string& path, Compression comp = Compression::None);

}  // namespace art
