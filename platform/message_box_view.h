// How the open message box looks: where its parts lie on the screen (the
// backends map clicks to its buttons with the same rectangles) and drawing it.
#pragma once

#include <string>
#include <vector>

#include "message_box.h"
#include "painter.h"

namespace plat {

struct MessageBoxLayout {
    Rect box;  // the whole box, centred on the screen
    Rect titleBar;
    Rect icon;                       // empty without the critical-stop icon
    Rect prompt;                     // all its lines
    std::vector<std::string> lines;  // the prompt broken to fit the screen
    std::vector<Rect> buttons;       // in the order of MessageBox::buttons
    // The button at a screen pixel, or -1.
    int buttonAt(int x, int y) const;
};

// The box is as wide as its prompt on one line, its title or its buttons
// need, but at most the screen's width less a margin on either side; a
// prompt too wide for that is broken into lines (text_wrap.h), and a title
// too wide is cut off at the end of the title bar.
MessageBoxLayout layOutMessageBox(const MessageBox& box, int screenW, int screenH);

void drawMessageBox(Painter& p, const MessageBox& box, const MessageBoxLayout& layout);

}  // namespace plat
