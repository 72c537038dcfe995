#include "system.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

#include "focus.h"

namespace plat {

System::System(Backend& backend, int screenWidthPx, int screenHeightPx, int twipsX, int twipsY)
    : backend_(backend), screenW_(screenWidthPx), screenH_(screenHeightPx), twipsX_(twipsX), twipsY_(twipsY) {
    auto fits = [](int side) { return side >= 1 && side <= kLargestScreenPx; };
    if (!fits(screenW_) || !fits(screenH_))
        throw std::length_error("a screen of " + std::to_string(screenW_) + " x " + std::to_string(screenH_) +
                                " pixels cannot be had: 1 to " + std::to_string(kLargestScreenPx) + " pixels each way");
}

System::~System() = default;

// ---- windows ----

void System::bringToFront(Form& f) {
    auto it = std::find(forms_.begin(), forms_.end(), &f);
    if (it != forms_.end()) forms_.erase(it);
    forms_.push_back(&f);
    invalidate();
}

// The focus marks of both windows change with the active window.
void System::activate(Form* f) {
    if (active_ == f) return;
    if (active_) repaintFocus(*active_);
    active_ = f;
    if (active_) repaintFocus(*active_);
}

void System::formHidden(Form& f) {
    if (active_ != &f) return;
    Form* next = nullptr;
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
        if ((*it)->visible() && (*it)->enabled()) {
            next = *it;
            break;
        }
    activate(next);
}

void System::formDestroyed(Form& f) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &f), forms_.end());
    if (active_ == &f) active_ = nullptr;
    if (captured_.form == &f) captured_ = {};
    held_.forget(f);
    forgetFocus(f);
}

// ---- repainting ----

void System::invalidate() {
    ++version_;
    damagedAll_ = true;
}

void System::damage(const Control::Rect& r) {
    ++version_;
    int x0 = std::max(r.x, 0), y0 = std::max(r.y, 0);
    int x1 = std::min(r.x + r.w, screenW_), y1 = std::min(r.y + r.h, screenH_);
    if (x1 <= x0 || y1 <= y0) return;
    if (damaged_.w > 0) {
        x0 = std::min(x0, damaged_.x), y0 = std::min(y0, damaged_.y);
        x1 = std::max(x1, damaged_.x + damaged_.w), y1 = std::max(y1, damaged_.y + damaged_.h);
    }
    damaged_ = {x0, y0, x1 - x0, y1 - y0};
}

Control::Rect System::takeDamage() {
    Control::Rect area = damagedAll_ ? Control::Rect{0, 0, screenW_, screenH_} : damaged_;
    damaged_ = {};
    damagedAll_ = false;
    return area;
}

// ---- timers ----

void System::addTimer(Timer& t) { timers_.push_back(&t); }

void System::removeTimer(Timer& t) { timers_.erase(std::remove(timers_.begin(), timers_.end(), &t), timers_.end()); }

int64_t System::nextDue() const {
    int64_t next = INT64_MAX;
    for (const Timer* t : timers_)
        if (t->armed() && !t->running()) next = std::min(next, t->due());
    return next;
}

bool System::fireOneDueTimer() {
    int64_t t = now();
    Timer* first = nullptr;
    for (Timer* tm : timers_)
        if (tm->armed() && !tm->running() && tm->due() <= t && (!first || tm->due() < first->due())) first = tm;
    if (!first) return false;
    first->fire();
    return true;
}

// ---- the loop ----

void System::DoEvents() {
    if (ended_) throw ProgramEnded{};
    backend_.pollInput(*this);
    while (modal_.empty() && !input_.empty()) {
        InputEvent e = input_.front();
        input_.pop_front();
        dispatch(e);
    }
    while (fireOneDueTimer()) {
    }
    backend_.present(*this);
}

void System::runUntil(int64_t until) {
    while (!ended_) {
        DoEvents();
        if (closeRequested_ && !closing_) close();
        int64_t t = now();
        if (t >= until) return;
        if (!inputPending()) backend_.waitUntil(*this, std::min(nextDue(), until));
    }
}

void System::run() { runUntil(INT64_MAX); }

// Between two turns of the loop: no handler runs and no box is open.
void System::close() {
    closing_ = true;
    if (onCloseRequest) onCloseRequest();
    end();
}

void System::end() {
    ended_ = true;
    throw ProgramEnded{};
}

// ---- random numbers ----

double System::Rnd() {
    if (!given_.empty()) {
        double v = given_.front();
        given_.pop_front();
        return v;
    }
    return random_.next();
}

void System::Randomize() { random_.reseed(uint64_t(now())); }

// ---- message boxes ----

int System::msgBox(const std::string& prompt, int flags, const std::string& title) {
    MessageBox box(prompt, title, flags);
    modal_.push_back(&box);
    invalidate();
    struct Close {
        System& s;
        ~Close() {
            s.modal_.pop_back();
            s.invalidate();
        }
    } close{*this};
    return backend_.runMessageBox(*this, box);
}

// ---- pointer ----

void System::setScreenPointer(int code) {
    screenPointer_ = code;
    backend_.pointerChanged(*this);
}

System::PointerShape System::pointerAt(int x, int y) const {
    PointerShape shape;
    if (screenPointer_ != PointerDefault) {
        shape.code = screenPointer_;
        return shape;
    }
    Form* form = formAt(x, y);
    if (!form) return shape;
    Hit hit = hitTest(x, y);
    for (Control* c = hit.control; c; c = c->parent())
        if (c->mousePointer() == PointerCustom && c->mouseIcon()) {
            shape.code = PointerCustom;
            shape.cursor = c->mouseIcon();
            return shape;
        }
    if (form->mousePointer() == PointerCustom && form->mouseIcon()) {
        shape.code = PointerCustom;
        shape.cursor = form->mouseIcon();
    }
    return shape;
}

// ---- input routing ----

namespace {
Control* frontMostAt(const std::vector<Control*>& kids, int x, int y) {
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        Control* c = *it;
        if (!c->visible() || !c->enabled() || !c->screenRect().contains(x, y)) continue;
        if (Control* inner = frontMostAt(c->children(), x, y)) return inner;
        return c;
    }
    return nullptr;
}
}  // namespace

Form* System::formAt(int x, int y) const {
    Form* form = nullptr;
    for (Form* f : forms_)
        if (f->visible() && f->screenRect().contains(x, y)) form = f;
    return form;
}

System::Hit System::hitTest(int x, int y) const {
    Form* form = formAt(x, y);
    if (!form || !form->enabled()) return {};
    return {form, frontMostAt(form->children(), x, y)};
}

void System::dispatch(const InputEvent& e) {
    if (e.type == InputEvent::Type::KeyDown || e.type == InputEvent::Type::Char)
        dispatchKey(e);
    else
        dispatchMouse(e);
}

void System::dispatchKey(const InputEvent& e) {
    Form* f = active_;
    if (!f || !f->visible() || !f->enabled()) return;
    if (e.type == InputEvent::Type::KeyDown) {
        if (e.code == KeyReturn && f->defaultButton && f->defaultButton->takesInput()) {
            if (f->defaultButton->onClick) f->defaultButton->onClick();
            return;
        }
        if (focusKeyDown(*f, e.code, e.shift)) return;
        if (f->onKeyDown) f->onKeyDown(e.code, e.shift);
    } else {
        if (e.code == KeyReturn && f->defaultButton && f->defaultButton->takesInput()) return;
        if (f->onKeyPress) f->onKeyPress(e.code);
    }
}

void System::mouseTo(const Hit& hit, const InputEvent& e, bool isMove) {
    if (!hit.form) return;
    Control::Rect r = hit.control ? hit.control->screenRect() : hit.form->screenRect();
    double x = double(e.x - r.x) * twipsX_;
    double y = double(e.y - r.y) * twipsY_;
    int button = isMove ? (buttonHeld_ ? e.code : 0) : e.code;
    const MouseHandler* h = nullptr;
    switch (e.type) {
        case InputEvent::Type::MouseMove: h = hit.control ? &hit.control->onMouseMove : &hit.form->onMouseMove; break;
        case InputEvent::Type::MouseDown: h = hit.control ? &hit.control->onMouseDown : &hit.form->onMouseDown; break;
        case InputEvent::Type::MouseUp: h = hit.control ? &hit.control->onMouseUp : &hit.form->onMouseUp; break;
        default: break;
    }
    if (h && *h) (*h)(button, e.shift, x, y);
}

namespace {
bool pressedTwice(const Control* c) {
    return c && (c->kind() == ControlKind::ScrollBar || c->kind() == ControlKind::CommandButton);
}
}  // namespace

void System::dispatchMouse(const InputEvent& e) {
    mouseX_ = e.x;
    mouseY_ = e.y;
    mouseKnown_ = true;
    switch (e.type) {
        case InputEvent::Type::MouseMove:
            if (buttonHeld_) held_.moved(e.x, e.y);
            mouseTo(buttonHeld_ ? captured_ : hitTest(e.x, e.y), e, true);
            backend_.pointerChanged(*this);
            return;
        case InputEvent::Type::MouseDown:
        case InputEvent::Type::DblClick: {
            Hit hit = hitTest(e.x, e.y);
            if (!hit.form) return;
            activate(hit.form);
            if (hit.control) focusClicked(*hit.control);
            captured_ = hit;
            buttonHeld_ = true;
            // Buttons and scroll bars take the second click of a double-click
            // as one more press.
            lastWasDblClick_ = e.type == InputEvent::Type::DblClick && !pressedTwice(hit.control);
            if (lastWasDblClick_) {
                Handler& h = hit.control ? hit.control->onDblClick : hit.form->onDblClick;
                if (h) h();
            } else {
                mouseTo(hit, e, false);
                if (hit.control && e.code == LeftButton) held_.down(*hit.control, e.x, e.y);
            }
            return;
        }
        case InputEvent::Type::MouseUp: {
            if (!buttonHeld_) return;
            Hit target = captured_;
            buttonHeld_ = false;
            captured_ = {};
            held_.up();
            mouseTo(target, e, false);
            if (lastWasDblClick_) return;
            Hit now = hitTest(e.x, e.y);
            if (now.form != target.form || now.control != target.control) return;
            if (!target.control) {
                if (target.form->onClick) target.form->onClick();
                return;
            }
            Control& c = *target.control;
            bool leftOnly = c.kind() == ControlKind::OptionButton || c.kind() == ControlKind::CommandButton;
            if (leftOnly && e.code != LeftButton) return;
            if (c.kind() == ControlKind::OptionButton && !c.value())
                c.setValue(true);  // raises Click
            else if (c.onClick)
                c.onClick();
            return;
        }
        default: return;
    }
}

}  // namespace plat
