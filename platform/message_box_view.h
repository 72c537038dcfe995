// How the open message box looks: where its parts lie on the screen (the
// backends map clicks to its buttons with the same rectangles) and drawing it.
#pragma once

#include <vector>

#include "message_box.h"
#include "painter.h"

namespace plat {

struct MessageBoxLayout {
    Rect box;                  // the whole box, centred on the screen
    Rect titleBar;
    Rect icon;                 // empty without the critical-stop icon
    Rect prompt;
    std::vector<Rect> buttons;  // in the order of MessageBox::buttons
    // The button at a screen pixel, or -1.
    int buttonAt(int x, int y) const;
};

MessageBoxLayout layOutMessageBox(const MessageBox& box, int screenW, int screenH);

void drawMessageBox(Painter& p, const MessageBox& box, const MessageBoxLayout& layout);

}  // namespace plat
