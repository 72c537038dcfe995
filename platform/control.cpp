#include "control.h"

#include "form.h"
#include "system.h"

namespace plat {

Control::Control(Form& form, Control* parent, ControlKind kind, std::string name, int index)
    : form_(form), parent_(parent), kind_(kind), name_(std::move(name)), index_(index) {
    if (kind == ControlKind::Image || kind == ControlKind::Label) opaque_ = kind == ControlKind::Label;
}

void Control::damage() const {
    if (shownOnScreen()) form_.system().damage(screenRect());
}

// A change that shows: the control's place before and after it is redrawn.
template <typename Change>
void Control::change(Change&& apply) {
    damage();
    apply();
    damage();
}

void Control::setLeft(double v) {
    change([&] { left_ = v; });
}
void Control::setTop(double v) {
    change([&] { top_ = v; });
}
void Control::setWidth(double v) {
    change([&] { width_ = v; });
}
void Control::setHeight(double v) {
    change([&] { height_ = v; });
}
void Control::move(double left, double top) {
    change([&] {
        left_ = left;
        top_ = top;
    });
}

void Control::setBounds(double left, double top, double width, double height) {
    change([&] {
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
    });
}

void Control::setVisible(bool v) {
    if (visible_ == v) return;
    change([&] { visible_ = v; });
}

void Control::setEnabled(bool v) {
    if (enabled_ == v) return;
    change([&] { enabled_ = v; });
}

bool Control::shownOnScreen() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return form_.visible();
}

bool Control::takesInput() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_ || !c->enabled_) return false;
    return form_.visible() && form_.enabled();
}

void Control::setCaption(std::string text) {
    if (caption_ == text) return;
    change([&] { caption_ = std::move(text); });
}

void Control::setPicture(PictureRef p) {
    change([&] {
        picture_ = std::move(p);
        if (picture_ && (kind_ == ControlKind::Image || autoSize_)) {
            const System& sys = form_.system();
            width_ = double(picture_->width) * sys.twipsX();
            height_ = double(picture_->height) * sys.twipsY();
        }
    });
}

void Control::setBackColor(Color c) {
    change([&] { backColor_ = c; });
}
void Control::setForeColor(Color c) {
    change([&] { foreColor_ = c; });
}
void Control::setOpaque(bool v) {
    change([&] { opaque_ = v; });
}
void Control::setBorder(bool v) {
    change([&] { border_ = v; });
}
void Control::setAlignment(Align a) {
    change([&] { alignment_ = a; });
}
void Control::setFont(Font f) {
    change([&] { font_ = std::move(f); });
}

void Control::setMousePointer(int code) {
    if (mousePointer_ == code) return;
    mousePointer_ = code;
    form_.system().backend().pointerChanged(form_.system());
}

void Control::setValue(bool v) {
    if (v && kind_ == ControlKind::OptionButton) {
        const auto& siblings = parent_ ? parent_->children() : form_.children();
        for (Control* c : siblings)
            if (c != this && c->kind_ == ControlKind::OptionButton && c->value_) c->change([c] { c->value_ = false; });
    }
    bool was = value_;
    change([&] { value_ = v; });
    if (v && !was && onClick) onClick();
}

void Control::setRange(int min, int max) {
    min_ = min;
    max_ = max;
    if (position_ < min_ || position_ > max_) setPosition(position_ < min_ ? min_ : max_);
    damage();
}

void Control::setPosition(int v) {
    int was = position_;
    trackPosition(v);
    if (position_ != was && onChange) onChange();
}

void Control::trackPosition(int v) {
    if (v < min_) v = min_;
    if (v > max_) v = max_;
    if (v == position_) return;
    change([&] { position_ = v; });
}

void Control::setHeld(const HeldLook& look) {
    if (held_ == look) return;
    change([&] { held_ = look; });
}

void Control::setSteps(int small, int large) {
    smallChange_ = small;
    largeChange_ = large;
}

Control::Rect Control::screenRect() const {
    const System& sys = form_.system();
    double x = left_, y = top_;
    for (const Control* c = parent_; c; c = c->parent_) {
        x += c->left_;
        y += c->top_;
    }
    x += form_.left();
    y += form_.top();
    Rect r;
    r.x = pixelOf(x, sys.twipsX());
    r.y = pixelOf(y, sys.twipsY());
    if (picture_ && kind_ == ControlKind::Image) {
        r.w = picture_->width;
        r.h = picture_->height;
    } else {
        r.w = pixelOf(width_, sys.twipsX());
        r.h = pixelOf(height_, sys.twipsY());
    }
    return r;
}

}  // namespace plat
