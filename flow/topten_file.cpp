// The top-ten file "HI.SCO": ten rows of name, start level, end level and
// score, then a check value. Read once at start-up, written at the exit.
#include <optional>

#include "flow/topten_format.h"
#include "platform/data_files.h"
#include "rules/logic.h"

namespace {

const char* const kTopTenFile = "HI.SCO";
const char* const kMarkerLine = " 0 \r\n";

}  // namespace

bool logic::WriteTopTen() {
    TopTenTable table;
    for (int i = 0; i < TopTenRows; ++i) table[i] = {sTopName[i], iTopStartLevel[i], iTopEndLevel[i], lTopScore[i]};
    return plat::writeDataFile(program_.gPath + kTopTenFile, formatTopTen(table));
}

void logic::ReadTopTen() {
    plat::DataFile file = plat::readDataFile(program_.gPath + kTopTenFile);
    std::optional<TopTenTable> table;
    if (file.state == plat::DataFile::State::Read) table = parseTopTen(file.text);
    if (!table) {
        bool heldSomething = !file.text.empty() && file.text != kMarkerLine;
        RejectTopTen(file.unread() || heldSomething);
        return;
    }
    lHiScore = 0;
    for (int i = 0; i < TopTenRows; ++i) {
        const TopTenRow& row = (*table)[i];
        sTopName[i] = row.name;
        iTopStartLevel[i] = row.start;
        iTopEndLevel[i] = row.end;
        lTopScore[i] = row.score;
        if (lTopScore[i] > lHiScore) lHiScore = lTopScore[i];
    }
    visual_->hiscore().setCaption(plat::digits(lHiScore));
}

// The marker line replaces a rejected file. A file that held anything but
// the marker, or could not be read at all, is first kept aside as
// "HI.SCO.bad" (or the next free "HI.SCO.bad2", ...), so that a damaged
// table can still be mended by hand; one that cannot be kept stays as it is.
// Either way the game goes on with the default rows.
void logic::RejectTopTen(bool keepOld) {
    const std::string path = program_.gPath + kTopTenFile;
    if (keepOld)
        plat::replaceKeepingOld(path, kMarkerLine);
    else
        plat::writeDataFile(path, kMarkerLine);
    lHiScore = 0;
    visual_->hiscore().setCaption("0");
    SetDefaultTopTen();
}

void logic::SetDefaultTopTen() {
    const TopTenRow row;
    for (int i = 0; i < TopTenRows; ++i) {
        sTopName[i] = row.name;
        iTopStartLevel[i] = row.start;
        iTopEndLevel[i] = row.end;
        lTopScore[i] = row.score;
    }
}
