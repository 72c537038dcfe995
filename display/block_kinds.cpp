#include "display/block_kinds.h"

#include <cctype>

#include "shared/picture_catalogue.h"

namespace board {

Pipes kindPipes(int kind) {
    const catalogue::KindPipes& k = catalogue::kindPipes(kind);
    auto state = [](bool pipe) -> Integer { return pipe ? PlainPipe : NoPipe; };
    return {state(k.up), state(k.down), state(k.left), state(k.right)};
}

int kindOf(Integer iUp, Integer iDown, Integer iLeft, Integer iRight) {
    for (int kind = 1; kind <= int(catalogue::kKinds.size()); ++kind) {
        Pipes k = kindPipes(kind);
        if (iUp == k.up && iDown == k.down && iLeft == k.left && iRight == k.right) return kind;
    }
    return 0;
}

std::string cellPicture(Integer horizontal, Integer vertical, bool branches) {
    for (const catalogue::CellPicture& cell : catalogue::kCells)
        if (cell.horizontal == horizontal && cell.vertical == vertical) return catalogue::cellName(cell, branches);
    return catalogue::cellName(catalogue::kCells.front(), branches);  // the empty cell
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
