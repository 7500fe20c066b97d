#include "engine/endgame.h"

#include <algorithm>

#include "engine/endgame_moves.h"
#include "engine/endgame_table.h"

namespace {

using namespace endgame;

struct Pieces {
    int count;
    int kind[endgameMaxPieces];
    int cell[endgameMaxPieces];
};

Pieces piecesOf(const Visible &view) {
    Pieces pieces = {0, {}, {}};
    for (int cell = 0; cell < boardCells; cell++)
        if (view.cell[cell] >= 0) {
            pieces.kind[pieces.count] = view.cell[cell];
            pieces.cell[pieces.count++] = cell;
        }
    return pieces;
}

// How the side to move stands: its result, the quiet moves that result
// needs, and the plies to the end of the game.
struct Standing {
    int result;
    int steps;
    int plies;
};

Standing standing(Pieces pieces, int turn, int quietMoves) {
    bool mine = false;
    for (int i = 0; i < pieces.count; i++)
        mine = mine || kindSide(pieces.kind[i]) == turn;
    if (!mine)
        return {-1, 0, 0};
    int left = quietMoveLimit - quietMoves;
    if (left <= 0)
        return {0, 0, 0};
    canonicalise(pieces.count, pieces.kind, pieces.cell, &turn);
    Material material = materialOf(pieces.count, pieces.kind);
    const Table &table = tableFor(material);
    std::uint32_t index = placementIndex(material, pieces.cell, turn);
    int steps = table.steps[index];
    if (steps > 0 && steps <= left)
        return {1, steps, table.plies[index]};
    if (steps < 0 && -steps <= left)
        return {-1, -steps, table.plies[index]};
    return {0, 0, 0};
}

// A move's worth to its mover: the result, then quiet moves to the
// conversion, then plies to the end.
struct Outcome {
    int result;
    int steps;
    int plies;
    Move move;
};

// Whether a is the better move for a mover whose result is result: the
// fastest win, the slowest loss; any move keeping a draw.
bool better(const Outcome &a, const Outcome &b, int result) {
    if (a.result != b.result)
        return a.result == result || (b.result != result && a.result > b.result);
    if (result > 0)
        return a.steps != b.steps ? a.steps < b.steps : a.plies < b.plies;
    if (result < 0)
        return a.steps != b.steps ? a.steps > b.steps : a.plies > b.plies;
    return false;
}

}  // namespace

bool endgameCovered(const Visible &view) {
    if (view.turn != 0 && view.turn != 1)
        return false;
    int count = 0, sides[2] = {0, 0};
    for (int cell = 0; cell < boardCells; cell++) {
        // Nothing face down, and nothing that is no kind of piece.
        if (view.cell[cell] < cellEmpty || view.cell[cell] >= kindCount)
            return false;
        if (view.cell[cell] >= 0) {
            count++;
            sides[kindSide(view.cell[cell])]++;
        }
    }
    return count <= endgameMaxPieces && sides[0] > 0 && sides[1] > 0;
}

bool probeEndgameValue(const Visible &view, EndgameVerdict *verdict) {
    if (!endgameCovered(view))
        return false;
    Standing now = standing(piecesOf(view), view.turn, view.quietMoves);
    verdict->result = now.result;
    verdict->plies = now.plies;
    return true;
}

bool probeEndgame(const Visible &view, EndgameVerdict *verdict) {
    if (!endgameCovered(view))
        return false;
    Pieces pieces = piecesOf(view);
    Standing now = standing(pieces, view.turn, view.quietMoves);
    verdict->result = now.result;
    verdict->plies = now.plies;
    verdict->best = {moveStep, noPiece, noPiece};
    Outcome best = {-2, 0, 0, verdict->best};
    auto consider = [&](const Outcome &outcome) {
        if (best.result == -2 || better(outcome, best, now.result))
            best = outcome;
    };
    forEachMove(
        pieces.count, pieces.kind, pieces.cell, view.turn,
        [&](int slot, int to) {
            Pieces after = pieces;
            after.cell[slot] = to;
            Standing next = standing(after, 1 - view.turn, view.quietMoves + 1);
            consider({-next.result, 1 + next.steps, 1 + next.plies,
                      {moveStep, pieces.cell[slot], to}});
        },
        [&](int slot, int victim) {
            Pieces after = {0, {}, {}};
            for (int i = 0; i < pieces.count; i++) {
                if (i == victim)
                    continue;
                after.kind[after.count] = pieces.kind[i];
                after.cell[after.count++] = i == slot ? pieces.cell[victim] : pieces.cell[i];
            }
            Standing next = standing(after, 1 - view.turn, 0);
            consider({-next.result, 1, 1 + next.plies,
                      {moveCapture, pieces.cell[slot], pieces.cell[victim]}});
        });
    if (best.result != -2)
        verdict->best = best.move;
    return true;
}
