// Where the board's pictures lie: the grid index of a board position and the
// pixel places, inside the board area, of its cell images, laser pieces and
// the falling block. Rows count from the bottom (1) up, columns from the left.
#pragma once

#include "platform/basic.h"
#include "shared/game_codes.h"

namespace board {

using plat::Integer;

// Each board position has four cell images (2 x 2) and four laser pieces.
constexpr int PiecesPerPosition = 4;

// Elements k + 1 .. k + 4 of the cell and laser arrays belong to (iY, iX):
// 33..36 at (1, 1), 309..312 at (10, 7).
inline Integer firstIndex(Integer iY, Integer iX) {
    return Integer(iY * BoardColumns * PiecesPerPosition + iX * PiecesPerPosition);
}

struct Pixel {
    int x = 0, y = 0;
};

// Upper left corner of the block at (iY, iX): BlockPitch apart, 40 wide.
inline Pixel blockCorner(Integer iY, Integer iX) { return {BlockPitch * (iX - 1) + 2, 382 - BlockPitch * (iY - 1)}; }

// Cell image n (1 upper left, 2 upper right, 3 lower left, 4 lower right).
inline Pixel cellCorner(Integer iY, Integer iX, int n) {
    Pixel p = blockCorner(iY, iX);
    return {p.x + ((n == 2 || n == 4) ? 20 : 0), p.y + (n >= 3 ? 20 : 0)};
}

// Laser piece n: 1 and 2 in the gap below the block, on the lines of its
// left and right vertical pipes; 3 and 4 in the gap right of it, on the
// lines of its upper and lower horizontal pipes.
inline Pixel laserCorner(Integer iY, Integer iX, int n) {
    Pixel p = blockCorner(iY, iX);
    switch (n) {
        case 1: return {p.x + 8, p.y + 40};
        case 2: return {p.x + 28, p.y + 40};
        case 3: return {p.x + 40, p.y + 8};
        default: return {p.x + 40, p.y + 28};
    }
}

// The falling block's place in twips, worked out in 16-bit arithmetic.
inline Integer blockLeftTwips(Integer iX, Integer iTwipsX) { return Integer((BlockPitch * (iX - 1) + 2) * iTwipsX); }
inline Integer blockTopTwips(Integer iY, Integer iTwipsY) {
    return Integer(422 * iTwipsY - BlockPitch * iTwipsY * (iY - 1) - 40 * iTwipsY);
}

}  // namespace board
