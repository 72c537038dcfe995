// Text for the compositor, rendered with SDL_ttf: the game's font names
// mapped to the installed Liberation faces (found with fontconfig), sizes in
// points at 96 dots per inch, and rendered texts kept as coverage masks so
// that a text drawn again costs nothing.
#pragma once

#include <string>

#include "platform/media.h"

namespace plat {

// The pixel height of the em at 96 dpi: 8.25 pt = 11 px, 12 pt = 16 px.
int fontPixels(double points);

// The family that stands in for a font the game names.
std::string substituteFamily(const std::string& name);

// The font file of a family and weight, from fontconfig ("" when none). The
// families the game draws with are looked up together the first time, and
// fontconfig is shut down after every lookup.
std::string fontFile(const std::string& family, bool bold);

// Renders one line of Windows-1252 text; an empty mask when the text is
// empty or no font could be opened.
TextMaskRef renderText(const Font& font, const std::string& text);
// Width of the text in pixels and the height of a line of the font.
int textWidth(const Font& font, const std::string& text);
int lineHeight(const Font& font);

}  // namespace plat
