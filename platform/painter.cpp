#include "painter.h"

#include <algorithm>

namespace plat {

Rect intersect(const Rect& a, const Rect& b) {
    int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
    if (x1 <= x0 || y1 <= y0) return {x0, y0, 0, 0};
    return {x0, y0, x1 - x0, y1 - y0};
}

void Painter::fill(const Rect& r, Color c) {
    Rect d = intersect(r, clip_);
    uint32_t v = argb(c);
    for (int y = d.y; y < d.y + d.h; ++y) {
        uint32_t* row = canvas_.row(y) + d.x;
        std::fill(row, row + d.w, v);
    }
}

void Painter::pixel(int x, int y, Color c) {
    if (clip_.contains(x, y)) canvas_.row(y)[x] = argb(c);
}

void Painter::outline(const Rect& r, Color c) {
    if (r.w <= 0 || r.h <= 0) return;
    hline(r.x, r.y, r.w, c);
    hline(r.x, r.y + r.h - 1, r.w, c);
    vline(r.x, r.y, r.h, c);
    vline(r.x + r.w - 1, r.y, r.h, c);
}

void Painter::bevel(const Rect& r, Color light, Color dark) {
    if (r.w <= 0 || r.h <= 0) return;
    hline(r.x, r.y, r.w - 1, light);
    vline(r.x, r.y, r.h - 1, light);
    hline(r.x, r.y + r.h - 1, r.w, dark);
    vline(r.x + r.w - 1, r.y, r.h, dark);
}

namespace {
// One row of a picture: `src` read through `colour` (its palette, or the
// pixel itself), always opaque on the screen.
template <typename Pixel, typename Colour>
void pictureRow(const Pixel* src, uint32_t* dst, int n, bool skipTransparent, Colour colour) {
    if (!skipTransparent) {
        for (int k = 0; k < n; ++k) dst[k] = colour(src[k]) | 0xFF000000u;
        return;
    }
    for (int k = 0; k < n; ++k)
        if (uint32_t p = colour(src[k]); p >> 24) dst[k] = p | 0xFF000000u;
}
}  // namespace

void Painter::picture(const Picture& pic, int x, int y, bool skipTransparent) {
    Rect d = intersect({x, y, pic.width, pic.height}, clip_);
    const uint32_t* palette = pic.palette.data();
    for (int row = d.y; row < d.y + d.h; ++row) {
        size_t from = size_t(row - y) * pic.width + (d.x - x);
        uint32_t* dst = canvas_.row(row) + d.x;
        if (pic.indexed())
            pictureRow(&pic.indices[from], dst, d.w, skipTransparent, [palette](uint8_t i) { return palette[i]; });
        else
            pictureRow(&pic.argb[from], dst, d.w, skipTransparent, [](uint32_t p) { return p; });
    }
}

void Painter::text(const TextMask& mask, int x, int y, Color c) {
    Rect d = intersect({x, y, mask.width, mask.height}, clip_);
    for (int row = d.y; row < d.y + d.h; ++row) {
        const uint8_t* cov = &mask.coverage[size_t(row - y) * mask.width + (d.x - x)];
        uint32_t* dst = canvas_.row(row) + d.x;
        for (int k = 0; k < d.w; ++k) {
            unsigned a = cov[k];
            if (a == 0) continue;
            auto mix = [a](unsigned bg, unsigned fg) { return (fg * a + bg * (255 - a) + 127) / 255; };
            uint32_t p = dst[k];
            dst[k] = 0xFF000000u | mix((p >> 16) & 255, c.r) << 16 | mix((p >> 8) & 255, c.g) << 8 | mix(p & 255, c.b);
        }
    }
}

void Painter::dottedOutline(const Rect& r, Color c) {
    for (int x = r.x; x < r.x + r.w; x += 2) {
        pixel(x, r.y, c);
        pixel(x, r.y + r.h - 1, c);
    }
    for (int y = r.y; y < r.y + r.h; y += 2) {
        pixel(r.x, y, c);
        pixel(r.x + r.w - 1, y, c);
    }
}

}  // namespace plat
