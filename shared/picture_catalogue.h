// The catalogue of the game's pictures and of the eleven kinds of block. Each
// picture name and each kind's pipes is stated here once: the game loads the
// pictures by these names, the art generator writes them under these names,
// and the build lists its generated files from everyPicture() (printed at
// configure time by tools/artgen/list/main.cpp). A new picture is named here.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "shared/game_codes.h"

namespace catalogue {

// ---- Block kinds ----------------------------------------------------------

// The sides of a block that carry a pipe.
struct KindPipes {
    bool up, down, left, right;
};

// Kinds 1..11, at index kind - 1.
inline constexpr std::array<KindPipes, BlockKinds> kKinds{{
    {true, false, false, true},  // 1
    {false, true, false, true},  // 2
    {false, true, true, false},  // 3
    {true, false, true, false},  // 4
    {false, false, true, true},  // 5
    {true, true, false, false},  // 6
    {true, true, false, true},   // 7
    {false, true, true, true},   // 8
    {true, true, true, false},   // 9
    {true, false, true, true},   // 10
    {true, true, true, true},    // 11
}};

inline const KindPipes& kindPipes(int kind) { return kKinds.at(size_t(kind - 1)); }

// ---- The board's pictures, in the Pipes and the Branches set ----------------

// A cell picture: a quarter of a block, drawn by the states (NoPipe,
// PlainPipe, LitPipe) of its horizontal and its vertical pipe. The empty
// cell comes first: it also shows any states not listed here.
struct CellPicture {
    plat::Integer horizontal, vertical;
    const char* pipes;
    const char* branches;
};

inline constexpr std::array<CellPicture, 9> kCells{{
    {NoPipe, NoPipe, "emp", "empB"},
    {PlainPipe, NoPipe, "H", "HB"},
    {LitPipe, NoPipe, "H0", "H0B"},
    {NoPipe, PlainPipe, "V", "VB"},
    {NoPipe, LitPipe, "v0", "V0B"},
    {PlainPipe, PlainPipe, "hv", "HVB"},
    {PlainPipe, LitPipe, "hv0", "HV0B"},
    {LitPipe, PlainPipe, "h0v", "H0VB"},
    {LitPipe, LitPipe, "h0v0", "H0V0B"},
}};

inline const char* cellName(const CellPicture& cell, bool branches) { return branches ? cell.branches : cell.pipes; }

// Block and laser pictures of the Branches set carry this after the name of
// their Pipes twin ("p7", "p7b").
inline std::string inSet(const std::string& name, bool branches) { return branches ? name + "b" : name; }

// The picture of a whole block of a kind (1..11).
inline std::string blockPicture(int kind, bool branches) { return inSet("p" + std::to_string(kind), branches); }

// The laser pieces set into the gaps between lit bars: under a vertical
// bar ("laserv") and beside a horizontal one ("laserh").
inline std::string laserPicture(bool vertical, bool branches) {
    return inSet(vertical ? "laserv" : "laserh", branches);
}

// The sample of a set in the options dialog.
inline const char* samplePicture(bool branches) { return branches ? "WoodPict" : "IronPict"; }

// The level backgrounds, in level order; levels 6..10 show them again.
inline constexpr auto kBackgrounds = std::to_array<const char*>({"geysir0", "geysir1", "eldfell", "sheep", "waterf"});

// The background of a level 1..10; nullptr for any other level.
inline const char* levelBackground(int level) {
    if (level < LowestLevel || level > HighestLevel) return nullptr;
    return kBackgrounds[size_t(level - 1) % kBackgrounds.size()];
}

// ---- The game window's pictures ----------------------------------------------

// The lit pictures of the six menu buttons, each also the name of the image
// that shows it over the artwork.
inline constexpr const char* StartHighlight = "start0";
inline constexpr const char* OptionsHighlight = "options0";
inline constexpr const char* InfoHighlight = "info0";
inline constexpr const char* ScoresHighlight = "scores0";
inline constexpr const char* ExitHighlight = "exit0";
inline constexpr const char* HelpHighlight = "help0";
inline constexpr auto kMenuHighlights = std::to_array<const char*>(
    {StartHighlight, OptionsHighlight, InfoHighlight, ScoresHighlight, ExitHighlight, HelpHighlight});

// A mouse pointer: its picture and its hot spot, the pixel that points.
struct Pointer {
    const char* picture;
    int hotX, hotY;
};

inline constexpr Pointer WindowPointer{"cursor_window", 6, 7};  // the game window: an arrow up and left
inline constexpr Pointer BoardPointer{"cursor_board", 15, 7};   // the board and the top ten: an arrow down
inline constexpr Pointer HandPointer{"cursor_hand", 6, 0};      // the menu's hot spots: a pointing hand

// The window's artwork, its pause and game-over pictures, the title's
// splash, the three mouse pointers and the icon.
inline constexpr const char* ArtworkPicture = "visual";
inline constexpr const char* PausePicture = "pause";
inline constexpr const char* GameOverPicture = "gameOver";
inline constexpr const char* SplashPicture = "splash";
inline constexpr const char* IconPicture = "icon";
inline constexpr auto kWindowPictures = std::to_array<const char*>(
    {ArtworkPicture, PausePicture, GameOverPicture, SplashPicture, WindowPointer.picture, BoardPointer.picture,
     HandPointer.picture, IconPicture});

// ---- Everything --------------------------------------------------------------

// Every picture the game loads and the art generator writes, without ".bmp".
inline std::vector<std::string> everyPicture() {
    std::vector<std::string> names;
    for (bool branches : {false, true}) {
        for (const CellPicture& cell : kCells) names.push_back(cellName(cell, branches));
        for (int kind = 1; kind <= int(kKinds.size()); ++kind) names.push_back(blockPicture(kind, branches));
        for (bool vertical : {true, false}) names.push_back(laserPicture(vertical, branches));
        names.push_back(samplePicture(branches));
    }
    names.insert(names.end(), kBackgrounds.begin(), kBackgrounds.end());
    names.insert(names.end(), kMenuHighlights.begin(), kMenuHighlights.end());
    names.insert(names.end(), kWindowPictures.begin(), kWindowPictures.end());
    return names;
}

}  // namespace catalogue
