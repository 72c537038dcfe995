// corvane-script: plays the game on the headless backend from a script.
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "platform/media/media_library.h"
#include "runner.h"
#include "script.h"

namespace {

std::string exeFolder(const char* argv0) {
    std::string self = "/proc/self/exe";
    char buf[4096];
    ssize_t n = readlink(self.c_str(), buf, sizeof buf - 1);
    std::string path = n > 0 ? std::string(buf, size_t(n)) : std::string(argv0);
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

int usage() {
    std::cerr << "usage: corvane-script [--folder DIR] [FILE]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    plat::useMediaLibrary();
    std::string folder = ".", file;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--folder" && i + 1 < argc)
            folder = argv[++i];
        else if (!a.empty() && a[0] == '-' && a != "-")
            return usage();
        else if (file.empty())
            file = a;
        else
            return usage();
    }
    std::ifstream in;
    if (!file.empty() && file != "-") {
        in.open(file);
        if (!in) {
            std::cerr << "cannot read " << file << "\n";
            return 2;
        }
    }
    script::Script s = script::parse(file.empty() || file == "-" ? std::cin : in);
    if (s.error) {
        std::cerr << "line " << s.error->line << ": " << s.error->what << "\n";
        return 2;
    }
    const char* pictures = std::getenv("CORVANE_PICTURES");
    try {
        script::Runner runner(folder, pictures ? pictures : exeFolder(argv[0]) + "/pictures", std::cout);
        runner.run(s.commands);
    } catch (const std::exception& e) {
        std::cerr << "corvane-script: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
