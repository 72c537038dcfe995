// The start-up module's variables, kept for the whole run: the program
// folder, the display's twips per pixel, and the platform the game runs on.
#pragma once

#include <string>

#include "platform/basic.h"
#include "platform/system.h"

class Program {
public:
    Program(plat::System& system, std::string folder, std::string pictureFolder)
        : sys(system), gPath(std::move(folder)), pictures(std::move(pictureFolder)) {}

    plat::System& sys;
    std::string gPath;          // program folder, ending in "/"
    plat::PictureStore pictures;  // the windows' pictures
    plat::Integer iTwipsX = 15;
    plat::Integer iTwipsY = 15;

    // The sound call: plays gPath + file with the given flags.
    void sndPlaySound(const std::string& file, int flags) { sys.playSound(gPath + file, flags); }
};
