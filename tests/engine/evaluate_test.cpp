// The material count's one promise: whatever the pieces left, taking a
// piece never leaves the taker worse off in material.
#include <gtest/gtest.h>

#include <random>

#include "engine/evaluate.h"
#include "engine/movegen.h"
#include "engine/position.h"
#include "random_games.h"

namespace {

TEST(Evaluation, TakingAPieceNeverLowersTheTakersMaterial) {
    std::mt19937 rng(3);
    int captures = 0;
    for (int gameIndex = 0; gameIndex < 60; gameIndex++) {
        Game game;
        dealGame(&game, rng);
        while (gameEnd(&game) == endNone) {
            Position pos;
            pos.set(visibleFrom(game));
            Move moves[maxMoves];
            int count = generateCaptures(pos, moves);
            for (int i = 0; i < count; i++) {
                Position after = pos;
                after.play(moves[i]);
                EXPECT_GT(materialBalance(after, pos.turn), materialBalance(pos, pos.turn))
                    << "game " << gameIndex << " capture " << moves[i].from << "-" << moves[i].to;
                captures++;
            }
            applyMove(&game, randomMove(game, rng, 0.5));
        }
    }
    EXPECT_GT(captures, 1000);
}

}  // namespace
