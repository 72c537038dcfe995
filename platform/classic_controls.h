// The standard controls in the plain classic look: grey faces, light upper-left
// and dark lower-right edges. Each draws into its own screen rectangle.
#pragma once

#include "control.h"
#include "painter.h"

namespace plat {

namespace classic {
constexpr Color face{192, 192, 192};
constexpr Color light{223, 223, 223};
constexpr Color highlight{255, 255, 255};
constexpr Color shadow{128, 128, 128};
constexpr Color dark{0, 0, 0};
}  // namespace classic

// A raised button face with a centred caption; `outlined` adds the dark
// outline of the default (or focused) button; `pushed` sinks the face, the
// caption one pixel down and to the right.
void drawButton(Painter& p, const Rect& r, Color faceColor, const std::string& caption, const Font& font,
                Color textColor, bool outlined, bool pushed = false);

// The controls of a window. A press held on a command button or a scroll
// bar's arrow shows it pushed in, a page area held turns dark, and a dragged
// thumb lies where it is dragged (Control::held). The control with the focus
// in the active window shows a dotted rectangle: around an option button's
// caption, in its text colour; inside a command button and inside a scroll
// bar's thumb, in black.

void drawFrame(Painter& p, const Control& c, const Rect& r);
void drawOptionButton(Painter& p, const Control& c, const Rect& r);
void drawScrollBar(Painter& p, const Control& c, const Rect& r);
void drawCommandButton(Painter& p, const Control& c, const Rect& r);

}  // namespace plat
