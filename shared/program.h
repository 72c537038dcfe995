// The start-up module's variables, kept for the whole run: the program
// folder, the display's twips per pixel, and the platform the game runs on.
#pragma once

#include <string>

#include "platform/basic.h"
#include "platform/system.h"
#include "shared/game_codes.h"
#include "shared/picture_catalogue.h"
#include "shared/sound_catalogue.h"

class Program {
public:
    Program(plat::System& system, std::string folder, std::string pictureFolder)
        : sys(system), gPath(std::move(folder)), pictures(std::move(pictureFolder)) {}

    plat::System& sys;
    std::string gPath;            // program folder, ending in "/"
    plat::PictureStore pictures;  // the windows' pictures
    plat::Integer iTwipsX = DesignTwipsPerPixel;
    plat::Integer iTwipsY = DesignTwipsPerPixel;

    // The sound call: plays the sound's wave file with the given flags; the
    // backend finds the file where its installation keeps the wave files.
    void sndPlaySound(catalogue::Sound sound, int flags) { sys.playSound(sound.file, flags); }

    // A mouse pointer of the catalogue, with its hot spot.
    plat::CursorRef cursor(const catalogue::Pointer& pointer) {
        return pictures.cursor(pointer.picture, pointer.hotX, pointer.hotY);
    }
};
