// The top-ten file "HI.SCO": ten rows of name, start level, end level and
// score, then a check value. Read once at start-up, written at the exit.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <sstream>

#include "rules/logic.h"

namespace {

const char* const kTopTenFile = "HI.SCO";
const char* const kDefaultName = "Oru";
const char* const kMarkerLine = " 0 \r\n";

// Items are separated by commas or line ends; blanks before an item are
// skipped; a name may stand between double quotes.
class ItemReader {
public:
    explicit ItemReader(std::string text) : text_(std::move(text)) {}

    std::optional<std::string> text() {
        SkipBlanks();
        if (pos_ >= text_.size()) return std::nullopt;
        if (text_[pos_] != '"') return Raw();
        size_t close = text_.find('"', pos_ + 1);
        if (close == std::string::npos) return std::nullopt;
        std::string item = text_.substr(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
        std::string rest = Raw();  // up to the separator
        if (!rest.empty()) return std::nullopt;
        return item;
    }

    template <typename T>
    std::optional<T> number() {
        std::optional<std::string> item = text();
        if (!item || item->empty()) return std::nullopt;
        size_t i = (*item)[0] == '-' ? 1 : 0;
        if (i == item->size() || item->size() > 12) return std::nullopt;
        int64_t value = 0;
        for (; i < item->size(); ++i) {
            char ch = (*item)[i];
            if (ch < '0' || ch > '9') return std::nullopt;
            value = value * 10 + (ch - '0');
        }
        if ((*item)[0] == '-') value = -value;
        if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max()) return std::nullopt;
        return T(value);
    }

private:
    void SkipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || IsLineEnd(text_[pos_]))) ++pos_;
    }
    static bool IsLineEnd(char ch) { return ch == '\r' || ch == '\n'; }

    // An unquoted item: up to a comma or a line end, trailing blanks dropped;
    // the separator itself is taken.
    std::string Raw() {
        size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
        size_t end = pos_;
        while (end > start && (text_[end - 1] == ' ' || text_[end - 1] == '\t')) --end;
        if (pos_ < text_.size()) ++pos_;
        return text_.substr(start, end - start);
    }

    std::string text_;
    size_t pos_ = 0;
};

bool ReadWholeFile(const std::string& path, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Adds to a 32-bit sum; false when the sum leaves the 32-bit range.
bool AddChecked(plat::Long& sum, int64_t value) {
    int64_t total = int64_t(sum) + value;
    if (total < std::numeric_limits<plat::Long>::min() || total > std::numeric_limits<plat::Long>::max()) return false;
    sum = plat::Long(total);
    return true;
}

int FirstCharacterCode(const std::string& name) { return name.empty() ? 0 : static_cast<unsigned char>(name[0]); }

}  // namespace

bool logic::WriteTopTen() {
    std::ostringstream out;
    int64_t check = 0;
    for (int i = 0; i <= 9; ++i) {
        out << '"' << sTopName[i] << "\"," << iTopStartLevel[i] << ',' << iTopEndLevel[i] << ',' << lTopScore[i]
            << "\r\n";
        check += FirstCharacterCode(sTopName[i]) + int64_t(i) * iTopEndLevel[i] + lTopScore[i];
    }
    out << check << "\r\n";
    return WriteWholeFile(kTopTenFile, out.str());
}

void logic::ReadTopTen() {
    std::string content;
    if (!ReadWholeFile(program_.gPath + kTopTenFile, content)) {
        RejectTopTen();
        return;
    }
    ItemReader items(content);
    lHiScore = 0;
    plat::Long check = 0;
    for (int i = 0; i <= 9; ++i) {
        std::optional<std::string> name = items.text();
        std::optional<Integer> start = items.number<Integer>();
        std::optional<Integer> end = name && start ? items.number<Integer>() : std::nullopt;
        std::optional<Long> score = end ? items.number<Long>() : std::nullopt;
        if (!score) {
            RejectTopTen();
            return;
        }
        sTopName[i] = *name;
        iTopStartLevel[i] = *start;
        iTopEndLevel[i] = *end;
        lTopScore[i] = *score;
        if (lTopScore[i] > lHiScore) lHiScore = lTopScore[i];
        int product = i * iTopEndLevel[i];
        bool fits = product >= std::numeric_limits<Integer>::min() && product <= std::numeric_limits<Integer>::max();
        if (!fits || !AddChecked(check, FirstCharacterCode(sTopName[i])) || !AddChecked(check, product) ||
            !AddChecked(check, lTopScore[i])) {
            RejectTopTen();
            return;
        }
    }
    std::optional<Long> stored = items.number<Long>();
    if (!stored || *stored != check) {
        RejectTopTen();
        return;
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
    for (int i = 0; i <= 9; ++i) {
        sTopName[i] = kDefaultName;
        iTopStartLevel[i] = 1;
        iTopEndLevel[i] = 1;
        lTopScore[i] = 100;
    }
}
