#include "display/block_kinds.h"

#include <array>
#include <cctype>

namespace board {

namespace {

constexpr std::array<Pipes, 11> kKinds{{
    {3, 1, 1, 3}, {1, 3, 1, 3}, {1, 3, 3, 1}, {3, 1, 3, 1}, {1, 1, 3, 3}, {3, 3, 1, 1},
    {3, 3, 1, 3}, {1, 3, 3, 3}, {3, 3, 3, 1}, {3, 1, 3, 3}, {3, 3, 3, 3},
}};

struct CellRow {
    Integer h, v;
    const char* pipes;
    const char* branches;
};

// Tried in this order; the first row matching both states wins.
constexpr std::array<CellRow, 8> kCells{{
    {3, 3, "hv", "HVB"},
    {3, 1, "H", "HB"},
    {1, 3, "V", "VB"},
    {2, 2, "h0v0", "H0V0B"},
    {1, 2, "v0", "V0B"},
    {2, 1, "H0", "H0B"},
    {3, 2, "hv0", "HV0B"},
    {2, 3, "h0v", "H0VB"},
}};

}  // namespace

Pipes kindPipes(int kind) { return kKinds.at(size_t(kind - 1)); }

int kindOf(Integer iUp, Integer iDown, Integer iLeft, Integer iRight) {
    for (size_t i = 0; i < kKinds.size(); ++i) {
        const Pipes& k = kKinds[i];
        if (iUp == k.up && iDown == k.down && iLeft == k.left && iRight == k.right) return int(i) + 1;
    }
    return 0;
}

std::string blockPicture(int kind, bool branches) {
    return "p" + std::to_string(kind) + (branches ? "b" : "");
}

std::string cellPicture(Integer horizontal, Integer vertical, bool branches) {
    for (const CellRow& row : kCells)
        if (row.h == horizontal && row.v == vertical) return branches ? row.branches : row.pipes;
    return branches ? "empB" : "emp";
}

int tagNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && value < 1000000; ++i)
        value = value * 10 + (text[i] - '0');
    return int(negative ? -value : value);
}

}  // namespace board
