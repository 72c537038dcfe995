// Prints the name of every picture the art generator writes, one a line:
// the build runs it at configure time to list its generated files.
#include <iostream>

#include "shared/picture_catalogue.h"

int main() {
    for (const std::string& name : catalogue::everyPicture()) std::cout << name << '\n';
    return 0;
}
