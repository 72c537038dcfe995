#include "control.h"

#include <cmath>

#include "form.h"
#include "system.h"

namespace plat {

Control::Control(Form& form, Control* parent, ControlKind kind, std::string name, int index)
    : form_(form), parent_(parent), kind_(kind), name_(std::move(name)), index_(index) {
    if (kind == ControlKind::Image || kind == ControlKind::Label) opaque_ = kind == ControlKind::Label;
}

void Control::changed() { form_.system().invalidate(); }

void Control::setLeft(double v) { left_ = v; changed(); }
void Control::setTop(double v) { top_ = v; changed(); }
void Control::setWidth(double v) { width_ = v; changed(); }
void Control::setHeight(double v) { height_ = v; changed(); }
void Control::move(double left, double top) { left_ = left; top_ = top; changed(); }

void Control::setBounds(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    changed();
}

void Control::setVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    changed();
}

void Control::setEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    changed();
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
    caption_ = std::move(text);
    changed();
}

void Control::setPicture(PictureRef p) {
    picture_ = std::move(p);
    if (picture_ && (kind_ == ControlKind::Image || autoSize_)) {
        const System& sys = form_.system();
        width_ = double(picture_->width) * sys.twipsX();
        height_ = double(picture_->height) * sys.twipsY();
    }
    changed();
}

void Control::setBackColor(Color c) { backColor_ = c; changed(); }
void Control::setForeColor(Color c) { foreColor_ = c; changed(); }
void Control::setOpaque(bool v) { opaque_ = v; changed(); }
void Control::setBorder(bool v) { border_ = v; changed(); }
void Control::setAlignment(Align a) { alignment_ = a; changed(); }
void Control::setFont(Font f) { font_ = std::move(f); changed(); }

void Control::setMousePointer(int code) {
    if (mousePointer_ == code) return;
    mousePointer_ = code;
    form_.system().backend().pointerChanged(form_.system());
}

void Control::setValue(bool v) {
    if (v && kind_ == ControlKind::OptionButton) {
        const auto& siblings = parent_ ? parent_->children() : form_.children();
        for (Control* c : siblings)
            if (c != this && c->kind_ == ControlKind::OptionButton && c->value_) {
                c->value_ = false;
            }
    }
    bool was = value_;
    value_ = v;
    changed();
    if (v && !was && onClick) onClick();
}

void Control::setRange(int min, int max) {
    min_ = min;
    max_ = max;
    if (position_ < min_ || position_ > max_) setPosition(position_ < min_ ? min_ : max_);
    changed();
}

void Control::setPosition(int v) {
    if (v < min_) v = min_;
    if (v > max_) v = max_;
    if (v == position_) return;
    position_ = v;
    changed();
    if (onChange) onChange();
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
    auto px = [](double twips, int per) { return int(std::floor(twips / per + 0.5)); };
    Rect r;
    r.x = px(x, sys.twipsX());
    r.y = px(y, sys.twipsY());
    if (picture_ && kind_ == ControlKind::Image) {
        r.w = picture_->width;
        r.h = picture_->height;
    } else {
        r.w = px(width_, sys.twipsX());
        r.h = px(height_, sys.twipsY());
    }
    return r;
}

}  // namespace plat
