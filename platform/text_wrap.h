// Text broken into lines that fit a width, as message boxes break their
// prompts: at blanks, and inside a word too long for a line of its own.
#pragma once

#include <string>
#include <vector>

#include "control.h"

namespace plat {

// The lines of Windows-1252 `text` in `font`, each at most maxWidth pixels
// wide: a line ends at the last blank before the width is reached (the
// blank is dropped), a word wider than the whole line is broken after its
// last character that fits (a line holds one character at least), and a
// line feed always ends a line. Empty text makes one empty line.
std::vector<std::string> wrapText(const Font& font, const std::string& text, int maxWidth);

}  // namespace plat
