// Drawing into the composed screen: filled rectangles, lines, pictures and
// text masks, every pixel clipped to the current clip rectangle.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "basic.h"
#include "control.h"
#include "media.h"
#include "picture.h"

namespace plat {

// Pixels drawn into, 0xAARRGGBB row by row from the top, `stride` pixels
// from the start of one row to the next: a framebuffer of the program's own
// or, where the screen is shown as it is, the window's surface.
struct Canvas {
    uint32_t* px = nullptr;
    int w = 0, h = 0, stride = 0;
    uint32_t* row(int y) const { return px + ptrdiff_t(y) * stride; }
};

// The whole screen, 0xAARRGGBB pixels row by row from the top.
struct Framebuffer {
    int w = 0, h = 0;
    std::vector<uint32_t> px;
    uint32_t at(int x, int y) const { return px[size_t(y) * w + x]; }
    Canvas canvas() { return {px.data(), w, h, w}; }
};

using Rect = Control::Rect;

// The overlap of two rectangles (empty when they do not meet).
Rect intersect(const Rect& a, const Rect& b);

constexpr uint32_t argb(Color c) { return 0xFF000000u | uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b; }

class Painter {
public:
    explicit Painter(const Canvas& canvas) : canvas_(canvas), clip_{0, 0, canvas.w, canvas.h} {}
    explicit Painter(Framebuffer& fb) : Painter(fb.canvas()) {}

    const Rect& clip() const { return clip_; }
    // Narrows the clip to r until the returned guard goes.
    class Scope {
    public:
        Scope(Painter& p, const Rect& r) : p_(p), saved_(p.clip_) { p.clip_ = intersect(saved_, r); }
        ~Scope() { p_.clip_ = saved_; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        Painter& p_;
        Rect saved_;
    };

    void fill(const Rect& r, Color c);
    void pixel(int x, int y, Color c);
    void hline(int x, int y, int w, Color c) { fill({x, y, w, 1}, c); }
    void vline(int x, int y, int h, Color c) { fill({x, y, 1, h}, c); }
    // A one-pixel outline just inside r.
    void outline(const Rect& r, Color c);
    // Light upper-left edge and dark lower-right edge, one pixel wide.
    void bevel(const Rect& r, Color light, Color dark);
    // A picture at its own size, an indexed one turned into colours through
    // its palette; pixels of alpha 0 are left out when asked.
    void picture(const Picture& pic, int x, int y, bool skipTransparent);
    // A text mask in a colour, blended by its coverage.
    void text(const TextMask& mask, int x, int y, Color c);
    // Every other pixel, for dotted focus rectangles.
    void dottedOutline(const Rect& r, Color c);

private:
    Canvas canvas_;
    Rect clip_;
};

}  // namespace plat
