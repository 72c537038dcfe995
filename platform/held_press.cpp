#include "held_press.h"

#include <algorithm>

#include "form.h"
#include "scroll_bar.h"
#include "system.h"

namespace plat {

HeldPress::HeldPress(System& sys) : sys_(sys), timer_(sys, "scrollRepeat", kFirstRepeatMs) {
    timer_.onTimer = [this] { repeat(); };
}

void HeldPress::down(Control& c, int x, int) {
    up();
    if (c.kind() == ControlKind::CommandButton) {
        control_ = &c;
        c.setHeld({true});
        return;
    }
    if (c.kind() != ControlKind::ScrollBar) return;
    ScrollBarLayout l = layOutScrollBar(c);
    control_ = &c;
    part_ = l.partAt(x);
    if (part_ == ScrollPart::Thumb) {
        grab_ = x - l.thumbX;
        startPosition_ = c.position();
        c.setHeld({true, part_, l.thumbX - l.bar.x});
        return;
    }
    timer_.setInterval(kFirstRepeatMs);
    timer_.setEnabled(true);
    step();
}

void HeldPress::moved(int x, int y) {
    if (!control_) return;
    Control& c = *control_;
    if (c.kind() == ControlKind::CommandButton)
        c.setHeld({c.screenRect().contains(x, y)});
    else if (part_ == ScrollPart::Thumb)
        dragThumb(c, x);
    else
        c.setHeld({onHeldPart(c), part_});
}

void HeldPress::up() {
    timer_.setEnabled(false);
    if (!control_) return;
    Control& c = *control_;
    bool dragged = part_ == ScrollPart::Thumb;
    control_ = nullptr;
    part_ = ScrollPart::None;
    c.setHeld({});
    if (dragged && c.position() != startPosition_ && c.onChange) c.onChange();
}

void HeldPress::forget(const Form& form) {
    if (!control_ || &control_->form() != &form) return;
    timer_.setEnabled(false);
    control_ = nullptr;
    part_ = ScrollPart::None;
}

// The thumb stays on the track; the position is the value nearest to it.
void HeldPress::dragThumb(Control& bar, int x) {
    ScrollBarLayout l = layOutScrollBar(bar);
    int left = std::clamp(x - grab_, l.trackX, l.trackX + l.trackW);
    bar.setHeld({true, ScrollPart::Thumb, left - l.bar.x});
    bar.trackPosition(l.valueAt(bar, left));
}

bool HeldPress::onHeldPart(const Control& bar) const {
    ScrollBarLayout l = layOutScrollBar(bar);
    return l.bar.contains(sys_.mouseX(), sys_.mouseY()) && l.partAt(sys_.mouseX()) == part_;
}

// One step of the held arrow or page, while the pointer is on it.
void HeldPress::step() {
    Control& bar = *control_;
    bool on = bar.takesInput() && !sys_.openMessageBox() && onHeldPart(bar);
    bar.setHeld({on, part_});
    if (!on) return;
    bool arrow = part_ == ScrollPart::LeftArrow || part_ == ScrollPart::RightArrow;
    int by = arrow ? bar.smallChange() : bar.largeChange();
    bool back = part_ == ScrollPart::LeftArrow || part_ == ScrollPart::PageLeft;
    bar.setPosition(bar.position() + (back ? -by : by));
    if (control_ == &bar) bar.setHeld({onHeldPart(bar), part_});  // the thumb may have reached the pointer
}

void HeldPress::repeat() {
    if (!control_) return;
    timer_.setInterval(kRepeatMs);
    step();
}

}  // namespace plat
