// corvane-wavegen OUTDIR: writes the game's wave files into OUTDIR.
#include "sounds.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: corvane-wavegen OUTDIR\n";
        return 2;
    }
    try {
        const std::string dir = argv[1];
        std::filesystem::create_directories(dir);
        for (const wave::SoundFile& f : wave::soundFiles()) wave::writeWav(f.make(), dir + "/" + f.name);
    } catch (const std::exception& e) {
        std::cerr << "corvane-wavegen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
