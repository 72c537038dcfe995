// Plays scripts through the scenario runner in a fresh program folder and
// hands back what `dump` and `grid` printed.
#pragma once

#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace scenario {

using nlohmann::json;

// A program folder of its own, removed afterwards.
using Folder = support::TempFolder;

// Runs the script; returns one JSON object per dump or grid line.
std::vector<json> play(const std::string& script, const Folder& folder);

// The sound file names of a dump, in order.
std::vector<std::string> soundNames(const json& dump);
int count(const std::vector<std::string>& names, const std::string& name);

// Script text for a start-up that ends with the game window up and the
// game started with "s": splash over at 2000 ms, first tick at 2333 ms.
std::string startGame();
// The values of one new block: pipes up, down, left, right (true = pipe).
std::string block(bool up, bool down, bool left, bool right);

constexpr int kTick = 333;  // the tick at level 1

// One block of a planned game: its pipes, the column the player moves it to
// as soon as it shows, and the row it comes to rest in.
struct Drop {
    bool up, down, left, right;
    int column, row;
};
inline Drop kind6(int column, int row) { return {true, true, false, false, column, row}; }  // upper and lower
inline Drop kind5(int column, int row) { return {false, false, true, true, column, row}; }  // left and right

// Script text (after startGame) that plays the blocks in order, on a board
// where none of them lights anything before the last one lands. Returns the
// tick at which the last block shows; `at` is the tick the script stops at.
std::string dropBlocks(const std::vector<Drop>& drops, int& lastShown, int& at);
// The same from tick `first` on, the script standing at tick `at`.
std::string dropBlocksFrom(int first, const std::vector<Drop>& drops, int& lastShown, int& at);
// Waits from tick `at` to tick `tick` (level 1 pace).
std::string waitTicks(int& at, int tick);

// Three blocks with upper and lower pipes removed together (360 points),
// then a stack in column 4 up to the entry: the script ends at game over,
// with the game's row (row 0 of the default table) pending. `begin` starts
// the game; its first tick comes a tick later.
std::string scoreThenStack(int& at, const std::string& begin = startGame());

// Screen pixels of the game window on the 800 x 600 screen, where the window
// lies at (80, 60).
namespace at {
constexpr const char* kStart = "150 250";       // on the START highlight
constexpr const char* kOptions = "150 305";     // on the OPTIONS highlight
constexpr const char* kInfo = "140 365";        // on the INFO highlight
constexpr const char* kScores = "150 415";      // on the SCORES highlight
constexpr const char* kExit = "150 477";        // on the EXIT highlight
constexpr const char* kExitRim = "98 470";      // the EXIT hot spot outside its highlight
constexpr const char* kHelp = "610 480";        // on the HELP highlight
constexpr const char* kBareWindow = "700 100";  // artwork outside every control
}  // namespace at

}  // namespace scenario
