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
    iSound = SoundOn;
    iStartLevel = LowestLevel;
    iControl = KeyboardControl;
    iBlockType = PipesSet;
    plat::DataFile file = plat::readDataFile(program_.gPath + kOptionsFile);
    if (file.state != plat::DataFile::State::Read) return;
    std::optional<OptionValues> values = parseOptions(file.text);
    if (!values) return;
    iSound = (*values)[SoundLine];
    // A game cannot start outside the game's levels.
    Integer level = (*values)[StartLevelLine];
    iStartLevel = (level >= LowestLevel && level <= HighestLevel) ? level : LowestLevel;
    iControl = (*values)[ControlLine];
    iBlockType = (*values)[PictureSetLine];
}

// A file the game could not read is not lost when the options are saved: it
// is kept aside as "OPT.TXT.bad" (or the next free name) first.
bool logic::WriteOptions() {
    const std::string path = program_.gPath + kOptionsFile;
    OptionValues values{};
    values[SoundLine] = iSound;
    values[StartLevelLine] = iStartLevel;
    values[ControlLine] = iControl;
    values[PictureSetLine] = iBlockType;
    const std::string text = formatOptions(values);
    if (plat::readDataFile(path).unread()) return plat::replaceKeepingOld(path, text);
    return plat::writeDataFile(path, text);
}
