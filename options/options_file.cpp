// The options file "OPT.TXT": sound, start level, control and picture set,
// one whole number a line.
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "rules/logic.h"

namespace {

const char* const kOptionsFile = "OPT.TXT";

// Reads 16-bit whole numbers: blanks and line ends before a number are
// skipped; a number ends at a blank, a comma or a line end.
class NumberReader {
public:
    explicit NumberReader(std::string text) : text_(std::move(text)) {}

    std::optional<plat::Integer> next() {
        while (pos_ < text_.size() && IsBlankOrLineEnd(text_[pos_])) ++pos_;
        size_t start = pos_;
        while (pos_ < text_.size() && !IsBlankOrLineEnd(text_[pos_]) && text_[pos_] != ',') ++pos_;
        std::string item = text_.substr(start, pos_ - start);
        // Blanks after a number lead to its separator.
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
        if (pos_ < text_.size() && text_[pos_] == ',') ++pos_;
        return Parse(item);
    }

private:
    static bool IsBlankOrLineEnd(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

    static std::optional<plat::Integer> Parse(const std::string& item) {
        size_t i = (!item.empty() && (item[0] == '-' || item[0] == '+')) ? 1 : 0;
        if (i == item.size() || item.size() > 8) return std::nullopt;
        long value = 0;
        for (; i < item.size(); ++i) {
            if (item[i] < '0' || item[i] > '9') return std::nullopt;
            value = value * 10 + (item[i] - '0');
        }
        if (item[0] == '-') value = -value;
        if (value < -32768 || value > 32767) return std::nullopt;
        return plat::Integer(value);
    }

    std::string text_;
    size_t pos_ = 0;
};

}  // namespace

void logic::ReadOptions() {
    iSound = 1;
    iStartLevel = 1;
    iControl = 0;
    iBlockType = 0;
    std::ifstream in(program_.gPath + kOptionsFile, std::ios::binary);
    if (!in) return;
    NumberReader numbers{std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())};
    std::optional<Integer> values[4];
    for (auto& value : values) {
        value = numbers.next();
        if (!value) return;
    }
    iSound = *values[0];
    // A game cannot start outside levels 1 to 10.
    iStartLevel = (*values[1] >= 1 && *values[1] <= 10) ? *values[1] : Integer(1);
    iControl = *values[2];
    iBlockType = *values[3];
}

bool logic::WriteOptions() {
    std::string text;
    for (Integer value : {iSound, iStartLevel, iControl, iBlockType}) text += " " + plat::digits(value) + " \r\n";
    return WriteWholeFile(kOptionsFile, text);
}
