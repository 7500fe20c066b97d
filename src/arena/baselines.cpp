#include "arena/baselines.h"

#include "game/pieces.h"

namespace {

Move pick(const Move *moves, int count, std::mt19937 &random) {
    return moves[std::uniform_int_distribution<int>(0, count - 1)(random)];
}

}  // namespace

Move RandomMover::choose(const Game &game) {
    Move moves[maxMoves];
    int count = legalMoves(&game, moves);
    return pick(moves, count, random_);
}

Move GreedyMover::choose(const Game &game) {
    Move moves[maxMoves];
    int count = legalMoves(&game, moves);
    Move best[maxMoves];
    int bestCount = 0, bestRank = 0;
    for (int i = 0; i < count; i++) {
        if (moves[i].kind != moveCapture)
            continue;
        int rank = getRank(game.piece[moves[i].to]);
        if (bestCount == 0 || rank < bestRank) {
            bestRank = rank;
            bestCount = 0;
        }
        if (rank == bestRank)
            best[bestCount++] = moves[i];
    }
    if (bestCount > 0)
        return pick(best, bestCount, random_);
    return pick(moves, count, random_);
}
