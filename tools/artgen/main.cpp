// corvane-artgen OUTDIR: draws every picture of the game into OUTDIR.
// corvane-artgen --icon SIZE OUT.bmp: draws only the icon, SIZE x SIZE
// pixels, into OUT.bmp (the desktop's icon sizes that are no whole multiple
// of the game's 32 x 32).
#include "pictures.h"
#include "window_art.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    const bool icon = argc == 4 && std::string(argv[1]) == "--icon";
    if (argc != 2 && !icon) {
        std::cerr << "usage: corvane-artgen OUTDIR\n       corvane-artgen --icon SIZE OUT.bmp\n";
        return 2;
    }
    try {
        if (icon) {
            art::writeBmp8(art::iconPicture(std::stoi(argv[2])), argv[3]);
            return 0;
        }
        const std::string dir = argv[1];
        std::filesystem::create_directories(dir);
        art::writeBoardPictures(dir);
        art::writeWindowArt(dir);
    } catch (const std::exception& e) {
        std::cerr << "corvane-artgen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
