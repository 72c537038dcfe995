#include "message_box_view.h"

#include <algorithm>
#include <cmath>

#include "classic_controls.h"
#include "media.h"
#include "text_wrap.h"

namespace plat {

namespace {

const Font kTextFont{"MS Sans Serif", 8.25, false};
const Font kTitleFont{"MS Sans Serif", 8.25, true};
constexpr Color kTitleBlue{0, 0, 128};
constexpr int kEdge = 3, kTitleH = 18, kMargin = 12, kIcon = 32;
constexpr int kScreenMargin = 8;  // kept free of the box on either side of the screen
constexpr int kButtonW = 75, kButtonH = 23, kButtonGap = 6;

// The critical-stop sign: a red disc with a white cross.
void stopIcon(Painter& p, const Rect& r) {
    double c = kIcon / 2.0;
    for (int y = 0; y < kIcon; ++y)
        for (int x = 0; x < kIcon; ++x) {
            double dx = x + 0.5 - c, dy = y + 0.5 - c;
            double dist = std::hypot(dx, dy);
            if (dist > 15.5) continue;
            bool cross = std::abs(dx) <= 7 && std::abs(dy) <= 7 && (std::abs(dx - dy) <= 2 || std::abs(dx + dy) <= 2);
            Color col = cross ? Color{255, 255, 255} : dist > 14.5 ? Color{128, 0, 0} : Color{255, 0, 0};
            p.pixel(r.x + x, r.y + y, col);
        }
}

}  // namespace

int MessageBoxLayout::buttonAt(int x, int y) const {
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].contains(x, y)) return int(i);
    return -1;
}

MessageBoxLayout layOutMessageBox(const MessageBox& box, int screenW, int screenH) {
    MessageBoxLayout l;
    int n = int(box.buttons.size());
    int rowW = n * kButtonW + (n - 1) * kButtonGap;
    int iconW = box.critical() ? kIcon + kMargin : 0;
    int widestClient = screenW - 2 * kScreenMargin - 2 * kEdge;
    l.lines = wrapText(kTextFont, box.prompt, widestClient - iconW - 2 * kMargin);
    int promptW = 0, promptH = media().lineHeight(kTextFont) * int(l.lines.size());
    for (const std::string& line : l.lines) promptW = std::max(promptW, media().textWidth(kTextFont, line));
    int clientW = std::max({iconW + promptW + 2 * kMargin, rowW + 2 * kMargin,
                            std::min(media().textWidth(kTitleFont, box.title) + 40, widestClient)});
    int bodyH = std::max(box.critical() ? kIcon : 0, promptH);
    int clientH = kMargin + bodyH + kMargin + kButtonH + kMargin;

    int w = clientW + 2 * kEdge, h = clientH + kTitleH + 2 * kEdge + 1;
    l.box = {(screenW - w) / 2, (screenH - h) / 2, w, h};
    l.titleBar = {l.box.x + kEdge, l.box.y + kEdge, w - 2 * kEdge, kTitleH};
    int cx = l.box.x + kEdge, cy = l.titleBar.y + kTitleH + 1;
    if (box.critical()) l.icon = {cx + kMargin, cy + kMargin, kIcon, kIcon};
    l.prompt = {cx + kMargin + iconW, cy + kMargin + (bodyH - promptH) / 2, promptW, promptH};
    int bx = cx + (clientW - rowW) / 2, by = cy + kMargin + bodyH + kMargin;
    for (int i = 0; i < n; ++i) l.buttons.push_back({bx + i * (kButtonW + kButtonGap), by, kButtonW, kButtonH});
    return l;
}

void drawMessageBox(Painter& p, const MessageBox& box, const MessageBoxLayout& l) {
    const Rect& b = l.box;
    p.fill(b, classic::face);
    p.bevel(b, classic::light, classic::dark);
    p.bevel({b.x + 1, b.y + 1, b.w - 2, b.h - 2}, classic::highlight, classic::shadow);
    p.fill(l.titleBar, kTitleBlue);
    {
        Painter::Scope s(p, l.titleBar);
        TextMaskRef t = media().renderText(kTitleFont, box.title);
        p.text(*t, l.titleBar.x + 3, l.titleBar.y + (kTitleH - t->height) / 2, {255, 255, 255});
    }
    if (box.critical()) stopIcon(p, l.icon);
    const int lineH = media().lineHeight(kTextFont);
    for (size_t i = 0; i < l.lines.size(); ++i)
        p.text(*media().renderText(kTextFont, l.lines[i]), l.prompt.x, l.prompt.y + int(i) * lineH, classic::dark);
    for (size_t i = 0; i < l.buttons.size(); ++i) {
        bool focused = int(i) == box.focus;
        const Rect& r = l.buttons[i];
        drawButton(p, r, classic::face, MessageBox::caption(box.buttons[i]), kTextFont, classic::dark, focused);
        if (focused) p.dottedOutline({r.x + 4, r.y + 4, r.w - 8, r.h - 8}, classic::dark);
    }
}

}  // namespace plat
