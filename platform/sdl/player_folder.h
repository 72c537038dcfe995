// The player's folder as SDL makes it: $XDG_DATA_HOME/corvane/
// (~/.local/share/corvane/), made when it is missing (platform/game_folders.h).
#pragma once

#include <string>

namespace plat::sdl {

// The folder's path, or "" with SDL's reason in `error`.
std::string makePlayerFolder(std::string& error);

}  // namespace plat::sdl
