// The options file "OPT.TXT": read once when the game object is built,
// written by the options dialog's Return.
#include <optional>
#include <string>

#include "options/options_format.h"
#include "platform/data_files.h"
#include "rules/logic.h"

namespace {

const char* const kOptionsFile = "OPT.TXT";

}  // namespace

void logic::ReadOptions() {
    iSound = 1;
    iStartLevel = 1;
    iControl = 0;
    iBlockType = 0;
    plat::DataFile file = plat::readDataFile(program_.gPath + kOptionsFile);
    if (file.state != plat::DataFile::State::Read) return;
    std::optional<OptionValues> values = parseOptions(file.text);
    if (!values) return;
    iSound = (*values)[0];
    // A game cannot start outside levels 1 to 10.
    iStartLevel = ((*values)[1] >= 1 && (*values)[1] <= 10) ? (*values)[1] : Integer(1);
    iControl = (*values)[2];
    iBlockType = (*values)[3];
}

// A file the game could not read is not lost when the options are saved: it
// is kept aside as "OPT.TXT.bad" (or the next free name) first.
bool logic::WriteOptions() {
    const std::string path = program_.gPath + kOptionsFile;
    const std::string text = formatOptions({iSound, iStartLevel, iControl, iBlockType});
    if (plat::readDataFile(path).unread()) return plat::replaceKeepingOld(path, text);
    return plat::writeDataFile(path, text);
}
