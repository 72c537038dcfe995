// The numbers the game passes around and compares, by name: the game states,
// the states of one pipe, and the flags of the sound call and of the quit
// question. The values are the game's own and never change.
#pragma once

#include "platform/basic.h"

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

// Sound call flags: play once without waiting and stay silent when the file
// is missing (3), or the same looping until the next sound (11).
constexpr int SoundOnce = plat::SoundAsync | plat::SoundNoDefault;
constexpr int SoundLooping = SoundOnce | plat::SoundLoop;
static_assert(SoundOnce == 3 && SoundLooping == 11);

// Message box flags of the quit question: Yes and No, the critical-stop
// icon, No as the default button (276).
constexpr int YesNoCriticalDefaultNo = plat::MbYesNo | plat::MbCritical | plat::MbDefaultButton2;
static_assert(YesNoCriticalDefaultNo == 276);
