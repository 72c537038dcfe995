#include "command_line.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#ifndef CORVANE_VERSION
#define CORVANE_VERSION "unknown"
#endif

namespace plat::sdl {

const char* const kUsageLine = "Usage: corvane [--help | --version]";

namespace {

constexpr const char* kUsageRest =
    "Corvane, a falling-block puzzle: line up three pipes in a row or a column\n"
    "and they burn away as lasers.\n"
    "\n"
    "The game itself takes no options: it opens over the whole display.\n"
    "  --help      print this text and exit\n"
    "  --version   print the game's version and exit\n"
    "\n"
    "Environment:\n"
    "  CORVANE_WINDOW  WxH, e.g. 800x600: play in an ordinary window of that\n"
    "                  many pixels instead (640x480 up to the display's size)\n"
    "  XDG_DATA_HOME   the folder below which the player's corvane/ folder lies\n"
    "                  (~/.local/share when unset, empty or relative)\n"
    "\n"
    "Files: installed, the game reads its pictures and sounds from the\n"
    "share/corvane/ of the prefix it is installed in (../share/corvane/ from\n"
    "the program's folder) and keeps its options (OPT.TXT) and top ten\n"
    "(HI.SCO) in $XDG_DATA_HOME/corvane/; run from its build folder, it keeps\n"
    "everything beside the program.\n"
    "\n"
    "See corvane(6).\n";

// Prints text on standard output; the exit status: 1 when it cannot be written.
int answer(const char* text) {
    std::fputs(text, stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
    std::fprintf(stderr, "corvane: cannot write to standard output: %s\n", std::strerror(errno));
    return 1;
}

}  // namespace

std::optional<int> answerCommandLine(int argc, const char* const* argv) {
    if (argc < 2) return std::nullopt;
    const std::string_view first = argv[1];
    if (argc == 2 && first == "--help") return answer((std::string(kUsageLine) + "\n" + kUsageRest).c_str());
    if (argc == 2 && first == "--version") return answer("corvane " CORVANE_VERSION "\n");
    // One answer at a time: after --help or --version the next argument is the one refused.
    const char* refused = argc > 2 && (first == "--help" || first == "--version") ? argv[2] : argv[1];
    std::fprintf(stderr, "corvane: unknown argument \"%s\"\n%s\n", refused, kUsageLine);
    return 2;
}

}  // namespace plat::sdl
