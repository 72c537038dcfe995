// The numbers the game passes around, compares and counts, by name: the
// board's size, pitch and block kinds, the entry of a new block, the levels,
// the first tick's interval, the display's twips per pixel, the top-ten rows,
// the game states, the states of one pipe, the laser pieces, the option
// codes, the pause flag, and the flags of the sound call and of the quit
// question. The values are the game's own and never change.
#pragma once

#include <cstddef>

#include "platform/basic.h"

// The board: rows 1 (bottom) to 10 (top), columns 1 (left) to 7. Its tables
// are sized one more each way; row 0 and column 0 are never used.
constexpr plat::Integer BoardRows = 10;
constexpr plat::Integer BoardColumns = 7;

// Board positions lie this many pixels apart, each way.
constexpr plat::Integer BlockPitch = 42;

// The kinds of block, 1 to 11 (shared/picture_catalogue.h gives their pipes).
constexpr int BlockKinds = 11;

// A new block enters at the top of the fourth column.
constexpr plat::Integer EntryRow = BoardRows;
constexpr plat::Integer EntryColumn = 4;

// Levels, for a game and for the start level; every BlocksPerLevel blocks
// removed raise the level by one.
constexpr plat::Integer LowestLevel = 1;
constexpr plat::Integer HighestLevel = 10;
constexpr plat::Integer BlocksPerLevel = 30;

// The top-ten table's rows, 0 (best) to 9, and the characters of a name
// typed into a new row.
constexpr int TopTenRows = 10;
constexpr std::size_t NameLength = 3;

// The falling block's tick at the first level, in milliseconds; each level
// above makes it faster.
constexpr int FirstLevelInterval = 333;

// The display the game's design is made for: 15 twips a pixel each way
// (small fonts).
constexpr plat::Integer DesignTwipsPerPixel = 15;

// Game state (iState).
constexpr plat::Integer NewBlockDue = 1;
constexpr plat::Integer BlockFalling = 2;
constexpr plat::Integer SearchingRuns = 3;   // look for laser runs to light
constexpr plat::Integer BurningPipes = 4;    // burn the lit pipes
constexpr plat::Integer RemovingBlocks = 5;  // remove blocks without pipes, close the columns
constexpr plat::Integer NoGame = 6;
constexpr plat::Integer NamePending = 7;  // a top-ten name is being typed

// State of one pipe of a board position or of the falling block.
constexpr plat::Integer NoBlock = 0;  // the position is empty
constexpr plat::Integer NoPipe = 1;   // no pipe there, or burnt away
constexpr plat::Integer LitPipe = 2;
constexpr plat::Integer PlainPipe = 3;

// Laser piece (iNr): which pipe of a position a laser lights.
constexpr plat::Integer LaserLeft = 1;   // left vertical pipe
constexpr plat::Integer LaserRight = 2;  // right vertical pipe
constexpr plat::Integer LaserUp = 3;     // upper horizontal pipe
constexpr plat::Integer LaserDown = 4;   // lower horizontal pipe

// Option codes: the sound switch (iSound), the control mode (iControl) and
// the picture set of the blocks (iBlockType).
constexpr plat::Integer SoundOff = 0;
constexpr plat::Integer SoundOn = 1;
constexpr plat::Integer KeyboardControl = 0;
constexpr plat::Integer MouseControl = 1;
constexpr plat::Integer PipesSet = 0;
constexpr plat::Integer BranchesSet = 1;

// The pause flag (iPaused): True while the game is paused.
constexpr plat::Integer PauseOn = plat::True;
constexpr plat::Integer PauseOff = plat::False;

// Sound call flags: play once without waiting and stay silent when the file
// is missing (3), or the same looping until the next sound (11).
constexpr int SoundOnce = plat::SoundAsync | plat::SoundNoDefault;
constexpr int SoundLooping = SoundOnce | plat::SoundLoop;
static_assert(SoundOnce == 3 && SoundLooping == 11);

// Message box flags of the quit question: Yes and No, the critical-stop
// icon, No as the default button (276).
constexpr int YesNoCriticalDefaultNo = plat::MbYesNo | plat::MbCritical | plat::MbDefaultButton2;
static_assert(YesNoCriticalDefaultNo == 276);
