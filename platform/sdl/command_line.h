// The corvane program's command line. The game takes no options; the
// program answers --help and --version and refuses anything else, before it
// starts SDL or looks for any folder, so none of these needs a display or
// writes anything.
#pragma once

#include <optional>

namespace plat::sdl {

// The first line of the usage.
extern const char* const kUsageLine;

// What the program does with its arguments: nothing (no arguments: play the
// game), or the status it exits with once it has answered them: 0 after the
// usage (--help) or "corvane VERSION" (--version) on standard output, 2 after
// naming an argument it does not take and the usage's first line on
// standard error (1 when standard output cannot be written).
std::optional<int> answerCommandLine(int argc, const char* const* argv);

}  // namespace plat::sdl
