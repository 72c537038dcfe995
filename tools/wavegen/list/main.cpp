// Prints the name of every wave file the wave generator writes, one a line:
// the build runs it at configure time to list its generated files.
#include <iostream>

#include "shared/sound_catalogue.h"

int main() {
    for (const std::string& file : catalogue::everySound()) std::cout << file << '\n';
    return 0;
}
