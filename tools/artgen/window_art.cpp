// The game window's artwork (title, menu, framed board area, score headings),
// the pause and game-over pictures, and the writer of all window pictures.
#include "window_art.h"
#include "lettering.h"
#include "pictures.h"

#include "shared/picture_catalogue.h"
#include "tools/catalogue_pairs.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>

namespace art {

namespace {

// Large embossed lettering with a dark outline and a drop shadow; (x, y) is
// where the text's own upper-left corner goes.
void drawEmbossed(Canvas& c, int x, int y, const std::string& text, const TextStyle& style, Rgb top, Rgb bottom,
                  Rgb outline, double outlineWidth, const Relief& relief) {
    const int pad = int(std::ceil(outlineWidth)) + 4;
    const Mask m = padMask(renderText(text, style), pad);
    const Mask rim = dilateMask(m, outlineWidth);
    paintMask(c, x - pad + 3, y - pad + 4, blurMask(rim, 2), Rgb{0, 6, 2}, 0.75);
    paintMask(c, x - pad, y - pad, rim, outline);
    paintRelief(c, x - pad, y - pad, m, top, bottom, relief);
}

// Upper-left corner at which `text` is centred on (cx, cy) by its ink.
std::pair<int, int> centredAt(const std::string& text, const TextStyle& style, double cx, double cy) {
    const InkBox box = inkBox(renderText(text, style));
    return {int(std::lround(cx - (box.left + box.right + 1) / 2.0)),
            int(std::lround(cy - (box.top + box.bottom + 1) / 2.0))};
}

void drawTitle(Canvas& c) {
    const TextStyle style = boldSans(53);
    Relief relief;
    relief.bulge = 4.0;
    relief.specular = 0.8;
    auto [x1, y1] = centredAt("COR", style, 78, 52);
    drawEmbossed(c, x1, y1, "COR", style, Rgb{0xF0, 0x30, 0x24}, Rgb{0x98, 0x08, 0x08}, Rgb{0x20, 0x02, 0x02}, 2.0,
                 relief);
    auto [x2, y2] = centredAt("VANE", style, 78, 114);
    drawEmbossed(c, x2, y2, "VANE", style, Rgb{0x34, 0x4C, 0xC8}, Rgb{0x10, 0x1C, 0x78}, Rgb{0xC8, 0xD8, 0xF0}, 2.0,
                 relief);
}

// A bevel `width` pixels wide just outside `r`: lit top and left, shaded
// bottom and right; `raised` false turns the light round.
void drawBevel(Canvas& c, const Rect& r, int width, Rgb face, bool raised) {
    for (int i = 1; i <= width; ++i) {
        const int x0 = r.x - i, y0 = r.y - i, x1 = r.right() + i - 1, y1 = r.bottom() + i - 1;
        const double depth = double(i - 1) / std::max(1, width - 1);
        const Rgb light = mix(shade(face, 1.45), face, raised ? depth * 0.6 : 0.4 + depth * 0.6);
        const Rgb dark = mix(shade(face, 0.45), face, raised ? depth * 0.6 : 0.4 + depth * 0.6);
        const Rgb tl = raised ? light : dark, br = raised ? dark : light;
        for (int x = x0; x <= x1; ++x) {
            c.set(x, y0, tl);
            c.set(x, y1, br);
        }
        for (int y = y0; y <= y1; ++y) {
            c.set(x0, y, tl);
            c.set(x1, y, br);
        }
        // The corners where light meets shade run diagonally.
        c.set(x1, y0, mix(tl, br, 0.5));
        c.set(x0, y1, mix(tl, br, 0.5));
    }
}

void drawBoardFrame(Canvas& c) {
    const Rect board = kBoardArea;
    const Rgb grey{0xA8, 0xA8, 0xB0};
    // Outer raised frame, a flat band, and a sunken lip next to the picture.
    const Rect inner{board.x - 2, board.y - 2, board.w + 4, board.h + 4};
    const Rect band{inner.x - 3, inner.y - 3, inner.w + 6, inner.h + 6};
    for (int y = band.y; y < band.bottom(); ++y)
        for (int x = band.x; x < band.right(); ++x) c.set(x, y, shade(grey, 0.95 + 0.1 * hashNoise(x, y, 77)));
    drawBevel(c, band, 4, grey, true);
    drawBevel(c, board, 2, grey, false);
    // Shadow of the frame on the ground.
    const Rect outer{band.x - 4, band.y - 4, band.w + 8, band.h + 8};
    for (int y = outer.bottom(); y < outer.bottom() + 5; ++y)
        for (int x = outer.x + 5; x < outer.right() + 5; ++x)
            c.blend(x, y, Rgb{0, 6, 2}, 0.5 - 0.09 * (y - outer.bottom()));
    for (int x = outer.right(); x < outer.right() + 5; ++x)
        for (int y = outer.y + 5; y < outer.bottom(); ++y)
            c.blend(x, y, Rgb{0, 6, 2}, 0.5 - 0.09 * (x - outer.right()));

    const Canvas photo = paintBackground(catalogue::levelBackground(1));
    c.blit(photo.crop(0, 0, board.w, board.h), board.x, board.y);
}

void drawScorePanel(Canvas& c) {
    struct Heading {
        const char* text;
        Rgb top, bottom;
    };
    const Heading headings[3] = {
        {"SCORE", Rgb{0xB8, 0xE8, 0xFF}, Rgb{0x50, 0xA8, 0xE8}},
        {"LEVEL", Rgb{0xFF, 0x48, 0x38}, Rgb{0xB0, 0x10, 0x10}},
        {"HISCORE", Rgb{0xFF, 0xC0, 0x40}, Rgb{0xE0, 0x70, 0x08}},
    };
    const TextStyle style = boldSans(30);
    Relief relief;
    relief.bulge = 2.5;
    relief.specular = 0.6;
    for (int i = 0; i < 3; ++i) {
        const Rect label = kScoreLabels[size_t(i)];
        const double cx = label.x + label.w / 2.0;
        // Heading just above its label; the best score's label sits closer
        // under the level's, so its heading is packed a little tighter.
        const double cy = label.y - (i == 2 ? 21.0 : 24.0);
        auto [x, y] = centredAt(headings[i].text, style, cx, cy);
        drawEmbossed(c, x, y, headings[i].text, style, headings[i].top, headings[i].bottom, Rgb{0x04, 0x10, 0x06}, 1.6,
                     relief);
        // A recessed dark plate for the light-yellow digits.
        const Rect plate{label.x + 2, label.y + 3, label.w - 4, label.h - 6};
        for (int y2 = plate.y; y2 < plate.bottom(); ++y2)
            for (int x2 = plate.x; x2 < plate.right(); ++x2)
                c.set(x2, y2, mix(Rgb{0x06, 0x1A, 0x0C}, Rgb{0x0C, 0x28, 0x14}, double(y2 - plate.y) / plate.h));
        drawBevel(c, plate, 2, Rgb{0x20, 0x60, 0x34}, false);
    }
}

Canvas navySquare() {
    Canvas c(200, 200);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
            const double dx = (x - 100) / 100.0, dy = (y - 100) / 100.0;
            c.set(x, y, mix(Rgb{0x10, 0x14, 0x4C}, Rgb{0x04, 0x06, 0x22}, std::min(1.0, 0.6 * (dx * dx + dy * dy))));
        }
    drawBevel(c, Rect{3, 3, 194, 194}, 3, Rgb{0x38, 0x40, 0x90}, true);
    return c;
}

// Lines of embossed capitals centred on a 200 x 200 picture, 68 pixels apart.
void drawCentredLines(Canvas& c, std::initializer_list<const char*> lines, int size, Rgb top, Rgb bottom, Rgb outline,
                      double outlineWidth) {
    const TextStyle style = boldSans(size);
    Relief relief;
    relief.bulge = 3.0;
    relief.specular = 0.5;
    double cy = 100 - 34.0 * (lines.size() - 1);
    for (const char* line : lines) {
        auto [x, y] = centredAt(line, style, 100, cy);
        drawEmbossed(c, x, y, line, style, top, bottom, outline, outlineWidth, relief);
        cy += 68;
    }
}

}  // namespace

Canvas windowArtwork() {
    Canvas c(kWindowWidth, kWindowHeight);
    for (int y = 0; y < kWindowHeight; ++y)
        for (int x = 0; x < kWindowWidth; ++x) c.set(x, y, fieldColour(x, y));
    drawTitle(c);
    drawBoardFrame(c);
    drawScorePanel(c);
    for (MenuItem item : kMenuItems) drawMenuButton(c, item, false);
    return c;
}

Canvas pausePicture() {
    Canvas c = navySquare();
    drawCentredLines(c, {"PAUSE"}, 46, Rgb{0xFF, 0xB0, 0x30}, Rgb{0xF0, 0x60, 0x00}, Rgb{0x30, 0x10, 0x00}, 2.0);
    return c;
}

Canvas gameOverPicture() {
    Canvas c = navySquare();
    drawCentredLines(c, {"GAME", "OVER"}, 52, Rgb{0xFF, 0xFF, 0xC8}, Rgb{0xF0, 0xE0, 0x90}, Rgb{0x20, 0x10, 0x30}, 3.0);
    return c;
}

void writeWindowArt(const std::string& dir) {
    for (MenuItem item : kMenuItems) writeBmp8(menuHighlight(item), bmpPath(dir, menuButton(item).highlight));
    // The painter of each of catalogue::kWindowPictures, by name.
    static constexpr auto painters = std::to_array<NamedPainter>({
        {catalogue::ArtworkPicture, windowArtwork},
        {catalogue::PausePicture, pausePicture},
        {catalogue::GameOverPicture, gameOverPicture},
        {catalogue::SplashPicture, splashPicture},
        {catalogue::WindowPointer.picture, windowCursor},
        {catalogue::BoardPointer.picture, boardCursor},
        {catalogue::HandPointer.picture, handCursor},
        {catalogue::IconPicture, iconPicture},
    });
    static_assert(catalogue_pairs::pairsEachOnce(painters, catalogue::kWindowPictures, std::identity()));
    for (const char* name : catalogue::kWindowPictures)
        writeBmp8(catalogue_pairs::makerOf(painters, name).paint(), bmpPath(dir, name));
}

}  // namespace art
