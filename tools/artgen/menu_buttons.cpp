// The menu of the game window: glossy balls with a word beside each, as the
// artwork shows them and as they look when lit under the pointer.
#include "lettering.h"
#include "window_art.h"

#include "shared/picture_catalogue.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace art {

namespace {

constexpr Rgb kBlue{0x24, 0x4C, 0xD8}, kLavender{0xA8, 0xA8, 0xFF};
constexpr Rgb kPurple{0x8A, 0x22, 0xB0}, kPinkPurple{0xF0, 0x80, 0xF0};
constexpr Rgb kRed{0xC8, 0x18, 0x18}, kLightRed{0xFF, 0x7C, 0x7C};

const std::array<MenuButtonInfo, 6> kButtons = {{
    {"START", 0, catalogue::StartHighlight, {18, 170, 109, 41}, {20, 171, 103, 40}, kBlue, kLavender},
    {"OPTIONS", 0, catalogue::OptionsHighlight, {17, 229, 131, 40}, {21, 231, 122, 36}, kPurple, kPinkPurple},
    {"INFO", 0, catalogue::InfoHighlight, {18, 285, 93, 43}, {18, 283, 101, 43}, kRed, kLightRed},
    {"SCORES", 1, catalogue::ScoresHighlight, {17, 340, 117, 40}, {19, 339, 115, 40}, kBlue, kLavender},
    {"EXIT", 0, catalogue::ExitHighlight, {17, 396, 95, 42}, {21, 399, 88, 36}, kRed, kLightRed},
    {"HELP", 0, catalogue::HelpHighlight, {486, 397, 93, 43}, {490, 401, 84, 38}, kPurple, kPinkPurple},
}};

constexpr int kBallInset = 2;  // from the area's left edge to the ball
constexpr int kWordGap = 5;    // between ball and word
constexpr int kMaxBallRadius = 14;

double ballRadius(const Rect& area) { return std::min(double(kMaxBallRadius), area.h / 2.0 - 3.0); }

// One letter size for all six words: the largest at which each still fits
// beside its ball inside its area.
int wordSize() {
    static const int size = [] {
        for (int px = 22; px > 8; --px) {
            bool fits = true;
            for (MenuItem item : kMenuItems) {
                const Rect a = menuButtonArea(item);
                const int room = a.w - kBallInset - int(2 * ballRadius(a)) - kWordGap - 1;
                if (textWidth(menuButton(item).word, boldSans(px)) > room) fits = false;
            }
            if (fits) return px;
        }
        return 9;
    }();
    return size;
}

void drawBall(Canvas& c, double cx, double cy, double r, Rgb base) {
    // Soft shadow on the ground, down and to the right.
    for (int y = int(cy - r - 2); y <= int(cy + r + 6); ++y)
        for (int x = int(cx - r - 2); x <= int(cx + r + 6); ++x) {
            const double dx = x + 0.5 - (cx + 2.0), dy = y + 0.5 - (cy + 2.5);
            const double d = std::sqrt(dx * dx + dy * dy);
            const double a = std::clamp((r + 1.5 - d) / 3.0, 0.0, 1.0);
            if (a > 0) c.blend(x, y, Rgb{0, 8, 2}, 0.55 * a);
        }

    const double lx = -0.48, ly = -0.62, lz = 0.62;
    for (int y = int(cy - r - 1); y <= int(cy + r + 1); ++y)
        for (int x = int(cx - r - 1); x <= int(cx + r + 1); ++x) {
            const double dx = (x + 0.5 - cx) / r, dy = (y + 0.5 - cy) / r;
            const double d2 = dx * dx + dy * dy;
            const double d = std::sqrt(d2);
            const double cover = std::clamp((1.0 - d) * r + 0.5, 0.0, 1.0);
            if (cover <= 0) continue;
            const double nz = std::sqrt(std::max(0.0, 1.0 - std::min(d2, 1.0)));
            const double diff = std::max(0.0, dx * lx + dy * ly + nz * lz);
            Rgb col = shade(base, 0.38 + 0.8 * diff);
            // Light bounced up from the ground along the lower rim.
            const double bounce = std::clamp(dy, 0.0, 1.0) * std::pow(1.0 - nz, 1.5);
            col = mix(col, mix(base, Rgb{255, 255, 255}, 0.35), 0.6 * bounce);
            // A dark rim keeps the ball crisp against the ground.
            col = mix(col, shade(base, 0.25), std::clamp((d - 0.86) / 0.14, 0.0, 1.0) * 0.8);
            // Gloss: a soft white window reflection up and to the left.
            const double gx = (dx + 0.32) / 0.42, gy = (dy + 0.42) / 0.28;
            const double gloss = std::clamp(1.0 - std::sqrt(gx * gx + gy * gy), 0.0, 1.0);
            col = mix(col, Rgb{255, 255, 255}, std::min(1.0, 1.6 * gloss));
            c.blend(x, y, col, cover);
        }
}

}  // namespace

const MenuButtonInfo& menuButton(MenuItem item) { return kButtons.at(size_t(item)); }

Rect menuButtonArea(MenuItem item) {
    const MenuButtonInfo& b = menuButton(item);
    const int x0 = std::max(b.hotSpot.x, b.lit.x), y0 = std::max(b.hotSpot.y, b.lit.y);
    const int x1 = std::min(b.hotSpot.right(), b.lit.right()), y1 = std::min(b.hotSpot.bottom(), b.lit.bottom());
    return Rect{x0, y0, x1 - x0, y1 - y0};
}

Rgb fieldColour(int x, int y) {
    // Dark green baize with a faint mottle and a little more light up top.
    const double t = fbm(x / 48.0, y / 48.0, 4, 0xC0A7u);
    const double grain = hashNoise(x, y, 0x6EE7u) - 0.5;
    Rgb base = mix(Rgb{0x0B, 0x30, 0x18}, Rgb{0x17, 0x4E, 0x29}, std::clamp(t * 1.2 - 0.1, 0.0, 1.0));
    base = shade(base, 1.08 - 0.16 * y / double(kWindowHeight) + 0.05 * grain);
    return base;
}

void drawMenuButton(Canvas& window, MenuItem item, bool lit) {
    const MenuButtonInfo& b = menuButton(item);
    const Rect area = menuButtonArea(item);
    const double r = ballRadius(area);
    const double cx = area.x + kBallInset + r, cy = area.y + area.h / 2.0 - 0.5;
    drawBall(window, cx, cy, r, lit ? b.litBall : b.ball);

    const std::string word = b.word;
    const TextStyle style = boldSans(wordSize());
    const Mask m = renderText(word, style);
    const InkBox ink = inkBox(m, 0);
    const int wx = int(std::lround(cx + r)) + kWordGap;
    const int wy = int(std::lround(cy - (ink.top + ink.bottom + 1) / 2.0));
    paintMask(window, wx + 1, wy + 2, blurMask(m, 1), Rgb{0, 10, 4}, 0.85);

    // The letter of the key: its columns, from the widths of the prefixes.
    const int keyFrom = b.keyLetter ? textWidth(word.substr(0, b.keyLetter), style) : 0;
    const int keyTo = textWidth(word.substr(0, b.keyLetter + 1), style);
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x) {
            const uint8_t a = m.at(x, y);
            if (!a) continue;
            Rgb col = kWordWhite;
            if (lit) col = (x >= keyFrom && x < keyTo) ? kLitKey : kLitWord;
            window.blend(wx + x, wy + y, col, a / 255.0);
        }
}

Canvas menuHighlight(MenuItem item) {
    Canvas window(kWindowWidth, kWindowHeight);
    const Rect lit = menuButton(item).lit;
    for (int y = lit.y; y < lit.bottom(); ++y)
        for (int x = lit.x; x < lit.right(); ++x) window.set(x, y, fieldColour(x, y));
    drawMenuButton(window, item, true);
    return window.crop(lit.x, lit.y, lit.w, lit.h);
}

}  // namespace art
