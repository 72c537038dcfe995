// Basic types shared by the game and the platform layer: the 16- and 32-bit
// integers the game's arithmetic relies on, truth values, colours, rounding.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

namespace plat {

using Integer = int16_t;  // the game's 16-bit whole numbers
using Long = int32_t;     // the game's 32-bit whole numbers

// Truth values as the game stores them.
constexpr Integer True = -1;
constexpr Integer False = 0;

struct Color {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

// Nearest whole number, a half going to the even neighbour.
inline double roundHalfEven(double v) { return std::nearbyint(v); }

// The screen pixel a place in twips falls on: the nearest, a half going up.
// Windows and controls stand on the pixels this gives.
inline int pixelOf(double twips, int twipsPerPixel) { return int(std::floor(twips / twipsPerPixel + 0.5)); }

// Decimal digits of a number: a minus sign when negative, no blank.
inline std::string digits(long long v) { return std::to_string(v); }

// Mouse buttons as the handlers receive them.
constexpr int LeftButton = 1;
constexpr int RightButton = 2;

// Mouse pointer codes.
constexpr int PointerDefault = 0;
constexpr int PointerHourglass = 11;
constexpr int PointerCustom = 99;

// Sound call flags.
constexpr int SoundAsync = 1;
constexpr int SoundNoDefault = 2;
constexpr int SoundLoop = 8;

// Message box flags and answers.
constexpr int MbOk = 0;
constexpr int MbYesNo = 4;
constexpr int MbCritical = 16;
constexpr int MbDefaultButton2 = 256;
constexpr int AnswerOk = 1;
constexpr int AnswerYes = 6;
constexpr int AnswerNo = 7;

}  // namespace plat
