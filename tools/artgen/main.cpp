// corvane-artgen OUTDIR: draws every picture of the game into OUTDIR.
#include "pictures.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: corvane-artgen OUTDIR\n";
        return 2;
    }
    try {
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
