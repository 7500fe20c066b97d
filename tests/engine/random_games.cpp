#include "random_games.h"

#include <algorithm>
#include <numeric>

#include "engine/visible.h"
#include "game/pieces.h"

void dealGame(Game *game, std::mt19937 &rng) {
    int deal[boardCells];
    std::iota(deal, deal + boardCells, 0);
    std::shuffle(deal, deal + boardCells, rng);
    newGame(game, deal);
}

Move randomMove(const Game &game, std::mt19937 &rng, double captureBias) {
    Move moves[maxMoves];
    int count = legalMoves(&game, moves);
    Move captures[maxMoves];
    int captureCount = 0;
    for (int i = 0; i < count; i++)
        if (moves[i].kind == moveCapture)
            captures[captureCount++] = moves[i];
    std::uniform_real_distribution<double> coin(0, 1);
    if (captureCount > 0 && coin(rng) < captureBias)
        return captures[std::uniform_int_distribution<int>(0, captureCount - 1)(rng)];
    return moves[std::uniform_int_distribution<int>(0, count - 1)(rng)];
}

int kindOn(const Game &game, int cell) {
    return kindOf(getColor(game.piece[cell]), getRank(game.piece[cell]));
}
