#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

uint8_t clampByte(double v) { return uint8_t(std::clamp(std::lround(v), 0L, 255L)); }

}  // namespace

Rgb mix(Rgb a, Rgb b, double t) {
    return Rgb{clampByte(a.r + (b.r - a.r) * t), clampByte(a.g + (b.g - a.g) * t), clampByte(a.b + (b.b - a.b) * t)};
}

Rgb shade(Rgb c, double f) { return Rgb{clampByte(c.r * f), clampByte(c.g * f), clampByte(c.b * f)}; }

Canvas::Canvas(int width, int height, Rgb fill)
    : w_(std::max(width, 0)), h_(std::max(height, 0)), px_(size_t(w_) * h_, fill) {}

Rgb Canvas::get(int x, int y) const { return inside(x, y) ? px_[size_t(y) * w_ + x] : Rgb{}; }

void Canvas::set(int x, int y, Rgb c) {
    if (inside(x, y)) px_[size_t(y) * w_ + x] = c;
}

void Canvas::blend(int x, int y, Rgb c, double alpha) {
    if (!inside(x, y) || alpha <= 0) return;
    Rgb& p = px_[size_t(y) * w_ + x];
    p = mix(p, c, std::min(alpha, 1.0));
}

void Canvas::fillRect(int x, int y, int w, int h, Rgb c) {
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min(x + w, w_), y1 = std::min(y + h, h_);
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx) px_[size_t(yy) * w_ + xx] = c;
}

void Canvas::fillEllipse(double cx, double cy, double rx, double ry, Rgb c) {
    if (rx <= 0 || ry <= 0) return;
    int x0 = int(std::floor(cx - rx - 1)), x1 = int(std::ceil(cx + rx + 1));
    int y0 = int(std::floor(cy - ry - 1)), y1 = int(std::ceil(cy + ry + 1));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            // Distance to the rim in pixels, measured along the normalised radius.
            double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            double d = std::sqrt(dx * dx + dy * dy);
            double edge = (1.0 - d) * std::min(rx, ry);
            blend(x, y, c, std::clamp(edge + 0.5, 0.0, 1.0));
        }
    }
}

void Canvas::blit(const Canvas& src, int x, int y) {
    for (int sy = 0; sy < src.height(); ++sy)
        for (int sx = 0; sx < src.width(); ++sx) set(x + sx, y + sy, src.get(sx, sy));
}

Canvas Canvas::crop(int x, int y, int w, int h) const {
    Canvas out(w, h);
    for (int yy = 0; yy < h; ++yy)
        for (int xx = 0; xx < w; ++xx) out.set(xx, yy, get(x + xx, y + yy));
    return out;
}

double hashNoise(int x, int y, uint32_t seed) {
    // A small integer hash (lowbias32 style) over the three inputs.
    uint32_t h = seed * 0x9E3779B9u ^ uint32_t(x) * 0x85EBCA6Bu ^ uint32_t(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return (h >> 8) * (1.0 / 16777216.0);
}

double valueNoise(double x, double y, uint32_t seed) {
    double fx = std::floor(x), fy = std::floor(y);
    int ix = int(fx), iy = int(fy);
    double tx = x - fx, ty = y - fy;
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    double sx = smooth(tx), sy = smooth(ty);
    double a = hashNoise(ix, iy, seed), b = hashNoise(ix + 1, iy, seed);
    double c = hashNoise(ix, iy + 1, seed), d = hashNoise(ix + 1, iy + 1, seed);
    double top = a + (b - a) * sx, bottom = c + (d - c) * sx;
    return top + (bottom - top) * sy;
}

double fbm(double x, double y, int octaves, uint32_t seed) {
    double sum = 0, amp = 1, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x, y, seed + uint32_t(i) * 1013u);
        norm += amp;
        amp *= 0.5;
        x *= 2.0;
        y *= 2.0;
    }
    return norm > 0 ? std::min(sum / norm, 0.999999) : 0.0;
}

}  // namespace art
