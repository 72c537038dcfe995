// The title splash: the game's name in big glossy letters on black.
#include "lettering.h"
#include "window_art.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr int kSplashWidth = 491, kSplashHeight = 400;

// One line of the name: an extruded back, a dark rim and a bulging face,
// centred by its ink on (cx, cy).
void drawTitleLine(Canvas& c, const std::string& text, int size, double cx, double cy, Rgb top, Rgb bottom, Rgb side) {
    constexpr int pad = 8, depth = 7;
    const Mask face = padMask(renderText(text, boldSans(size)), pad);
    const auto box = inkBox(face);
    const int x = int(std::lround(cx - (box.left + box.right + 1) / 2.0));
    const int y = int(std::lround(cy - (box.top + box.bottom + 1) / 2.0));

    const Mask rim = dilateMask(face, 2.5);
    // The letters stand out of the picture: their sides run down and right.
    for (int d = depth; d >= 1; --d) paintMask(c, x + d, y + d, rim, shade(side, 0.45 + 0.4 * (depth - d) / depth));
    paintMask(c, x, y, rim, shade(side, 0.35));
    Relief relief;
    relief.bulge = 15.0;
    relief.ambient = 0.4;
    relief.diffuse = 0.85;
    relief.specular = 0.95;
    relief.shininess = 30.0;
    paintRelief(c, x, y, face, top, bottom, relief);

    // A gloss band across the upper half of each letter, like a lacquer.
    const Mask inner = blurMask(face, 1);
    const int glossBottom = box.top + (box.bottom - box.top) * 2 / 5;
    for (int yy = box.top; yy <= glossBottom; ++yy) {
        const double t = double(yy - box.top) / std::max(1, glossBottom - box.top);
        for (int xx = 0; xx < face.width; ++xx) {
            const uint8_t a = inner.at(xx, yy);
            if (a > 200) c.blend(x + xx, y + yy, Rgb{255, 255, 255}, 0.28 * (1.0 - t) * (a - 200) / 55.0);
        }
    }
}

int largestFitting(const std::string& text, int maxWidth, int maxHeight) {
    for (int size = 240; size > 20; size -= 2) {
        const InkBox box = inkBox(renderText(text, boldSans(size)));
        if (box.width() <= maxWidth && box.height() <= maxHeight) return size;
    }
    return 20;
}

}  // namespace

Canvas splashPicture() {
    Canvas c(kSplashWidth, kSplashHeight, Rgb{0, 0, 0});
    const int size = std::min(largestFitting("COR", 440, 150), largestFitting("VANE", 440, 150));
    drawTitleLine(c, "COR", size, kSplashWidth / 2.0 - 4, 96, Rgb{0xF0, 0x28, 0x20}, Rgb{0x8C, 0x02, 0x06},
                  Rgb{0x70, 0x04, 0x04});
    drawTitleLine(c, "VANE", size, kSplashWidth / 2.0 - 4, 262, Rgb{0xFF, 0xE6, 0x3C}, Rgb{0xF4, 0x74, 0x08},
                  Rgb{0x90, 0x40, 0x00});

    TextStyle small;
    small.family = "Liberation Sans";
    small.pixelSize = 15;
    small.bold = true;
    const std::string credit = "A falling-block puzzle";
    const Mask m = renderText(credit, small);
    paintMask(c, (kSplashWidth - m.width) / 2, kSplashHeight - m.height - 10, m, Rgb{0xD8, 0x18, 0x18});
    return c;
}

}  // namespace art
