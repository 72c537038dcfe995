#include "options/options_format.h"

namespace {

// Reads 16-bit whole numbers: blanks and line ends before a number are
// skipped; a number ends at a blank, a comma or a line end.
class NumberReader {
public:
    explicit NumberReader(const std::string& text) : text_(text) {}

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
        if (i == item.size()) return std::nullopt;
        long value = 0;
        for (; i < item.size(); ++i) {
            if (item[i] < '0' || item[i] > '9') return std::nullopt;
            value = value * 10 + (item[i] - '0');
            if (value > 32768) return std::nullopt;  // leading zeros may make an item long
        }
        if (item[0] == '-') value = -value;
        if (value < -32768 || value > 32767) return std::nullopt;
        return plat::Integer(value);
    }

    const std::string& text_;
    size_t pos_ = 0;
};

}  // namespace

std::optional<OptionValues> parseOptions(const std::string& text) {
    NumberReader numbers(text);
    OptionValues values;
    for (plat::Integer& value : values) {
        std::optional<plat::Integer> read = numbers.next();
        if (!read) return std::nullopt;
        value = *read;
    }
    return values;
}

std::string formatOptions(const OptionValues& values) {
    std::string text;
    for (plat::Integer value : values) text += " " + plat::digits(value) + " \r\n";
    return text;
}
