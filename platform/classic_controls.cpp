#include "classic_controls.h"
#include "scroll_bar.h"

#include <algorithm>
#include <cmath>

#include "focus.h"
#include "form.h"

namespace plat {

using namespace classic;

namespace {

void centredText(Painter& p, const Rect& r, const std::string& text, const Font& font, Color c) {
    TextMaskRef m = media().renderText(font, text);
    p.text(*m, r.x + (r.w - m->width) / 2, r.y + (r.h - m->height) / 2, c);
}

Rect shrunk(const Rect& r, int by) { return {r.x + by, r.y + by, r.w - 2 * by, r.h - 2 * by}; }
Rect shifted(const Rect& r, int by) { return {r.x + by, r.y + by, r.w, r.h}; }

// Raised edges: light outside upper-left, dark outside lower-right, with an
// inner ring one shade softer.
void raised(Painter& p, const Rect& r) {
    p.bevel(r, light, dark);
    p.bevel(shrunk(r, 1), highlight, shadow);
}

// A small filled triangle pointing left (dir < 0) or right, centred in r.
void arrow(Painter& p, const Rect& r, int dir, Color c) {
    int size = std::max(2, std::min(r.w, r.h) / 4);
    int cx = r.x + r.w / 2, cy = r.y + r.h / 2;
    for (int k = 0; k < size; ++k) {
        int x = dir < 0 ? cx - size / 2 + k : cx + size / 2 - k;
        p.vline(x, cy - k, 2 * k + 1, c);
    }
}

// A pushed-in face: one dark grey line round it, the face flat inside.
void sunken(Painter& p, const Rect& r) { p.outline(r, shadow); }

}  // namespace

void drawButton(Painter& p, const Rect& r, Color faceColor, const std::string& caption, const Font& font,
                Color textColor, bool outlined, bool pushed) {
    Painter::Scope s(p, r);
    p.fill(r, faceColor);
    Rect inner = r;
    if (outlined) {
        p.outline(r, dark);
        inner = shrunk(r, 1);
    }
    if (pushed)
        sunken(p, inner);
    else
        raised(p, inner);
    centredText(p, pushed ? shifted(inner, 1) : inner, caption, font, textColor);
}

void drawFrame(Painter& p, const Control& c, const Rect& r) {
    p.fill(r, c.backColor());
    int th = media().lineHeight(c.font());
    int top = r.y + th / 2;
    Rect line{r.x, top, r.w - 1, r.h - (top - r.y) - 1};
    p.outline(line, shadow);
    p.outline({line.x + 1, line.y + 1, line.w, line.h}, highlight);
    p.outline({line.x + 1, line.y + 1, line.w - 2, line.h - 2}, shadow);
    if (c.caption().empty()) return;
    TextMaskRef m = media().renderText(c.font(), c.caption());
    p.fill({r.x + 6, r.y, m->width + 4, th}, c.backColor());
    p.text(*m, r.x + 8, r.y, c.foreColor());
}

void drawOptionButton(Painter& p, const Control& c, const Rect& r) {
    Painter::Scope clip(p, r);
    if (c.opaque()) p.fill(r, c.backColor());
    const int d = 12;
    int bx = r.x, by = r.y + (r.h - d) / 2;
    for (int y = 0; y < d; ++y)
        for (int x = 0; x < d; ++x) {
            double dist = std::hypot(x + 0.5 - d / 2.0, y + 0.5 - d / 2.0);
            bool upperLeft = x + y < d - 1;
            Color col;
            if (dist > 6.0) continue;
            if (dist > 5.0)
                col = upperLeft ? shadow : highlight;
            else if (dist > 4.0)
                col = upperLeft ? dark : light;
            else
                col = c.value() && dist <= 2.0 ? dark : highlight;
            p.pixel(bx + x, by + y, col);
        }
    TextMaskRef m = media().renderText(c.font(), c.caption());
    Color ink = c.enabled() ? c.foreColor() : shadow;
    Rect text{r.x + d + 5, r.y + (r.h - m->height) / 2, m->width, m->height};
    p.text(*m, text.x, text.y, ink);
    if (showsFocus(c)) p.dottedOutline({text.x - 2, text.y, text.w + 4, text.h}, ink);
}

namespace {

// An arrow button of a scroll bar, pushed in while it is held.
void scrollArrow(Painter& p, const Rect& b, int dir, Color ink, bool pushed) {
    p.fill(b, face);
    if (pushed)
        sunken(p, b);
    else
        raised(p, b);
    arrow(p, pushed ? shifted(b, 1) : b, dir, ink);
}

}  // namespace

void drawScrollBar(Painter& p, const Control& c, const Rect& r) {
    Painter::Scope clip(p, r);
    ScrollBarLayout l = layOutScrollBar(c);
    const HeldLook& held = c.held();
    int a = l.arrow;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x + a; x < r.x + r.w - a; ++x) p.pixel(x, y, (x + y) % 2 ? face : highlight);
    if (held.pushed && held.part == ScrollPart::PageLeft) p.fill({r.x + a, r.y, l.thumbX - r.x - a, r.h}, dark);
    int thumbEnd = l.thumbX + a;
    if (held.pushed && held.part == ScrollPart::PageRight) p.fill({thumbEnd, r.y, r.x + r.w - a - thumbEnd, r.h}, dark);
    Color ink = c.enabled() ? dark : shadow;
    scrollArrow(p, {r.x, r.y, a, r.h}, -1, ink, held.pushed && held.part == ScrollPart::LeftArrow);
    scrollArrow(p, {r.x + r.w - a, r.y, a, r.h}, 1, ink, held.pushed && held.part == ScrollPart::RightArrow);
    Rect thumb{l.thumbX, r.y, a, r.h};
    p.fill(thumb, face);
    raised(p, thumb);
    if (showsFocus(c)) p.dottedOutline(shrunk(thumb, 3), dark);
}

void drawCommandButton(Painter& p, const Control& c, const Rect& r) {
    bool isDefault = c.form().defaultButton == &c;
    Color ink = c.enabled() ? c.foreColor() : shadow;
    bool pushed = c.held().pushed;
    drawButton(p, r, c.backColor(), c.caption(), c.font(), ink, isDefault || showsFocus(c), pushed);
    if (showsFocus(c)) p.dottedOutline(shrunk(r, 4), dark);
}

}  // namespace plat
