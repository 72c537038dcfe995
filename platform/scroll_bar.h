// Where the parts of a horizontal scroll bar lie: square arrows at both ends
// and a thumb as wide as an arrow. The compositor draws it from this and the
// event loop answers presses from it.
#pragma once

#include <algorithm>

#include "control.h"

namespace plat {

struct ScrollBarLayout {
    int arrow;   // width of each arrow button and of the thumb
    int thumbX;  // left edge of the thumb
};

inline ScrollBarLayout layOutScrollBar(const Control& bar, int x, int w, int h) {
    int arrow = std::min(h, w / 3);
    int span = std::max(1, bar.max() - bar.min());
    int track = w - 3 * arrow;
    return {arrow, x + arrow + (track > 0 ? (bar.position() - bar.min()) * track / span : 0)};
}

}  // namespace plat
