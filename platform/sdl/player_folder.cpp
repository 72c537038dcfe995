#include "player_folder.h"

#include <SDL.h>

namespace plat::sdl {

std::string makePlayerFolder(std::string& error) {
    char* made = SDL_GetPrefPath(nullptr, "corvane");
    if (!made) {
        error = SDL_GetError();
        return "";
    }
    std::string dir = made;
    SDL_free(made);
    return dir;
}

}  // namespace plat::sdl
