#include "protocol/stand_in.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "game/deal.h"

namespace {

// The stand-in must show what the view shows and answer the rules' questions as the real game does, for
// positions all through random games.
TEST(StandIn, HasTheRealGamesMovesAndEnd) {
    std::mt19937 random(5);
    int positions = 0;
    for (unsigned seed = 1; seed <= 40; seed++) {
        int deal[boardCells];
        srand(seed);
        shuffle(deal, boardCells);
        Game game;
        newGame(&game, deal);
        for (;;) {
            Visible view = visibleFrom(game);
            const char *why;
            ASSERT_TRUE(consistent(view, &why)) << why;
            Game standIn = standInGame(view);
            EXPECT_EQ(gameEnd(&standIn), gameEnd(&game));
            Move real[maxMoves], shown[maxMoves];
            int count = legalMoves(&game, real);
            ASSERT_EQ(legalMoves(&standIn, shown), count);
            for (int i = 0; i < count; i++) {
                EXPECT_EQ(shown[i].kind, real[i].kind);
                EXPECT_EQ(shown[i].from, real[i].from);
                EXPECT_EQ(shown[i].to, real[i].to);
            }
            Visible again = visibleFrom(standIn);
            for (int cell = 0; cell < boardCells; cell++)
                ASSERT_EQ(again.cell[cell], view.cell[cell]);
            for (int kind = 0; kind < kindCount; kind++)
                ASSERT_EQ(again.captured[kind], view.captured[kind]);
            ASSERT_EQ(again.turn, view.turn);
            ASSERT_EQ(again.quietMoves, view.quietMoves);
            positions++;
            if (gameEnd(&game) != endNone)
                break;
            applyMove(&game, real[std::uniform_int_distribution<int>(0, count - 1)(random)]);
        }
    }
    EXPECT_GT(positions, 1000);
}

}  // namespace
