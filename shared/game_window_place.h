// Where the game window lies on the screen: 640 x 480 pixels, centred. The
// options dialog is placed against it, before the game window is loaded.
#pragma once

#include "platform/basic.h"
#include "platform/system.h"

struct WindowPlace {
    double left, top, width, height;  // twips
};

// A window stands on whole pixels: a centre half a pixel off (an odd number
// of pixels to spare) puts it on the next pixel, as the screen shows it.
// Left and top are those of the pixel it stands on, so what is placed
// against them lies against the window as on an 800 x 600 screen.
inline WindowPlace gameWindowPlace(const plat::System& sys, plat::Integer iTwipsX, plat::Integer iTwipsY) {
    plat::Integer width = plat::Integer(640 * iTwipsX);
    plat::Integer height = plat::Integer(480 * iTwipsY);
    auto onPixel = [](double twips, int perPixel) { return double(plat::pixelOf(twips, perPixel) * perPixel); };
    return {onPixel((sys.screenWidthTwips() - width) / 2, sys.twipsX()),
            onPixel((sys.screenHeightTwips() - height) / 2, sys.twipsY()), double(width), double(height)};
}
