// The mouse pointers and the window icon, 32 x 32; on the pointers magenta
// marks the pixels that are not drawn.
#include "window_art.h"

#include "shared/picture_catalogue.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

namespace art {

namespace {

constexpr int kSize = 32;
constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255};
constexpr Rgb kLightGrey{0xE8, 0xE8, 0xE8}, kGrey{0xB0, 0xB0, 0xB0}, kDarkGrey{0x60, 0x60, 0x60};

struct Point {
    double x, y;
};

bool insidePolygon(const std::vector<Point>& poly, double x, double y) {
    bool in = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Point a = poly[i], b = poly[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
}

// A grey arrow with a black outline, lit from the upper left so that it
// looks raised: pixels on its upper-left edge are light, lower-right dark.
Canvas greyArrow(const std::vector<Point>& poly) {
    Canvas c(kSize, kSize, kCursorTransparent);
    std::vector<bool> in(kSize * kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) in[size_t(y) * kSize + x] = insidePolygon(poly, x + 0.5, y + 0.5);
    auto at = [&](int x, int y) { return x >= 0 && y >= 0 && x < kSize && y < kSize && in[size_t(y) * kSize + x]; };
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            if (at(x, y)) {
                const bool lit = !at(x - 1, y) || !at(x, y - 1) || !at(x - 1, y - 1);
                const bool shaded = !at(x + 1, y) || !at(x, y + 1) || !at(x + 1, y + 1);
                c.set(x, y, lit && !shaded ? kLightGrey : shaded && !lit ? kDarkGrey : kGrey);
            } else if (at(x - 1, y) || at(x + 1, y) || at(x, y - 1) || at(x, y + 1)) {
                c.set(x, y, kBlack);
            }
        }
    return c;
}

}  // namespace

Canvas windowCursor() {
    // The tip at the hot spot; the polygon's first corner is the tip pixel's corner.
    const double x = catalogue::WindowPointer.hotX, y = catalogue::WindowPointer.hotY;
    return greyArrow({{x, y},
                      {x + 1, y},
                      {x + 13, y + 12.5},
                      {x + 7.5, y + 12.5},
                      {x + 10.5, y + 19.5},
                      {x + 8, y + 20.5},
                      {x + 5, y + 13.5},
                      {x, y + 18}});
}

Canvas boardCursor() {
    // A shaft hanging from the hot spot and a head pointing down at the column.
    const double cx = catalogue::BoardPointer.hotX + 0.5, top = catalogue::BoardPointer.hotY;
    return greyArrow({{cx - 3.5, top},
                      {cx + 3.5, top},
                      {cx + 3.5, top + 11},
                      {cx + 9, top + 11},
                      {cx, top + 21},
                      {cx - 9, top + 11},
                      {cx - 3.5, top + 11}});
}

Canvas handCursor() {
    // '#' outline, '.' white; the index finger's tip is the middle of the
    // first row's outline, and goes to the hot spot.
    // clang-format off
    static const char* const rows[] = {
        "     ###            ",
        "    #...#           ",
        "    #...#           ",
        "    #...#           ",
        "    #...#           ",
        "    #...####        ",
        "    #...#...###     ",
        "    #...#...#..###  ",
        " ## #...#...#..#..# ",
        "#..##..............#",
        "#...#..............#",
        " #..#..............#",
        " #.................#",
        "  #................#",
        "  #...............# ",
        "   #..............# ",
        "   #.............#  ",
        "    #............#  ",
        "    #............#  ",
        "    ##############  ",
    };
    // clang-format on
    const std::string_view tipRow = rows[0];
    const int tipX = int(tipRow.find('#') + tipRow.rfind('#')) / 2;
    const int dx = catalogue::HandPointer.hotX - tipX, dy = catalogue::HandPointer.hotY;
    Canvas c(kSize, kSize, kCursorTransparent);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; row[x]; ++x) {
            if (row[x] == '#') c.set(x + dx, y + dy, kBlack);
            if (row[x] == '.') c.set(x + dx, y + dy, kWhite);
        }
        ++y;
    }
    return c;
}

Canvas iconPicture() { return iconPicture(kSize); }

Canvas iconPicture(int size) {
    // Each pixel takes the colour at its centre in the 32 x 32 design.
    const double scale = size / double(kSize);
    auto design = [scale](int at) { return (at + 0.5) / scale - 0.5; };
    auto within = [](double v, double from, double to) { return v >= from && v < to; };
    Canvas c(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double dx = design(x), dy = design(y);
            const bool edge = dx < 0.5 || dx > 30.5 || dy < 0.5 || dy > 30.5;
            Rgb colour = edge ? Rgb{0x00, 0x00, 0x50}
                              : mix(Rgb{0x10, 0x10, 0xA0}, Rgb{0x00, 0x00, 0x70}, std::clamp(dy / 31.0, 0.0, 1.0));
            // The pipe: a white cylinder down the middle, shaded at its sides.
            if (within(dx, 11.5, 19.5) && within(dy, 1.5, 29.5)) {
                const double u = (dx - 15.5) / 4.0;
                colour = shade(kWhite, 1.0 - 0.45 * u * u - 0.12 * std::max(0.0, u));
            }
            // The beam: red with a bright core, crossing in front of the pipe.
            if (within(dy, 11.5, 19.5) && within(dx, 1.5, 29.5)) {
                const double v = std::abs(dy - 15.5) / 4.0;
                colour = v < 0.3 ? Rgb{0xFF, 0xB0, 0xA0} : mix(Rgb{0xFF, 0x20, 0x10}, Rgb{0xB0, 0x00, 0x00}, v);
            }
            c.set(x, y, colour);
        }
    return c;
}

}  // namespace art
