// Writing a data file whole or not at all: the new content goes to a file
// beside the old one, which it replaces only once it is complete.
#include <cstdio>
#include <fstream>

#include "rules/logic.h"

bool logic::WriteWholeFile(const std::string& name, const std::string& content) {
    std::string path = program_.gPath + name;
    std::string fresh = path + ".new";
    {
        std::ofstream out(fresh, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(content.data(), std::streamsize(content.size()));
        out.close();
        if (out.fail()) {
            std::remove(fresh.c_str());
            return false;
        }
    }
    if (std::rename(fresh.c_str(), path.c_str()) != 0) {
        std::remove(fresh.c_str());
        return false;
    }
    return true;
}
