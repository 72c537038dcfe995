// A top-level window: its place on the screen in twips, background colour
// or picture, pointer, the controls it holds and its own event handlers.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "control.h"
#include "timer.h"

namespace plat {

class System;

class Form {
public:
    Form(System& sys, std::string name);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    System& system() const { return sys_; }
    const std::string& name() const { return name_; }

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double v);
    void setTop(double v);
    void setWidth(double v);
    void setHeight(double v);

    bool visible() const { return visible_; }
    // Shows the window in front of the others and makes it the active one.
    void show();
    void hide();
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);

    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    const PictureRef& picture() const { return picture_; }
    void setPicture(PictureRef p);
    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int code) { mousePointer_ = code; }
    const CursorRef& mouseIcon() const { return mouseIcon_; }
    void setMouseIcon(CursorRef c) { mouseIcon_ = std::move(c); }

    // Controls. A new control lies in front of those added before it, within
    // its container (nullptr: the window itself).
    Control& add(ControlKind kind, const std::string& name, Control* parent = nullptr, int index = -1);
    // A new element of a control array: a hidden copy of the template (same
    // container, picture and size), lying at the template's place in the
    // front-to-back order.
    Control& loadElement(const Control& templ, int index);
    Control* find(const std::string& name, int index = -1) const;
    Control& get(const std::string& name, int index = -1) const;  // throws when missing
    const std::vector<Control*>& children() const { return children_; }

    Timer& addTimer(const std::string& name, int intervalMs);

    // The command button pressed by the Return key while this window is active.
    Control* defaultButton = nullptr;

    // Window events: keys reach the window before its controls.
    std::function<void(int keyCode, int shift)> onKeyDown;
    std::function<void(int ascii)> onKeyPress;
    MouseHandler onMouseDown, onMouseUp, onMouseMove;
    Handler onClick, onDblClick;

    Control::Rect screenRect() const;
    void changed();

private:
    std::vector<Control*>& siblingsOf(Control* parent);

    System& sys_;
    std::string name_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = false, enabled_ = true;
    Color backColor_{0, 0, 0};
    PictureRef picture_;
    int mousePointer_ = PointerDefault;
    CursorRef mouseIcon_;
    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> children_;  // back to front
    std::map<std::pair<std::string, int>, Control*> byName_;
    std::vector<std::unique_ptr<Timer>> timers_;
};

}  // namespace plat
