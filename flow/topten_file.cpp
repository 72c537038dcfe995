// The top-ten file "HI.SCO": ten rows of name, start level, end level and
// score, then a check value. Read once at start-up, written at the exit.
#include <fstream>
#include <iterator>
#include <optional>

#include "flow/topten_format.h"
#include "rules/logic.h"

namespace {

const char* const kTopTenFile = "HI.SCO";
const char* const kMarkerLine = " 0 \r\n";

bool ReadWholeFile(const std::string& path, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

bool logic::WriteTopTen() {
    TopTenTable table;
    for (int i = 0; i <= 9; ++i) table[i] = {sTopName[i], iTopStartLevel[i], iTopEndLevel[i], lTopScore[i]};
    return WriteWholeFile(kTopTenFile, formatTopTen(table));
}

void logic::ReadTopTen() {
    std::string content;
    std::optional<TopTenTable> table;
    if (ReadWholeFile(program_.gPath + kTopTenFile, content)) table = parseTopTen(content);
    if (!table) {
        RejectTopTen();
        return;
    }
    lHiScore = 0;
    for (int i = 0; i <= 9; ++i) {
        const TopTenRow& row = (*table)[i];
        sTopName[i] = row.name;
        iTopStartLevel[i] = row.start;
        iTopEndLevel[i] = row.end;
        lTopScore[i] = row.score;
        if (lTopScore[i] > lHiScore) lHiScore = lTopScore[i];
    }
    visual_->hiscore().setCaption(plat::digits(lHiScore));
}

// A damaged file is kept aside as "HI.SCO.bad" before the marker line
// replaces it, so that nothing the player had is lost.
void logic::RejectTopTen() {
    std::string damaged;
    bool found = ReadWholeFile(program_.gPath + kTopTenFile, damaged);
    if (found && !damaged.empty() && damaged != kMarkerLine) WriteWholeFile(std::string(kTopTenFile) + ".bad", damaged);
    WriteWholeFile(kTopTenFile, kMarkerLine);
    lHiScore = 0;
    visual_->hiscore().setCaption("0");
    SetDefaultTopTen();
}

void logic::SetDefaultTopTen() {
    const TopTenRow row;
    for (int i = 0; i <= 9; ++i) {
        sTopName[i] = row.name;
        iTopStartLevel[i] = row.start;
        iTopEndLevel[i] = row.end;
        lTopScore[i] = row.score;
    }
}
