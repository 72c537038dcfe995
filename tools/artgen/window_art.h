// The pictures of the game window: the 640 x 480 artwork with its menu, the
// lit menu highlights, the pause and game-over pictures, the splash, the
// cursors and the icon. Each painter returns a canvas; writeWindowArt (in
// pictures.h) writes them all.
#pragma once

#include "canvas.h"

#include <array>
#include <string>

namespace art {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    int right() const { return x + w; }
    int bottom() const { return y + h; }
};

// The six menu buttons of the window.
enum class MenuItem { Start, Options, Info, Scores, Exit, Help };
constexpr std::array<MenuItem, 6> kMenuItems = {MenuItem::Start,  MenuItem::Options, MenuItem::Info,
                                                MenuItem::Scores, MenuItem::Exit,    MenuItem::Help};

struct MenuButtonInfo {
    const char* word;       // e.g. "START"
    int keyLetter;          // index into word of the letter of its key
    const char* highlight;  // file name of the lit picture, e.g. "start0"
    Rect hotSpot;           // where the pointer lights it
    Rect lit;               // where the lit picture is shown
    Rgb ball, litBall;      // ball colour in the artwork and when lit
};
const MenuButtonInfo& menuButton(MenuItem item);
// The area inside both the hot spot and the lit picture, where the ball and
// the word are drawn.
Rect menuButtonArea(MenuItem item);

constexpr int kWindowWidth = 640, kWindowHeight = 480;
constexpr Rect kBoardArea{165, 26, 297, 424};
// The three score labels: score, level and best score.
constexpr std::array<Rect, 3> kScoreLabels = {Rect{499, 104, 107, 41}, Rect{499, 200, 107, 41},
                                              Rect{499, 287, 107, 41}};

constexpr Rgb kWordWhite{255, 255, 255};
constexpr Rgb kLitWord{255, 255, 204};
constexpr Rgb kLitKey{255, 255, 102};

// The window's dark green ground, the same wherever it shows.
Rgb fieldColour(int x, int y);
// One menu button (ball and word) drawn at its place on a window-sized canvas.
void drawMenuButton(Canvas& window, MenuItem item, bool lit);

Canvas windowArtwork();
Canvas menuHighlight(MenuItem item);
Canvas pausePicture();
Canvas gameOverPicture();
Canvas splashPicture();

constexpr Rgb kCursorTransparent{255, 0, 255};
// The pointers, each drawn round its hot spot in the catalogue.
Canvas windowCursor();  // grey arrow up-left
Canvas boardCursor();   // grey arrow down
Canvas handCursor();    // white hand, the index finger's tip at the hot spot
Canvas iconPicture();   // the window icon, 32 x 32
// The same icon painted size x size pixels: its parts keep their places and
// proportions, and at 32 it is the window icon. For the desktop's 48 x 48,
// which no whole multiple of 32 gives.
Canvas iconPicture(int size);

}  // namespace art
