// Exact play with few pieces left: positions with no face-down piece and
// at most endgameMaxPieces pieces on the board are solved by retrograde
// analysis, the quiet-move rule included, so a win that needs more quiet
// moves than the position has left is not a win.
#ifndef ENGINE_ENDGAME_H
#define ENGINE_ENDGAME_H

#include "engine/visible.h"
#include "rules/rules.h"

const int endgameMaxPieces = 4;

// A win is played by converting (capturing or leaving the opponent without
// a move) in the fewest quiet moves, a loss by putting that off the
// longest; plies counts the game played so, through every capture, and is
// 0 for a draw.
struct EndgameVerdict {
    int result;  // +1 the side to move wins, 0 a draw, -1 it loses
    int plies;   // plies to the end of the game when it is decided
    Move best;   // the fastest win, the slowest loss, or a move keeping the draw
};

// Whether view is one the solver answers: sides settled, nothing face down,
// at most endgameMaxPieces pieces on the board and each side one at least.
bool endgameCovered(const Visible &view);

// The solver's verdict for a covered view with a legal move; false for a
// view it does not cover. Tables are built on first use of a material and
// kept for the run.
bool probeEndgame(const Visible &view, EndgameVerdict *verdict);

// The verdict's result and plies alone, best left as it was: one table
// read instead of one per move, for a search's inner nodes.
bool probeEndgameValue(const Visible &view, EndgameVerdict *verdict);

#endif
