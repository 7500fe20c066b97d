#include "brute_force.h"

#include <algorithm>

#include "engine/endgame.h"
#include "engine/visible.h"
#include "game/pieces.h"

Game gameOf(const std::vector<Placed> &pieces, int turn, int quietMoves) {
    Game game;
    for (int cell = 0; cell < boardCells; cell++) {
        game.piece[cell] = noPiece;
        game.faceUp[cell] = 0;
    }
    bool used[boardCells] = {};
    for (const Placed &p : pieces) {
        int id = kindSide(p.kind) * 16;
        while (used[id] || getRank(id) != kindRank(p.kind))
            id++;
        used[id] = true;
        game.piece[p.cell] = id;
        game.faceUp[p.cell] = 1;
    }
    game.turn = turn;
    game.quietMoves = quietMoves;
    game.deadCount = 0;
    return game;
}

namespace {

std::uint64_t keyOf(const Game &game, int *count) {
    std::uint64_t key = 0;
    *count = 0;
    for (int cell = 0; cell < boardCells; cell++) {
        int id = game.piece[cell];
        if (id == noPiece)
            continue;
        key = key << 9 | std::uint64_t(cell) << 4 | kindOf(getColor(id), getRank(id));
        ++*count;
    }
    return std::uint64_t(*count) << 60 | (key << 1 | game.turn) << 7 | game.quietMoves;
}

}  // namespace

int BruteForce::result(const Game &game) {
    // The ends in gameEnd's order, which lists the moves the search below
    // lists anyway.
    if (!hasPieces(&game, game.turn))
        return -1;
    if (game.quietMoves >= quietMoveLimit)
        return 0;
    int count;
    std::uint64_t key = keyOf(game, &count);
    if (count < trustBelow_) {
        EndgameVerdict verdict;
        probeEndgame(visibleFrom(game), &verdict);
        return verdict.result;
    }
    auto known = memo_.find(key);
    if (known != memo_.end())
        return known->second;
    // Each piece of the side to move to each cell of its row and column,
    // as checkMove allows: legalMoves' own test without the cells no move
    // of a face-up piece can reach. No move at all loses.
    int best = -1;
    for (int from = 0; from < boardCells && best < 1; from++) {
        if (game.piece[from] == noPiece || getColor(game.piece[from]) != game.turn)
            continue;
        for (int to = 0; to < boardCells && best < 1; to++) {
            if (to / boardCols != from / boardCols && to % boardCols != from % boardCols)
                continue;
            Move move = {game.piece[to] == noPiece ? moveStep : moveCapture, from, to};
            if (checkMove(&game, move) != moveAllowed)
                continue;
            Game next = game;
            applyMove(&next, move);
            best = std::max(best, -result(next));
        }
    }
    memo_[key] = best;
    return best;
}

// The kinds on distinct random cells.
std::vector<Placed> randomPlacement(const std::vector<int> &kinds, std::mt19937 &random) {
    std::vector<Placed> pieces;
    bool taken[boardCells] = {};
    for (int kind : kinds) {
        int cell;
        do
            cell = random() % boardCells;
        while (taken[cell]);
        taken[cell] = true;
        pieces.push_back({kind, cell});
    }
    return pieces;
}
