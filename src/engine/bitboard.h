// The 4 x 8 board as one 32-bit word: bit n is cell n (row * 8 + col),
// so a row is one byte. Neighbour and cannon-jump tables are built at
// compile time.
#ifndef ENGINE_BITBOARD_H
#define ENGINE_BITBOARD_H

#include <cstdint>

#include "rules/rules.h"

using Bitboard = std::uint32_t;

static_assert(boardCells == 32 && boardCols == 8, "one 32-bit word, a byte per row");

constexpr Bitboard bitOf(int cell) { return Bitboard(1) << cell; }
inline int popCount(Bitboard b) { return __builtin_popcount(b); }
inline int lowestCell(Bitboard b) { return __builtin_ctz(b); }

// The lowest set cell, cleared from b. b must not be empty.
inline int popLowest(Bitboard &b) {
    int cell = __builtin_ctz(b);
    b &= b - 1;
    return cell;
}

namespace bitboard_detail {

// On a line of length cells, where a cannon at position at lands along
// occupancy occ: in each direction the first piece after one screen.
constexpr unsigned lineJumps(int at, unsigned occ, int length) {
    unsigned found = 0;
    for (int dir = -1; dir <= 1; dir += 2) {
        int screens = 0;
        for (int p = at + dir; p >= 0 && p < length; p += dir) {
            if (!(occ & (1u << p)))
                continue;
            if (screens++ == 1) {
                found |= 1u << p;
                break;
            }
        }
    }
    return found;
}

struct Tables {
    Bitboard neighbours[boardCells] = {};
    // Landing columns within a row, by column and the row's occupancy.
    std::uint8_t rowJumps[boardCols][256] = {};
    // Landing cells within a column, by cell and the column's occupancy
    // (bit r for row r).
    Bitboard columnJumps[boardCells][1 << boardRows] = {};

    constexpr Tables() {
        for (int cell = 0; cell < boardCells; cell++) {
            int row = cell / boardCols, col = cell % boardCols;
            Bitboard b = 0;
            if (row > 0) b |= bitOf(cell - boardCols);
            if (row < boardRows - 1) b |= bitOf(cell + boardCols);
            if (col > 0) b |= bitOf(cell - 1);
            if (col < boardCols - 1) b |= bitOf(cell + 1);
            neighbours[cell] = b;
        }
        for (int col = 0; col < boardCols; col++)
            for (unsigned occ = 0; occ < 256; occ++)
                rowJumps[col][occ] = std::uint8_t(lineJumps(col, occ, boardCols));
        for (int cell = 0; cell < boardCells; cell++) {
            int row = cell / boardCols, col = cell % boardCols;
            for (unsigned occ = 0; occ < (1u << boardRows); occ++) {
                unsigned rows = lineJumps(row, occ, boardRows);
                Bitboard b = 0;
                for (int r = 0; r < boardRows; r++)
                    if (rows & (1u << r))
                        b |= bitOf(r * boardCols + col);
                columnJumps[cell][occ] = b;
            }
        }
    }
};

inline constexpr Tables tables{};

// Gathers bits col, col+8, col+16, col+24 of b into bits 0-3.
constexpr unsigned columnBits(Bitboard b, int col) {
    return ((((b >> col) & 0x01010101u) * 0x01020408u) >> 24) & 0xF;
}

}  // namespace bitboard_detail

// The cells one step up, down, left or right of cell.
inline Bitboard neighbours(int cell) { return bitboard_detail::tables.neighbours[cell]; }

// The cells a cannon on cell may land on by jumping: in each direction the
// first piece after exactly one screen, whatever either piece is.
inline Bitboard cannonJumps(int cell, Bitboard occupied) {
    using namespace bitboard_detail;
    int row = cell / boardCols, col = cell % boardCols;
    int shift = row * boardCols;
    Bitboard inRow = Bitboard(tables.rowJumps[col][(occupied >> shift) & 0xFF]) << shift;
    return inRow | tables.columnJumps[cell][columnBits(occupied, col)];
}

#endif
