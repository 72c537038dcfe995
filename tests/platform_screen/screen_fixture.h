// A small screen with one window on a headless system, and helpers to make
// pictures and read back composed pixels.
#pragma once

#include <memory>

#include "platform/compositor.h"
#include "platform/headless/headless_backend.h"
#include "platform/system.h"

namespace plat::testing {

constexpr Color kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255};

inline uint32_t rgb(Color c) { return argb(c); }

// A picture of one colour; alpha 0 where `hole` says.
inline PictureRef solidPicture(int w, int h, Color c, bool transparentLeftHalf = false) {
    auto pic = std::make_shared<Picture>();
    pic->name = "test";
    pic->width = w;
    pic->height = h;
    pic->argb.resize(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) pic->argb[size_t(y) * w + x] = transparentLeftHalf && x < w / 2 ? 0u : argb(c);
    return pic;
}

class Screen {
public:
    Screen() : sys(backend, 200, 150), form(sys, "form") {
        form.setLeft(10 * 15);
        form.setTop(20 * 15);
        form.setWidth(100 * 15);
        form.setHeight(80 * 15);
        form.setBackColor({0, 0, 128});
        form.show();
    }
    // Adds a control placed in pixels inside its container.
    Control& add(ControlKind kind, int x, int y, int w, int h, Control* parent = nullptr) {
        Control& c = form.add(kind, "c" + std::to_string(++count_), parent);
        c.setBounds(x * 15.0, y * 15.0, w * 15.0, h * 15.0);
        return c;
    }
    const Framebuffer& shot() {
        compose(sys, fb);
        return fb;
    }
    // Pixel in form coordinates.
    uint32_t at(int x, int y) { return shot().at(10 + x, 20 + y); }
    // How many pixels of a rectangle (form coordinates) have this colour.
    int count(int x, int y, int w, int h, Color c) {
        const Framebuffer& f = shot();
        int n = 0;
        for (int yy = y; yy < y + h; ++yy)
            for (int xx = x; xx < x + w; ++xx) n += f.at(10 + xx, 20 + yy) == rgb(c);
        return n;
    }

    HeadlessBackend backend;
    System sys;
    Form form;
    Framebuffer fb;

private:
    int count_ = 0;
};

}  // namespace plat::testing
