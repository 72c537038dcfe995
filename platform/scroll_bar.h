// Where the parts of a horizontal scroll bar lie: square arrows at both ends
// and a thumb as wide as an arrow, running over the track between them. The
// compositor draws it from this and the event loop answers presses from it.
#pragma once

#include "control.h"

namespace plat {

struct ScrollBarLayout {
    Control::Rect bar;   // the whole bar on the screen
    int arrow;           // width of each arrow button and of the thumb
    int thumbX;          // left edge of the thumb
    int trackX, trackW;  // the thumb's left edge runs from trackX to trackX + trackW

    // The part under a screen column of the bar.
    ScrollPart partAt(int x) const;
    // The value whose thumb lies nearest to a left edge at x.
    int valueAt(const Control& bar, int x) const;
};

// The layout at the bar's place on the screen; a dragged thumb lies where it
// was dragged, else at the bar's position.
ScrollBarLayout layOutScrollBar(const Control& bar);

}  // namespace plat
