#include "engine/visible.h"

#include "game/pieces.h"

int setCount(int rank) {
    static const int counts[rankCount] = {1, 2, 2, 2, 2, 2, 5};
    return counts[rank];
}

Visible visibleFrom(const Game &game) {
    Visible view;
    for (int cell = 0; cell < boardCells; cell++) {
        int id = game.piece[cell];
        if (id == noPiece)
            view.cell[cell] = cellEmpty;
        else if (!game.faceUp[cell])
            view.cell[cell] = cellHidden;
        else
            view.cell[cell] = kindOf(getColor(id), getRank(id));
    }
    view.turn = game.turn;
    view.quietMoves = game.quietMoves;
    for (int kind = 0; kind < kindCount; kind++)
        view.captured[kind] = 0;
    for (int i = 0; i < game.deadCount; i++)
        view.captured[kindOf(getColor(game.dead[i]), getRank(game.dead[i]))]++;
    return view;
}

void unseenPool(const Visible &view, int pool[kindCount]) {
    for (int kind = 0; kind < kindCount; kind++)
        pool[kind] = setCount(kindRank(kind)) - view.captured[kind];
    for (int cell = 0; cell < boardCells; cell++)
        if (view.cell[cell] >= 0)
            pool[view.cell[cell]]--;
}

bool consistent(const Visible &view, const char **why) {
    int pool[kindCount];
    unseenPool(view, pool);
    int unseen = 0, hidden = 0;
    for (int kind = 0; kind < kindCount; kind++) {
        if (view.captured[kind] < 0) {
            *why = "negative capture count";
            return false;
        }
        if (pool[kind] < 0) {
            *why = "more pieces of a kind than the set holds";
            return false;
        }
        unseen += pool[kind];
    }
    for (int cell = 0; cell < boardCells; cell++) {
        int shown = view.cell[cell];
        if (shown == cellHidden)
            hidden++;
        else if (shown != cellEmpty && (shown < 0 || shown >= kindCount)) {
            *why = "a cell holds no kind of piece";
            return false;
        }
    }
    if (hidden != unseen) {
        *why = "face-down cells do not match the unseen pieces";
        return false;
    }
    if (view.turn != noSide && view.turn != 0 && view.turn != 1) {
        *why = "no such side";
        return false;
    }
    if (view.turn == noSide && hidden != boardCells) {
        *why = "pieces face up or taken before the first flip";
        return false;
    }
    if (view.quietMoves < 0) {
        *why = "negative quiet-move count";
        return false;
    }
    return true;
}
