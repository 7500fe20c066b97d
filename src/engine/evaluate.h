// The static value of a position for the side to move.
#ifndef ENGINE_EVALUATE_H
#define ENGINE_EVALUATE_H

#include "engine/position.h"

// Whether a piece of rank attacker may take one of rank target: by rank
// for every piece, any rank for the cannon (by its jump).
bool mayTake(int attacker, int target);

// The worth of each kind with the pieces left: what it may still take
// among the enemy's pieces alive (face up or unseen), and how many of them
// may take it.
void pieceValues(const Position &pos, int values[kindCount]);

// side's pieces' worth, face up or unseen, less its enemy's.
int materialBalance(const Position &pos, int side);

// No evaluation reaches this far, so the search may bound what an unproven
// line is worth.
const int evalLimit = 5000;

// The position's value for the side to move, within +-evalLimit. Zero
// before the first flip.
int evaluate(const Position &pos);

#endif
