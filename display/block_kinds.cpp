#include "display/block_kinds.h"

#include <array>
#include <cctype>

#include "shared/game_codes.h"

namespace board {

namespace {

// Pipe states, short for the tables: plain, lit, none.
constexpr Integer P = PlainPipe, L = LitPipe, N = NoPipe;

constexpr std::array<Pipes, 11> kKinds{{
    {P, N, N, P}, {N, P, N, P}, {N, P, P, N}, {P, N, P, N}, {N, N, P, P}, {P, P, N, N},
    {P, P, N, P}, {N, P, P, P}, {P, P, P, N}, {P, N, P, P}, {P, P, P, P},
}};

struct CellRow {
    Integer h, v;
    const char* pipes;
    const char* branches;
};

// Tried in this order; the first row matching both states wins.
constexpr std::array<CellRow, 8> kCells{{
    {P, P, "hv", "HVB"},
    {P, N, "H", "HB"},
    {N, P, "V", "VB"},
    {L, L, "h0v0", "H0V0B"},
    {N, L, "v0", "V0B"},
    {L, N, "H0", "H0B"},
    {P, L, "hv0", "HV0B"},
    {L, P, "h0v", "H0VB"},
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
