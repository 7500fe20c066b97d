// Move generation on the bitboard position. The moves are exactly the
// rules module's legalMoves, in another order: captures, then steps, then
// flips.
//
// To list the moves of a Visible (as the move-generation benchmark does):
//     Position pos;
//     pos.set(view);
//     Move moves[maxMoves];
//     int count = generateMoves(pos, moves);
#ifndef ENGINE_MOVEGEN_H
#define ENGINE_MOVEGEN_H

#include "engine/bitboard.h"
#include "engine/position.h"
#include "rules/rules.h"

// Every legal move of the side to move into moves (room for maxMoves);
// returns how many.
int generateMoves(const Position &pos, Move *moves);

// The captures alone.
int generateCaptures(const Position &pos, Move *moves);

// Whether the side to move has a legal move, without listing them.
bool hasMoves(const Position &pos);

// The face-up pieces of side's enemy that a piece of rank (not the
// cannon) may take by stepping next to them, for each rank.
void stepTargets(const Position &pos, int side, Bitboard targets[rankCount]);

// The face-up enemy pieces the cannon of side on cell may take.
inline Bitboard cannonTargets(const Position &pos, int side, int cell) {
    return cannonJumps(cell, pos.occupied) & pos.bySide[1 - side];
}

#endif
