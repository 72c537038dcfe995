// The eleven kinds of block as pipe states, and the cell pictures that draw
// pipe states (both named in shared/picture_catalogue.h).
#pragma once

#include <string>

#include "platform/basic.h"

namespace board {

using plat::Integer;

struct Pipes {
    Integer up, down, left, right;
};

// Pipe states of kind 1..11 (PlainPipe or NoPipe).
Pipes kindPipes(int kind);

// The kind whose states equal these exactly, 0 when none does.
int kindOf(Integer iUp, Integer iDown, Integer iLeft, Integer iRight);

// Cell picture for the states of the cell's horizontal and vertical pipe;
// anything that is not a pair of 1..3 with a pipe in it shows the empty cell.
std::string cellPicture(Integer horizontal, Integer vertical, bool branches);

// States of the cell n (1..4) of a block: its half's horizontal pipe and its
// side's vertical pipe.
inline Integer cellHorizontal(const Pipes& p, int n) { return n <= 2 ? p.up : p.down; }
inline Integer cellVertical(const Pipes& p, int n) { return (n == 1 || n == 3) ? p.left : p.right; }

// A tag text read as a number, as the picture set and kind are kept there:
// leading digits with an optional sign, 0 when there are none.
int tagNumber(const std::string& text);

}  // namespace board
