// The text of the options file "OPT.TXT": sound, start level, control and
// picture set, one whole number a line.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "platform/basic.h"

// Sound, start level, control, picture set, in the file's order.
using OptionValues = std::array<plat::Integer, 4>;
// Where each option stands among them.
enum OptionLine : std::size_t { SoundLine, StartLevelLine, ControlLine, PictureSetLine };

// The four numbers at the start of a file's text, as they stand, or nothing
// when the text does not begin with four 16-bit whole numbers.
std::optional<OptionValues> parseOptions(const std::string& text);

// The file's text: each value with a blank before and after, one a line.
std::string formatOptions(const OptionValues& values);
