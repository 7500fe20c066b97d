#include "protocol/stand_in.h"

#include "game/pieces.h"

namespace {

// Takes an id of kind not yet used; -1 when none is left.
int takeId(int kind, bool used[boardCells]) {
    for (int id = 0; id < boardCells; id++)
        if (!used[id] && kindOf(getColor(id), getRank(id)) == kind) {
            used[id] = true;
            return id;
        }
    return -1;
}

}  // namespace

Game standInGame(const Visible &view) {
    Game game;
    bool used[boardCells] = {};
    game.deadCount = 0;
    for (int kind = 0; kind < kindCount; kind++)
        for (int i = 0; i < view.captured[kind]; i++)
            game.dead[game.deadCount++] = takeId(kind, used);
    for (int cell = 0; cell < boardCells; cell++) {
        int shown = view.cell[cell];
        game.faceUp[cell] = shown >= 0;
        game.piece[cell] = shown >= 0 ? takeId(shown, used) : noPiece;
    }
    int pool[kindCount];
    unseenPool(view, pool);
    int kind = 0;
    for (int cell = 0; cell < boardCells; cell++) {
        if (view.cell[cell] != cellHidden)
            continue;
        while (pool[kind] == 0)
            kind++;
        pool[kind]--;
        game.piece[cell] = takeId(kind, used);
    }
    game.turn = view.turn;
    game.quietMoves = view.quietMoves;
    return game;
}
