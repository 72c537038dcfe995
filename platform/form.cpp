#include "form.h"

#include <algorithm>
#include <stdexcept>

#include "system.h"

namespace plat {

Form::Form(System& sys, std::string name) : sys_(sys), name_(std::move(name)) {}

Form::~Form() { sys_.formDestroyed(*this); }

void Form::changed() { sys_.invalidate(); }

void Form::setLeft(double v) {
    left_ = v;
    changed();
}
void Form::setTop(double v) {
    top_ = v;
    changed();
}
void Form::setWidth(double v) {
    width_ = v;
    changed();
}
void Form::setHeight(double v) {
    height_ = v;
    changed();
}

void Form::show() {
    visible_ = true;
    sys_.bringToFront(*this);
    if (enabled_) sys_.activate(this);
    changed();
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    sys_.formHidden(*this);
    changed();
}

void Form::setEnabled(bool v) {
    enabled_ = v;
    if (!v) sys_.formHidden(*this);
    changed();
}

void Form::setBackColor(Color c) {
    backColor_ = c;
    changed();
}
void Form::setPicture(PictureRef p) {
    picture_ = std::move(p);
    changed();
}

std::vector<Control*>& Form::siblingsOf(Control* parent) { return parent ? parent->children() : children_; }

Control& Form::add(ControlKind kind, const std::string& name, Control* parent, int index) {
    owned_.push_back(std::make_unique<Control>(*this, parent, kind, name, index));
    Control* c = owned_.back().get();
    siblingsOf(parent).push_back(c);
    byName_[{name, index}] = c;
    changed();
    return *c;
}

Control& Form::loadElement(const Control& templ, int index) {
    if (find(templ.name(), index)) throw std::logic_error("control array element exists: " + templ.name());
    Control* parent = templ.parent();
    owned_.push_back(std::make_unique<Control>(*this, parent, templ.kind(), templ.name(), index));
    Control* c = owned_.back().get();
    c->setBounds(templ.left(), templ.top(), templ.width(), templ.height());
    c->setAutoSize(templ.autoSize());
    c->setPicture(templ.picture());
    c->setBackColor(templ.backColor());
    c->setForeColor(templ.foreColor());
    c->setOpaque(templ.opaque());
    c->setFont(templ.font());
    c->setAlignment(templ.alignment());
    c->setMousePointer(templ.mousePointer());
    c->setMouseIcon(templ.mouseIcon());
    c->setEnabled(templ.enabled());
    c->setVisible(false);
    auto& siblings = siblingsOf(parent);
    auto at = std::find(siblings.begin(), siblings.end(), &templ);
    siblings.insert(at == siblings.end() ? siblings.end() : at + 1, c);
    byName_[{templ.name(), index}] = c;
    return *c;
}

Control* Form::find(const std::string& name, int index) const {
    auto it = byName_.find({name, index});
    return it == byName_.end() ? nullptr : it->second;
}

Control& Form::get(const std::string& name, int index) const {
    Control* c = find(name, index);
    if (!c) throw std::logic_error("no control " + name_ + "." + name + "(" + std::to_string(index) + ")");
    return *c;
}

Timer& Form::addTimer(const std::string& name, int intervalMs) {
    timers_.push_back(std::make_unique<Timer>(sys_, name, intervalMs));
    return *timers_.back();
}

Control::Rect Form::screenRect() const {
    return {pixelOf(left_, sys_.twipsX()), pixelOf(top_, sys_.twipsY()), pixelOf(width_, sys_.twipsX()),
            pixelOf(height_, sys_.twipsY())};
}

}  // namespace plat
