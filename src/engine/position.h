// A position as the engine searches it: bitboards of the face-up pieces
// by kind and by side, the face-down cells, the unseen pool, the side to
// move, the quiet-move count and a Zobrist key of all of it. Built from a
// Visible only, so it never knows what lies under a face-down piece.
#ifndef ENGINE_POSITION_H
#define ENGINE_POSITION_H

#include <cstdint>

#include "engine/bitboard.h"
#include "engine/visible.h"
#include "engine/zobrist.h"
#include "rules/rules.h"

const int generalRank = 0;
const int cannonRank = 5;
const int soldierRank = 6;

struct Position {
    Bitboard byKind[kindCount];   // face-up pieces of each kind
    Bitboard bySide[2];           // face-up pieces of each side
    Bitboard hidden;              // face-down cells
    Bitboard occupied;            // every piece, face up or down
    std::int8_t board[boardCells];  // a kind, cellHidden or cellEmpty
    std::int8_t pool[kindCount];    // unseen pieces of each kind
    std::int8_t poolSide[2];        // unseen pieces of each side
    std::int8_t poolTotal;          // the face-down cells' count
    int turn;                     // side to move, or noSide before the first flip
    int quietMoves;
    zobrist::Key key;

    // The position view shows; view must be consistent.
    void set(const Visible &view);

    // Plays a step or a capture of the side to move.
    void play(const Move &move);

    // Turns the face-down piece on cell up as kind, one of the pool's.
    void reveal(int cell, int kind);

    // Whether side has a piece on the board, face up or down.
    bool hasPieces(int side) const { return bySide[side] != 0 || poolSide[side] != 0; }

    // The view this position shows, for the endgame solver and for tests.
    Visible visible() const;
};

#endif
