// The game's texts are in the Windows-1252 character set, one byte a
// character; fonts and the keyboard speak UTF-8. These convert between them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace plat {

// The Unicode code point of a Windows-1252 byte (0 for the five unused bytes).
char32_t codePointOf1252(unsigned char c);
// The Windows-1252 byte of a code point, or -1 when the set lacks it.
int byteOf1252(char32_t cp);

// Whole texts. Characters that the target lacks are left out.
std::string utf8From1252(const std::string& text);
std::string utf8To1252(const std::string& utf8);
// The same, all or nothing: nothing when the UTF-8 is malformed or holds a
// character that the set lacks.
std::optional<std::string> utf8To1252Exactly(const std::string& utf8);

}  // namespace plat
