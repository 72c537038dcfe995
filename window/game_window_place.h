// Where the game window lies on the screen: 640 x 480 pixels, centred. The
// options dialog is placed against it, before the game window is loaded.
#pragma once

#include "platform/basic.h"
#include "platform/system.h"

struct WindowPlace {
    double left, top, width, height;  // twips
};

inline WindowPlace gameWindowPlace(const plat::System& sys, plat::Integer iTwipsX, plat::Integer iTwipsY) {
    plat::Integer width = plat::Integer(640 * iTwipsX);
    plat::Integer height = plat::Integer(480 * iTwipsY);
    return {(sys.screenWidthTwips() - width) / 2, (sys.screenHeightTwips() - height) / 2, double(width),
            double(height)};
}
