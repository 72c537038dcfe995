// The compositor draws the whole screen as the player sees it: black where
// no window is, the visible windows back to front with their controls, and
// the open message box on top. Both backends show what it draws, so a
// headless screenshot (platform/media/bmp_file.h) is what the real window
// shows.
#pragma once

#include "painter.h"
#include "system.h"

namespace plat {

// Redraws the screen into fb, sizing it to the system's screen.
void compose(const System& sys, Framebuffer& fb);
// Redraws only the part `area` of a screen composed before (all of it when
// fb is not the screen's size).
void compose(const System& sys, Framebuffer& fb, const Rect& area);
// Redraws the part `area` of the screen into a canvas of the screen's size
// that holds the rest of it as composed before.
void compose(const System& sys, const Canvas& screen, const Rect& area);

}  // namespace plat
