// What the left button held on a control does by itself. A command button
// looks pushed in while the pointer is on it (its Click, on release over it,
// is the event loop's). A scroll bar steps once from an arrow (small step)
// or from the track beside the thumb (large step), and again every
// kRepeatMs from kFirstRepeatMs on while the button stays down and the
// pointer stays on that part, so a page run stops where the thumb reaches
// the pointer; its thumb follows the pointer when dragged, the position
// following the thumb, and Change comes once, on release.
#pragma once

#include "control.h"
#include "timer.h"

namespace plat {

class System;

class HeldPress {
public:
    // The desktop's usual scroll repeat: a pause as long as the keyboard's
    // repeat delay, then twenty steps a second.
    static constexpr int kFirstRepeatMs = 500;
    static constexpr int kRepeatMs = 50;

    explicit HeldPress(System& sys);

    void down(Control& c, int x, int y);
    void moved(int x, int y);
    void up();
    // The window is gone: whatever it held is dropped.
    void forget(const Form& form);

private:
    void dragThumb(Control& bar, int x);
    void step();
    void repeat();
    bool onHeldPart(const Control& bar) const;

    System& sys_;
    Control* control_ = nullptr;
    ScrollPart part_ = ScrollPart::None;
    int grab_ = 0;           // the pointer's distance from a dragged thumb's left edge
    int startPosition_ = 0;  // the position when the thumb was taken
    Timer timer_;
};

}  // namespace plat
