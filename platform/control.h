// Controls of a window: picture boxes, images, labels, frames, option
// buttons, scroll bars, command buttons and plain boxes. Positions and sizes
// are in their container's units (twips); every change that shows on the
// screen marks the screen for repainting.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "basic.h"
#include "picture.h"

namespace plat {

class Form;

enum class ControlKind { PictureBox, Image, Label, Frame, OptionButton, ScrollBar, CommandButton, Box };

enum class Align { Left, Right, Center };

// The parts of a horizontal scroll bar that a press can hold.
enum class ScrollPart { None, LeftArrow, RightArrow, PageLeft, PageRight, Thumb };

// The look of the left button held on a control, kept by the event loop: a
// command button, or a scroll bar's arrow or page area, shows pushed in
// while the pointer is on it; a dragged thumb lies where the pointer took it.
struct HeldLook {
    bool pushed = false;
    ScrollPart part = ScrollPart::None;  // scroll bars: the part held
    int thumbX = -1;                     // a dragged thumb's left edge, pixels from the bar's; -1: none
    friend bool operator==(const HeldLook&, const HeldLook&) = default;
};

struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;  // points
    bool bold = false;
};

using MouseHandler = std::function<void(int button, int shift, double x, double y)>;
using Handler = std::function<void()>;

class Control {
public:
    Control(Form& form, Control* parent, ControlKind kind, std::string name, int index);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return form_; }
    Control* parent() const { return parent_; }
    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }  // -1 outside a control array

    // Place and size in the container's units.
    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double v);
    void setTop(double v);
    void setWidth(double v);
    void setHeight(double v);
    void move(double left, double top);
    void setBounds(double left, double top, double width, double height);

    // The control's own setting, also while its container is hidden.
    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);
    // Shown on the screen: itself, its containers and its window visible.
    bool shownOnScreen() const;
    // Takes input: visible and enabled along with all its containers.
    bool takesInput() const;

    const std::string& tag() const { return tag_; }
    void setTag(std::string t) { tag_ = std::move(t); }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string text);

    // Pictures. Images, and picture boxes that size to their picture, take
    // the picture's size.
    const PictureRef& picture() const { return picture_; }
    void setPicture(PictureRef p);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool v) { autoSize_ = v; }

    // Looks.
    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c);
    bool opaque() const { return opaque_; }  // background style
    void setOpaque(bool v);
    bool border() const { return border_; }  // single-line border
    void setBorder(bool v);
    Align alignment() const { return alignment_; }
    void setAlignment(Align a);
    const Font& font() const { return font_; }
    void setFont(Font f);

    // Mouse pointer over this control: PointerDefault, or PointerCustom with
    // the control's own cursor.
    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int code);
    const CursorRef& mouseIcon() const { return mouseIcon_; }
    void setMouseIcon(CursorRef c) { mouseIcon_ = std::move(c); }

    // Option buttons: selected or not; selecting one clears the others of its
    // container and raises its Click.
    bool value() const { return value_; }
    void setValue(bool v);

    // Scroll bars: range, position and steps; a changed position raises Change.
    int min() const { return min_; }
    int max() const { return max_; }
    void setRange(int min, int max);
    int position() const { return position_; }
    void setPosition(int v);
    int smallChange() const { return smallChange_; }
    int largeChange() const { return largeChange_; }
    void setSteps(int small, int large);
    // Moves the position without raising Change: a dragged thumb reports its
    // change only when it is let go.
    void trackPosition(int v);

    // The look of a press held on the control (set by the event loop).
    const HeldLook& held() const { return held_; }
    void setHeld(const HeldLook& look);

    // Events.
    MouseHandler onMouseDown, onMouseUp, onMouseMove;
    Handler onClick, onDblClick, onChange;

    // The controls inside this one, back to front.
    std::vector<Control*>& children() { return children_; }
    const std::vector<Control*>& children() const { return children_; }

    // Pixel rectangle on the screen (integer pixels).
    struct Rect {
        int x = 0, y = 0, w = 0, h = 0;
        bool contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
    };
    Rect screenRect() const;

private:
    // Marks the control's place on the screen for redrawing, when it shows.
    void damage() const;
    template <typename Change>
    void change(Change&& apply);

    Form& form_;
    Control* parent_;
    ControlKind kind_;
    std::string name_;
    int index_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true, enabled_ = true;
    std::string tag_, caption_;
    PictureRef picture_;
    bool autoSize_ = false;
    Color backColor_{192, 192, 192}, foreColor_{0, 0, 0};
    bool opaque_ = true, border_ = false;
    Align alignment_ = Align::Left;
    Font font_;
    int mousePointer_ = PointerDefault;
    CursorRef mouseIcon_;
    bool value_ = false;
    int min_ = 0, max_ = 32767, position_ = 0, smallChange_ = 1, largeChange_ = 1;
    HeldLook held_;
    std::vector<Control*> children_;
};

}  // namespace plat
