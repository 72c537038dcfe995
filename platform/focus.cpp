#include "focus.h"

#include <algorithm>
#include <map>

#include "system.h"

namespace plat {

namespace {

struct Ring {
    std::vector<Control*> order;
    Control* focused = nullptr;
};

std::map<const Form*, Ring>& rings() {
    static std::map<const Form*, Ring> all;
    return all;
}

Ring* ringOf(const Form& form) {
    auto it = rings().find(&form);
    return it == rings().end() ? nullptr : &it->second;
}

bool canFocus(const Control& c) {
    bool kindTakesFocus = c.kind() == ControlKind::OptionButton || c.kind() == ControlKind::ScrollBar ||
                          c.kind() == ControlKind::CommandButton;
    return kindTakesFocus && c.takesInput();
}

// The option buttons of c's group (same container), in tab order.
std::vector<Control*> groupOf(const Ring& ring, const Control& c) {
    std::vector<Control*> group;
    for (Control* o : ring.order)
        if (o->kind() == ControlKind::OptionButton && o->parent() == c.parent() && canFocus(*o)) group.push_back(o);
    return group;
}

bool isTabStop(const Ring& ring, Control& c) {
    if (!canFocus(c)) return false;
    if (c.kind() != ControlKind::OptionButton || c.value()) return true;
    std::vector<Control*> group = groupOf(ring, c);
    bool anySelected = std::any_of(group.begin(), group.end(), [](Control* o) { return o->value(); });
    return !anySelected && group.front() == &c;
}

Control* current(const Ring& ring) {
    if (ring.focused && canFocus(*ring.focused)) return ring.focused;
    for (Control* c : ring.order)
        if (isTabStop(ring, *c)) return c;
    return nullptr;
}

void repaint(const Control* c) {
    if (c && c->shownOnScreen()) c->form().system().damage(c->screenRect());
}

// The focus moves: both places are redrawn, the mark going and coming.
void moveFocus(Ring& ring, Control* to) {
    Control* from = current(ring);
    ring.focused = to;
    if (from == to) return;
    repaint(from);
    repaint(to);
}

void tab(Ring& ring, bool backwards) {
    const int n = int(ring.order.size());
    Control* from = current(ring);
    auto at = std::find(ring.order.begin(), ring.order.end(), from);
    int start = at == ring.order.end() ? (backwards ? 0 : n - 1) : int(at - ring.order.begin());
    for (int step = 1; step <= n; ++step) {
        int i = ((start + (backwards ? -step : step)) % n + n) % n;
        if (isTabStop(ring, *ring.order[i])) {
            moveFocus(ring, ring.order[i]);
            return;
        }
    }
}

void press(Control& c) {
    if (c.kind() == ControlKind::OptionButton && !c.value())
        c.setValue(true);  // raises Click
    else if (c.onClick)
        c.onClick();
}

bool arrow(Ring& ring, Control& c, int keyCode) {
    int dir = (keyCode == KeyRight || keyCode == KeyDown) ? 1 : -1;
    if (c.kind() == ControlKind::ScrollBar) {
        c.setPosition(c.position() + dir * c.smallChange());
        return true;
    }
    if (c.kind() != ControlKind::OptionButton) return false;
    std::vector<Control*> group = groupOf(ring, c);
    const int n = int(group.size());
    int i = int(std::find(group.begin(), group.end(), &c) - group.begin());
    Control* next = group[size_t(((i + dir) % n + n) % n)];
    moveFocus(ring, next);
    if (!next->value()) next->setValue(true);  // raises Click
    return true;
}

}  // namespace

void setTabOrder(Form& form, std::vector<Control*> order) {
    Ring& ring = rings()[&form];
    ring.order = std::move(order);
    ring.focused = nullptr;
}

Control* focusedControl(const Form& form) {
    const Ring* ring = ringOf(form);
    return ring ? current(*ring) : nullptr;
}

bool setFocus(Control& control) {
    Ring* ring = ringOf(control.form());
    if (!ring || !canFocus(control)) return false;
    if (std::find(ring->order.begin(), ring->order.end(), &control) == ring->order.end()) return false;
    moveFocus(*ring, &control);
    return true;
}

bool showsFocus(const Control& control) {
    const Form& form = control.form();
    return form.system().activeForm() == &form && focusedControl(form) == &control;
}

void repaintFocus(const Form& form) { repaint(focusedControl(form)); }

bool focusKeyDown(Form& form, int keyCode, int shift) {
    Ring* ring = ringOf(form);
    if (!ring || ring->order.empty()) return false;
    if (keyCode == KeyTab) {
        tab(*ring, (shift & ShiftMask) != 0);
        return true;
    }
    Control* c = current(*ring);
    if (!c) return false;
    switch (keyCode) {
        case KeySpace:
            if (c->kind() == ControlKind::ScrollBar) return false;
            press(*c);
            return true;
        case KeyLeft:
        case KeyRight:
        case KeyUp:
        case KeyDown: return arrow(*ring, *c, keyCode);
        default: return false;
    }
}

void focusClicked(Control& control) { setFocus(control); }

void forgetFocus(const Form& form) { rings().erase(&form); }

}  // namespace plat
