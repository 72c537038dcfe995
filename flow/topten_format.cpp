#include "flow/topten_format.h"

#include <cstdint>
#include <limits>
#include <sstream>

namespace {

// Items are separated by commas or line ends; blanks before an item are
// skipped; a name may stand between double quotes.
class ItemReader {
public:
    explicit ItemReader(const std::string& text) : text_(text) {}

    std::optional<std::string> text() {
        SkipBlanks();
        if (pos_ >= text_.size()) return std::nullopt;
        if (text_[pos_] != '"') return Unquoted();
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
        if (i == item->size()) return std::nullopt;
        int64_t value = 0;
        for (; i < item->size(); ++i) {
            char ch = (*item)[i];
            if (ch < '0' || ch > '9') return std::nullopt;
            value = value * 10 + (ch - '0');
            // Past any 32-bit value: leading zeros may make a number long.
            if (value > int64_t(std::numeric_limits<plat::Long>::max()) + 1) return std::nullopt;
        }
        if ((*item)[0] == '-') value = -value;
        if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max()) return std::nullopt;
        return T(value);
    }

private:
    // A double quote inside an unquoted item could not be written back
    // between quotes, so such an item is refused.
    std::optional<std::string> Unquoted() {
        std::string item = Raw();
        if (item.find('"') != std::string::npos) return std::nullopt;
        return item;
    }

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

    const std::string& text_;
    size_t pos_ = 0;
};

std::optional<TopTenRow> ReadRow(ItemReader& items) {
    std::optional<std::string> name = items.text();
    std::optional<plat::Integer> start = name ? items.number<plat::Integer>() : std::nullopt;
    std::optional<plat::Integer> end = start ? items.number<plat::Integer>() : std::nullopt;
    std::optional<plat::Long> score = end ? items.number<plat::Long>() : std::nullopt;
    if (!score) return std::nullopt;
    return TopTenRow{*name, *start, *end, *score};
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

std::optional<plat::Long> topTenCheckValue(const TopTenTable& table) {
    plat::Long check = 0;
    for (int i = 0; i < TopTenRows; ++i) {
        const TopTenRow& row = table[i];
        int product = i * row.end;
        bool fits = product >= std::numeric_limits<plat::Integer>::min() &&
                    product <= std::numeric_limits<plat::Integer>::max();
        if (!fits || !AddChecked(check, FirstCharacterCode(row.name)) || !AddChecked(check, product) ||
            !AddChecked(check, row.score))
            return std::nullopt;
    }
    return check;
}

int enterTopTenRow(TopTenTable& table, const TopTenRow& row) {
    int i = 0;
    while (i < TopTenRows && !(row.score > table[i].score)) ++i;
    if (i == TopTenRows) return i;
    for (int j = TopTenRows - 1; j > i; --j) table[j] = table[j - 1];
    table[i] = row;
    return i;
}

std::optional<TopTenTable> parseTopTen(const std::string& text) {
    ItemReader items(text);
    TopTenTable table;
    for (TopTenRow& row : table) {
        std::optional<TopTenRow> read = ReadRow(items);
        if (!read) return std::nullopt;
        row = *read;
    }
    std::optional<plat::Long> check = topTenCheckValue(table);
    std::optional<plat::Long> stored = items.number<plat::Long>();
    if (!check || !stored || *stored != *check) return std::nullopt;
    return table;
}

// A table the reader would refuse (no game makes one) is written with its
// sum in full, which the reader refuses again.
std::string formatTopTen(const TopTenTable& table) {
    std::ostringstream out;
    int64_t check = 0;
    for (int i = 0; i < TopTenRows; ++i) {
        const TopTenRow& row = table[i];
        out << '"' << row.name << "\"," << row.start << ',' << row.end << ',' << row.score << "\r\n";
        check += FirstCharacterCode(row.name) + int64_t(i) * row.end + row.score;
    }
    out << check << "\r\n";
    return out.str();
}
