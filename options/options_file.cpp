// The options file "OPT.TXT": read once when the game object is built,
// written by the options dialog's Return.
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "options/options_format.h"
#include "rules/logic.h"

namespace {

const char* const kOptionsFile = "OPT.TXT";

}  // namespace

void logic::ReadOptions() {
    iSound = 1;
    iStartLevel = 1;
    iControl = 0;
    iBlockType = 0;
    std::ifstream in(program_.gPath + kOptionsFile, std::ios::binary);
    if (!in) return;
    std::optional<OptionValues> values =
        parseOptions(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    if (!values) return;
    iSound = (*values)[0];
    // A game cannot start outside levels 1 to 10.
    iStartLevel = ((*values)[1] >= 1 && (*values)[1] <= 10) ? (*values)[1] : Integer(1);
    iControl = (*values)[2];
    iBlockType = (*values)[3];
}

bool logic::WriteOptions() {
    return WriteWholeFile(kOptionsFile, formatOptions({iSound, iStartLevel, iControl, iBlockType}));
}
