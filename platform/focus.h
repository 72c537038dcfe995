// Keyboard focus within a dialog. A window that is given a tab order has a
// focused control: Tab and Shift+Tab move the focus along the order, the
// arrows move a focused scroll bar by its small step or step through the
// option buttons of a group (selecting each), and Space presses a focused
// command button or option button. Frames and labels in the order never take
// the focus; of a group of option buttons only the selected one is a tab stop
// (the first of the group while none is selected). A window without a tab
// order gets every key as before. The focused control of the active window
// shows a focus mark (classic_controls.h).
#pragma once

#include <vector>

#include "control.h"
#include "form.h"
#include "input.h"

namespace plat {

constexpr int ShiftMask = 1;  // the Shift key in a key event's shift state

void setTabOrder(Form& form, std::vector<Control*> order);

// The control holding the focus: the one last focused while it still takes
// input, else the first tab stop; nullptr without a tab order or a stop.
Control* focusedControl(const Form& form);
// Gives the focus to a control that can take it; false when it cannot.
bool setFocus(Control& control);
// Whether the control shows the focus mark: it has the focus and its window
// is the active one.
bool showsFocus(const Control& control);
// Marks the place of the window's focused control for redrawing, as when the
// window becomes active or stops being so.
void repaintFocus(const Form& form);

// For the event loop: a key press in the active window. True when the focus
// used the key; the window's own handlers then do not see it.
bool focusKeyDown(Form& form, int keyCode, int shift);
// For the event loop: a mouse press on a control focuses it when it can.
void focusClicked(Control& control);
// For the event loop: the window is gone.
void forgetFocus(const Form& form);

}  // namespace plat
