#include "scroll_bar.h"

#include <algorithm>

namespace plat {

ScrollBarLayout layOutScrollBar(const Control& bar) {
    ScrollBarLayout l;
    l.bar = bar.screenRect();
    l.arrow = std::min(l.bar.h, l.bar.w / 3);
    l.trackX = l.bar.x + l.arrow;
    l.trackW = std::max(0, l.bar.w - 3 * l.arrow);
    int span = std::max(1, bar.max() - bar.min());
    if (bar.held().thumbX >= 0)
        l.thumbX = l.bar.x + bar.held().thumbX;
    else
        l.thumbX = l.trackX + (bar.position() - bar.min()) * l.trackW / span;
    return l;
}

ScrollPart ScrollBarLayout::partAt(int x) const {
    if (x < bar.x + arrow) return ScrollPart::LeftArrow;
    if (x >= bar.x + bar.w - arrow) return ScrollPart::RightArrow;
    if (x < thumbX) return ScrollPart::PageLeft;
    if (x >= thumbX + arrow) return ScrollPart::PageRight;
    return ScrollPart::Thumb;
}

int ScrollBarLayout::valueAt(const Control& c, int x) const {
    if (trackW <= 0) return c.position();
    int along = std::clamp(x - trackX, 0, trackW);
    int span = c.max() - c.min();
    return c.min() + (2 * along * span + trackW) / (2 * trackW);
}

}  // namespace plat
