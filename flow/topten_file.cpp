// The top-ten file "HI.SCO": ten rows of name, start level, end level and
// score, then a check value. Read once at start-up, written at the exit.
#include <chrono>
#include <optional>

#include "flow/topten_format.h"
#include "platform/data_files.h"
#include "rules/logic.h"

namespace {

const char* const kTopTenFile = "HI.SCO";
const char* const kMarkerLine = " 0 \r\n";
// How long the exit waits for another copy of the game that is writing the file.
constexpr std::chrono::seconds kOtherCopyWait{10};

// A file that held anything but the marker, or could not be read at all,
// is kept aside before it is replaced.
bool WorthKeeping(const plat::DataFile& file) {
    return file.unread() || (!file.text.empty() && file.text != kMarkerLine);
}

bool SameFile(const plat::DataFile& a, const plat::DataFile& b) { return a.state == b.state && a.text == b.text; }

}  // namespace

TopTenRow logic::TopTenRowAt(int i) const { return {sTopName[i], iTopStartLevel[i], iTopEndLevel[i], lTopScore[i]}; }

void logic::SetTopTenRow(int i, const TopTenRow& row) {
    sTopName[i] = row.name;
    iTopStartLevel[i] = row.start;
    iTopEndLevel[i] = row.end;
    lTopScore[i] = row.score;
}

// The table as it stands; but when another copy of the game has written the
// file since this run read it, that copy's table with this run's own rows
// entered into it. The lock keeps a third copy from writing in between.
bool logic::WriteTopTen() {
    const std::string path = program_.gPath + kTopTenFile;
    plat::DataFileLock lock(path, kOtherCopyWait);
    TopTenTable table;
    for (int i = 0; i < TopTenRows; ++i) table[i] = TopTenRowAt(i);
    if (lock.held()) {
        plat::DataFile file = plat::readDataFile(path);
        if (!SameFile(file, oTopTenSeen)) {
            std::optional<TopTenTable> theirs;
            if (file.state == plat::DataFile::State::Read) theirs = parseTopTen(file.text);
            if (!theirs && WorthKeeping(file)) return plat::replaceKeepingOld(path, formatTopTen(table));
            if (theirs) {
                for (int i = 0; i < TopTenRows; ++i)
                    if (bTopOwnRow[i]) enterTopTenRow(*theirs, table[i]);
                table = *theirs;
            }
        }
    }
    return plat::writeDataFile(path, formatTopTen(table));
}

void logic::ReadTopTen() {
    plat::DataFile file = plat::readDataFile(program_.gPath + kTopTenFile);
    std::optional<TopTenTable> table;
    if (file.state == plat::DataFile::State::Read) table = parseTopTen(file.text);
    if (!table) {
        RejectTopTen(file);
        return;
    }
    oTopTenSeen = file;
    lHiScore = 0;
    for (int i = 0; i < TopTenRows; ++i) {
        SetTopTenRow(i, (*table)[i]);
        if (lTopScore[i] > lHiScore) lHiScore = lTopScore[i];
    }
    visual_->hiscore().setCaption(plat::digits(lHiScore));
}

// The marker line replaces a rejected file. A file that held anything but
// the marker, or could not be read at all, is first kept aside as
// "HI.SCO.bad" (or the next free "HI.SCO.bad2", ...), so that a damaged
// table can still be mended by hand; one that cannot be kept stays as it is.
// Either way the game goes on with the default rows.
void logic::RejectTopTen(const plat::DataFile& file) {
    const std::string path = program_.gPath + kTopTenFile;
    bool written = WorthKeeping(file) ? plat::replaceKeepingOld(path, kMarkerLine)
                                      : plat::writeDataFile(path, kMarkerLine);
    oTopTenSeen = written ? plat::DataFile{plat::DataFile::State::Read, kMarkerLine} : file;
    lHiScore = 0;
    visual_->hiscore().setCaption("0");
    SetDefaultTopTen();
}

void logic::SetDefaultTopTen() {
    for (int i = 0; i < TopTenRows; ++i) SetTopTenRow(i, TopTenRow());
}
