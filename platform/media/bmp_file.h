// BMP files, read and written with SDL's BMP loader and writer (no video
// subsystem needed): the game's pictures and the screenshots.
#pragma once

#include <string>

#include "platform/painter.h"
#include "platform/picture.h"

namespace plat {

// Reads an 8-, 24- or 32-bit BMP file (also RLE8); an 8-bit one stays
// indexed. Magenta (#FF00FF) becomes transparent when keyMagenta is set.
// Throws PictureMissing on failure.
PictureRef loadBmp(const std::string& path, const std::string& name, bool keyMagenta = false);

// Writes the screen as a 24-bit BMP file; throws std::runtime_error on failure.
void writeScreenshot(const Framebuffer& fb, const std::string& path);

}  // namespace plat
