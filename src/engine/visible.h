// What the side to move can see of a game, and nothing more: the engine's
// only input. The identities of face-down pieces are not here; what may
// lie under them is the unseen pool, derived from what is visible.
#ifndef ENGINE_VISIBLE_H
#define ENGINE_VISIBLE_H

#include "rules/rules.h"

// A kind of piece as a player sees it: side * 7 + rank, 0-13. Pieces of
// one kind cannot be told apart.
const int rankCount = 7;
const int kindCount = 2 * rankCount;

inline int kindOf(int side, int rank) { return side * rankCount + rank; }
inline int kindSide(int kind) { return kind / rankCount; }
inline int kindRank(int kind) { return kind % rankCount; }

// How many pieces of each rank one side's set holds.
int setCount(int rank);

// What a cell shows: a kind of face-up piece, or one of these.
const int cellEmpty = -1;
const int cellHidden = -2;

struct Visible {
    int cell[boardCells];      // a kind, cellHidden or cellEmpty
    int turn;                  // side to move, or noSide before the first flip
    int quietMoves;            // moves in a row with neither flip nor capture
    int captured[kindCount];   // pieces taken so far, by kind
};

// The view of the side to move. This is the one bridge from a game to the
// engine, and it drops what lies under every face-down piece.
Visible visibleFrom(const Game &game);

// The pieces neither face up nor captured, by kind: what a flip may show.
// Each count is the number of that kind still under the face-down cells.
void unseenPool(const Visible &view, int pool[kindCount]);

// Whether the view could arise in a game: no kind more often than the set
// holds it, and as many face-down cells as unseen pieces. On failure, why
// says what is wrong.
bool consistent(const Visible &view, const char **why);

#endif
